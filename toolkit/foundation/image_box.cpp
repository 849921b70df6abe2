#include "image_box.h"

#include "dpi_scaling.h"
#include "kept_handles.h"
#include "system/byte_buffer.h"
#include "system/resampler.h"

namespace {

const char kStaticClass[] = "STATIC";

static_assert(kImageBoxStyle == (WS_CHILD | WS_TABSTOP | SS_BITMAP | SS_NOTIFY | SS_CENTERIMAGE |
                                 SS_REALSIZEIMAGE),
              "picture control style");

}  // namespace

// Creates the window (CreateWindowExA) and makes the "STATIC" class redraw on
// every resize (SetClassLongA GCL_STYLE; this changes the class for the whole
// process, so the bits are added to the class's own style, which stays).
ImageBox::ImageBox(int identifier, int x, int y, int width, int height, const Control& parentControl,
                   const ::Image& image, int visible, DWORD exStyle)
    : Control()
{
    BindProperties();
    id = identifier;
    parent = parentControl.hwnd;
    // The box's place and size are logical; the picture keeps its pixels,
    // centred in the box (see SS_CENTERIMAGE above).
    ScaleNewWindowBounds(parent, x, y, width, height);
    hwnd = CreateWindowExA(exStyle, kStaticClass, "", kImageBoxStyle, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)),
                           GetModuleHandleA(NULL), NULL);
    if (hwnd != NULL)
        SetClassLongA(hwnd, GCL_STYLE, GetClassLongA(hwnd, GCL_STYLE) | CS_HREDRAW | CS_VREDRAW);
    SetImage(image);
    if (visible != 0)
        Show();
}

ImageBox::ImageBox(HWND window) : Control(window)
{
    BindProperties();
}

void ImageBox::BindProperties()
{
    Image.Clear();
    ImageWidth.Clear();
    ImageHeight.Clear();
    Icon.Clear();
    Image.Bind(this, &ImageBox::GetImage, &ImageBox::ShowImage);
    ImageWidth.Bind(this, &ImageBox::GetImageWidth, &ImageBox::SetImageWidth);
    ImageHeight.Bind(this, &ImageBox::GetImageHeight, &ImageBox::SetImageHeight);
    Icon.Bind(this, &ImageBox::GetIcon, NULL);
}

// STM_SETIMAGE with IMAGE_BITMAP. The window keeps the bitmap it shows
// (KeepWithWindow) and deletes it on WM_NCDESTROY. What the control answers
// is handed back as owned when it is the bitmap the window kept, and as a view
// when some other code put it there.
::Image ImageBox::Display(HBITMAP owned)
{
    if (hwnd == NULL) {
        if (owned != NULL)
            DeleteObject(owned);
        return ::Image();
    }
    HBITMAP before = reinterpret_cast<HBITMAP>(
        SendMessageA(hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(owned)));
    HBITMAP kept = static_cast<HBITMAP>(TakeFromWindow(hwnd, kKeptBitmap));
    if (owned != NULL)
        KeepWithWindow(hwnd, kKeptBitmap, owned);
    if (kept != NULL && kept == before)
        return ::Image(kept, kOwnHandle);
    // The kept bitmap no longer showed: it was replaced behind the box's back.
    if (kept != NULL && kept != owned)
        DeleteObject(kept);
    return ::Image(before);
}

::Image ImageBox::SetImage(const ::Image& image)
{
    if (image.bmp == NULL || hwnd == NULL)
        return ::Image();
    HBITMAP copy = static_cast<HBITMAP>(CopyImage(image.bmp, IMAGE_BITMAP, 0, 0, 0));
    if (copy == NULL)
        return ::Image();
    return Display(copy);
}

::Image ImageBox::TakeImage()
{
    return Display(NULL);
}

// The icon's colour bitmap is the window's own; its mask is deleted.
bool ImageBox::SetIcon(const IconObject& icon)
{
    if (icon.icon == NULL || hwnd == NULL)
        return false;
    ICONINFO parts;
    if (!GetIconInfo(icon.icon, &parts))
        return false;
    if (parts.hbmMask != NULL)
        DeleteObject(parts.hbmMask);
    if (parts.hbmColor == NULL)
        return false;
    Display(parts.hbmColor);
    return true;
}

// The decoded bitmap is new and nobody else's, so the window takes it as it is.
bool ImageBox::LoadFile(const String& path)
{
    HBITMAP loaded = LoadPictureFile(path);
    if (loaded == NULL)
        return false;
    Display(loaded);
    return true;
}

bool ImageBox::LoadBuffer(const ByteBuffer& buffer)
{
    HBITMAP loaded = DecodePicture(buffer.Buffer.Read(), buffer.Length.Read());
    if (loaded == NULL)
        return false;
    Display(loaded);
    return true;
}

// STM_GETIMAGE with IMAGE_BITMAP.
::Image ImageBox::GetImage()
{
    if (hwnd == NULL)
        return ::Image();
    // A view: the bitmap stays the window's.
    return ::Image(reinterpret_cast<HBITMAP>(SendMessageA(hwnd, STM_GETIMAGE, IMAGE_BITMAP, 0)));
}

void ImageBox::ShowImage(const ::Image& image)
{
    SetImage(image);
}

int ImageBox::GetImageWidth()
{
    return GetImage().Width;
}

int ImageBox::GetImageHeight()
{
    return GetImage().Height;
}

// The resampled bitmap is new and nobody else's: the window takes it as it is.
bool ImageBox::ResizeImage(int width, int height)
{
    if (hwnd == NULL)
        return false;
    HBITMAP shown = reinterpret_cast<HBITMAP>(SendMessageA(hwnd, STM_GETIMAGE, IMAGE_BITMAP, 0));
    HBITMAP made = ResampleBitmap(shown, width, height);
    if (made == NULL)
        return false;
    Display(made);
    return true;
}

bool ImageBox::FitImage(int size)
{
    int width = 0, height = 0;
    if (!FittedSize(GetImageWidth(), GetImageHeight(), size, width, height))
        return false;
    return ResizeImage(width, height);
}

void ImageBox::SetImageWidth(int width)
{
    ResizeImage(width, GetImageHeight());
}

void ImageBox::SetImageHeight(int height)
{
    ResizeImage(GetImageWidth(), height);
}

IconObject ImageBox::GetIcon()
{
    return IconFromBitmap(GetImage().bmp);
}
