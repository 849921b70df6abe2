#include "image_box.h"

#include "system/byte_buffer.h"

namespace {

const char kStaticClass[] = "STATIC";

static_assert(kImageBoxStyle == (WS_CHILD | WS_TABSTOP | SS_BITMAP | SS_NOTIFY | SS_CENTERIMAGE |
                                 SS_REALSIZEIMAGE),
              "picture control style");

}  // namespace

// Creates the window (CreateWindowExA) and makes the "STATIC" class redraw on
// every resize (SetClassLongA GCL_STYLE; this changes the class for the whole process).
ImageBox::ImageBox(int identifier, int x, int y, int width, int height, const Control& parentControl,
                   const ::Image& image, int visible, DWORD exStyle)
    : Control()
{
    BindProperties();
    id = identifier;
    parent = parentControl.hwnd;
    hwnd = CreateWindowExA(exStyle, kStaticClass, "", kImageBoxStyle, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)),
                           GetModuleHandleA(NULL), NULL);
    if (hwnd != NULL)
        SetClassLongA(hwnd, GCL_STYLE, CS_HREDRAW | CS_VREDRAW);
    SetImage(::Image(image));
    if (visible != 0)
        Show();
}

void ImageBox::BindProperties()
{
    Image.Clear();
    ImageWidth.Clear();
    ImageHeight.Clear();
    Image.Bind(this, &ImageBox::GetImage, &ImageBox::ShowImage);
    ImageWidth.Bind(this, &ImageBox::GetImageWidth, NULL);
    ImageHeight.Bind(this, &ImageBox::GetImageHeight, NULL);
}

// STM_SETIMAGE with IMAGE_BITMAP.
HBITMAP ImageBox::SetImage(const ::Image& image)
{
    if (image.bmp == NULL || hwnd == NULL)
        return NULL;
    return reinterpret_cast<HBITMAP>(SendMessageA(hwnd, STM_SETIMAGE, IMAGE_BITMAP,
                                                  reinterpret_cast<LPARAM>(image.bmp)));
}

// STM_SETIMAGE with IMAGE_BITMAP and no bitmap.
HBITMAP ImageBox::TakeImage()
{
    if (hwnd == NULL)
        return NULL;
    return reinterpret_cast<HBITMAP>(SendMessageA(hwnd, STM_SETIMAGE, IMAGE_BITMAP, 0));
}

bool ImageBox::LoadFile(const String& path)
{
    ::Image loaded;
    if (!loaded.LoadFile(path))
        return false;
    SetImage(loaded);
    return true;
}

bool ImageBox::LoadBuffer(const ByteBuffer& buffer)
{
    ::Image loaded;
    if (!loaded.LoadBuffer(buffer))
        return false;
    SetImage(loaded);
    return true;
}

// STM_GETIMAGE with IMAGE_BITMAP.
::Image ImageBox::GetImage()
{
    if (hwnd == NULL)
        return ::Image();
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
