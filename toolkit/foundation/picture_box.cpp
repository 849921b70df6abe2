#include "picture_box.h"

#include <commctrl.h>
#include <ole2.h>

#include "app.h"
#include "dpi_scaling.h"

namespace {

const char kListViewClass[] = "SysListView32";
const char kPictureBoxText[] = "PictureBox";
const DWORD kPictureBoxStyle = WS_CHILD | WS_TABSTOP;
const char kResourceScheme[] = "res://";
// Resource type numbers as the "res://" address writes them.
const char kBitmapTypeText[] = "2";
const char kIconTypeText[] = "3";

static_assert((LVBKIF_SOURCE_URL | LVBKIF_STYLE_TILE) == 18, "tiled picture from an address");
static_assert(LVBKIF_SOURCE_URL == 2, "picture from an address");

// The list view decodes pictures through the system picture services, which
// need OLE on this thread. It is started once (StartOle), so that the one
// OleUninitialize at exit balances it.
void StartPictureServices()
{
    StartOle();
}

}  // namespace

PictureBox::PictureBox(int identifier, const String& path, int x, int y, int width, int height,
                       const Control& parentControl, DWORD exStyle)
    : Control()
{
    id = identifier;
    parent = parentControl.hwnd;
    Create(x, y, width, height, exStyle);
    if (!path.empty())
        SetPicture(path, true);
    ShowWindow(hwnd, SW_SHOW);
}

PictureBox::PictureBox(int identifier, int resourceId, int x, int y, int width, int height,
                       const Control& parentControl, DWORD exStyle)
    : PictureBox(identifier, String(), x, y, width, height, parentControl, exStyle)
{
    SetPictureResource(resourceId, kPictureBitmapResource);
}

// Creates the list view (CreateWindowExA) and clears its background colours
// (LVM_SETTEXTBKCOLOR, LVM_SETBKCOLOR with CLR_NONE).
void PictureBox::Create(int x, int y, int width, int height, DWORD exStyle)
{
    // A logical place and size; the background picture is tiled at its own pixels.
    ScaleNewWindowBounds(parent, x, y, width, height);
    hwnd = CreateWindowExA(exStyle, kListViewClass, kPictureBoxText, kPictureBoxStyle, x, y, width,
                           height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(NULL), NULL);
    if (hwnd == NULL)
        return;
    SendMessageA(hwnd, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
    SendMessageA(hwnd, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
}

bool PictureBox::SetPicture(const String& path, bool tile)
{
    return SetBackgroundImage(path, tile ? LVBKIF_SOURCE_URL | LVBKIF_STYLE_TILE : LVBKIF_SOURCE_URL);
}

bool PictureBox::SetPictureResource(int resourceId, int kind)
{
    return SetPictureFromModule(App.FileName.Read(), resourceId, kind);
}

bool PictureBox::SetPictureFromModule(const String& modulePath, int resourceId, int kind)
{
    return SetBackgroundImage(PictureResourceSource(modulePath, resourceId, kind),
                              LVBKIF_SOURCE_URL | LVBKIF_STYLE_TILE);
}

// LVM_SETBKIMAGEA with the source address, offsets 0 and no bitmap handle.
bool PictureBox::SetBackgroundImage(const String& source, ULONG flags)
{
    if (hwnd == NULL)
        return false;
    StartPictureServices();
    String address = source;
    LVBKIMAGEA image;
    ZeroMemory(&image, sizeof image);
    image.ulFlags = flags;
    image.hbm = NULL;
    image.pszImage = address.CharAt(0);
    image.cchImageMax = address.Length.Read() + 1;
    image.xOffsetPercent = 0;
    image.yOffsetPercent = 0;
    return SendMessageA(hwnd, LVM_SETBKIMAGEA, 0, reinterpret_cast<LPARAM>(&image)) != 0;
}

String PictureResourceSource(const String& modulePath, int resourceId, int kind)
{
    const char* typeText = kind == kPictureBitmapResource ? kBitmapTypeText : kIconTypeText;
    return kResourceScheme + modulePath + "/#" + typeText + "/#" + NumberString(resourceId, 0);
}
