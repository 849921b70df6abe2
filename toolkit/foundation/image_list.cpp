#include "image_list.h"

#include "dpi_scaling.h"
#include "kept_handles.h"
#include "../system/icon_resample.h"

namespace {

const int kIcons24Side = 24;
// The sides of small and standard icons at 96 DPI.
const int kSmallIconsSide = 16;
const int kStandardIconsSide = 32;
// Full colour with a mask: the system's icons carry 32-bit pictures, which an
// 8-bit list would dither into speckles.
const UINT kImageListFlags = ILC_MASK | ILC_COLOR32;
const int kInitialImages = 0;
const int kImageGrowth = 1000;
const int kAppendIndex = -1;
const int kAllImages = -1;

static_assert(kImageListFlags == 0x21, "masked 32-bit image list");

// Icons are drawn at a few sides only; a scaled side between two of them
// takes the smaller, so that 120 DPI keeps sharp 16-pixel pictures rather
// than blurred 20-pixel ones.
int StandardIconSideAtMost(int side)
{
    static const int kSides[] = {16, 24, 32, 48, 64, 96, 128, 256};
    int chosen = kSides[0];
    for (int standard : kSides)
        if (standard <= side)
            chosen = standard;
    return chosen;
}

}  // namespace

int IconSideOfKind(int sizeKind)
{
    int side = sizeKind == kSmallIcons ? GetSystemMetrics(SM_CXSMICON)
               : sizeKind == kIcons24  ? kIcons24Side
                                       : GetSystemMetrics(SM_CXICON);
    // A program that scales takes its pictures at the screen's DPI too. The
    // metrics are already scaled where the system scales them; where it
    // gives 96-DPI sides at every DPI, they are scaled here.
    if (!DpiScalingOn())
        return side;
    int logical = sizeKind == kSmallIcons ? kSmallIconsSide
                  : sizeKind == kIcons24  ? kIcons24Side
                                          : kStandardIconsSide;
    int scaled = StandardIconSideAtMost(ScaleBetweenDpi(logical, kLogicalDpi, WindowDpi(NULL)));
    return side >= scaled ? side : scaled;
}

ImageList::ImageList() : kind(kSmallIcons), handle(NULL)
{
    BindProperties();
}

ImageList::ImageList(int sizeKind) : kind(sizeKind), handle(NULL)
{
    BindProperties();
    Create(sizeKind);
}

void ImageList::BindProperties()
{
    Count.Clear();
    IconWidth.Clear();
    IconHeight.Clear();
    Count.Bind(this, &ImageList::GetCount, NULL);
    IconWidth.Bind(this, &ImageList::GetIconWidth, &ImageList::SetIconWidth);
    IconHeight.Bind(this, &ImageList::GetIconHeight, &ImageList::SetIconHeight);
}

// ImageList_Create with side x side icons of the kind.
bool ImageList::Create(int sizeKind)
{
    int side = IconSideOfKind(sizeKind);
    share.Reset(ImageList_Create(side, side, kImageListFlags, kInitialImages, kImageGrowth),
                kOwnHandle);
    handle = share.Get();
    return handle != NULL;
}

bool ImageList::EnsureCreated(int sizeKind)
{
    return handle != NULL || Create(sizeKind);
}

// ImageList_ReplaceIcon with index -1 (append), of the icon at the list's
// side (ResampledIcon): a resource's own picture of that side where it has
// one, else one reduced smoothly from a larger picture, rather than the
// list's stretching.
int ImageList::AppendIcon(HICON icon)
{
    if (handle == NULL || icon == NULL)
        return -1;
    int width = 0, height = 0;
    ImageList_GetIconSize(handle, &width, &height);
    HICON sized = width == height ? ResampledIcon(icon, width) : NULL;
    int index = ImageList_ReplaceIcon(handle, kAppendIndex, sized != NULL ? sized : icon);
    if (sized != NULL)
        DestroyIcon(sized);
    return index;
}

int ImageList::AddIcon(const IconObject& icon)
{
    if (icon.icon == NULL || !EnsureCreated(kind))
        return -1;
    return AppendIcon(icon.icon);
}

IconObject ImageList::GetIcon(int index)
{
    if (handle == NULL || index < 0 || index >= GetCount())
        return IconObject();
    return IconObject(ImageList_GetIcon(handle, index, ILD_NORMAL), kOwnHandle);
}

bool ImageList::ReplaceIcon(int index, const IconObject& icon)
{
    if (handle == NULL || icon.icon == NULL || index < 0 || index >= GetCount())
        return false;
    return ImageList_ReplaceIcon(handle, index, icon.icon) == index;
}

// shell32 exports Shell_GetImageLists by ordinal 71 (the shell's own large
// and small lists, which stay the shell's) and FileIconInit by ordinal 660
// (fills its icon cache). Each icon taken out is a new one: appended as a
// copy, then destroyed.
int ImageList::LoadSystemIcons(bool large, int maxCount)
{
    typedef BOOL(WINAPI * GetImageListsProc)(HIMAGELIST*, HIMAGELIST*);
    typedef BOOL(WINAPI * FileIconInitProc)(BOOL);
    HMODULE shell = LoadLibraryA("shell32.dll");
    if (shell == NULL)
        return 0;
    GetImageListsProc getLists = reinterpret_cast<GetImageListsProc>(
        reinterpret_cast<void*>(GetProcAddress(shell, MAKEINTRESOURCEA(71))));
    FileIconInitProc iconInit = reinterpret_cast<FileIconInitProc>(
        reinterpret_cast<void*>(GetProcAddress(shell, MAKEINTRESOURCEA(660))));
    if (iconInit != NULL)
        iconInit(TRUE);
    HIMAGELIST largeList = NULL, smallList = NULL;
    int added = 0;
    if (getLists != NULL && getLists(&largeList, &smallList)) {
        HIMAGELIST system = large ? largeList : smallList;
        int count = system != NULL ? ImageList_GetImageCount(system) : 0;
        if (maxCount > 0 && maxCount <= count)
            count = maxCount;
        for (int index = 0; index < count; ++index) {
            HICON icon = ImageList_GetIcon(system, index, ILD_TRANSPARENT);
            if (icon == NULL)
                continue;
            if (AddIconHandle(icon) >= 0)
                ++added;
            DestroyIcon(icon);
        }
    }
    FreeLibrary(shell);
    return added;
}

int ImageList::AddIconHandle(HICON icon)
{
    if (!EnsureCreated(kSmallIcons))
        return -1;
    return AppendIcon(icon);
}

// LoadIconA from the program's module.
int ImageList::AddIconResource(int resourceId)
{
    if (!EnsureCreated(kSmallIcons))
        return -1;
    return AppendIcon(LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(resourceId)));
}

// LoadIconA from the given module.
int ImageList::AddIconByName(const String& resourceName, HINSTANCE module)
{
    if (!EnsureCreated(kSmallIcons))
        return -1;
    return AppendIcon(LoadIconA(module, resourceName.CStr()));
}

// ImageList_LoadImageA of a bitmap strip, no mask colour.
HIMAGELIST ImageList::LoadStrip(int bitmapResourceId)
{
    int width = GetSystemMetrics(kind != kSmallIcons ? SM_CXICON : SM_CXSMICON);
    int growth = GetSystemMetrics(kind != kSmallIcons ? SM_CYICON : SM_CYSMICON);
    return ImageList_LoadImageA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(bitmapResourceId), width,
                                growth, CLR_NONE, IMAGE_BITMAP, 0);
}

bool ImageList::RemoveAll()
{
    return handle != NULL && ImageList_Remove(handle, kAllImages) != FALSE;
}

bool ImageList::Destroy()
{
    if (handle == NULL)
        return false;
    bool destroyed = share.Destroy();
    handle = NULL;
    return destroyed;
}

// Each icon is taken out (ImageList_GetIcon), appended and destroyed.
void ImageList::CopyFrom(const ImageList& other)
{
    if (other.handle == NULL || &other == this)
        return;
    // Kept alive by the other's holder while its icons are copied.
    ImageList source(other);
    if (!Create(kSmallIcons))
        return;
    int count = ImageList_GetImageCount(source.handle);
    for (int index = 0; index < count; ++index) {
        HICON icon = ImageList_GetIcon(source.handle, index, ILD_NORMAL);
        if (icon == NULL)
            continue;
        AppendIcon(icon);
        DestroyIcon(icon);
    }
}

int ImageList::GetCount()
{
    return handle != NULL ? ImageList_GetImageCount(handle) : 0;
}

// ImageList_GetIconSize; 0 without a list.
int ImageList::GetIconWidth()
{
    int width = 0, height = 0;
    if (handle == NULL || !ImageList_GetIconSize(handle, &width, &height))
        return 0;
    return width;
}

int ImageList::GetIconHeight()
{
    int width = 0, height = 0;
    if (handle == NULL || !ImageList_GetIconSize(handle, &width, &height))
        return 0;
    return height;
}

// ImageList_SetIconSize with the current height.
void ImageList::SetIconWidth(int width)
{
    if (handle != NULL)
        ImageList_SetIconSize(handle, width, GetIconHeight());
}

// ImageList_SetIconSize with the current width.
void ImageList::SetIconHeight(int height)
{
    if (handle != NULL)
        ImageList_SetIconSize(handle, GetIconWidth(), height);
}

bool KeepImageListWithWindow(HWND window, int place, const ImageList& list)
{
    if (place < 0 || place > kKeptImageListLast - kKeptImageList)
        return false;
    ImageList* kept = list.handle != NULL ? new ImageList(list) : NULL;
    return KeepWithWindow(window, static_cast<KeptSlot>(kKeptImageList + place), kept);
}
