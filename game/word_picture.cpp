#include "word_picture.h"

#include "game_window.h"
#include "resource_ids.h"
#include "wicker.h"

namespace {

const int PictureX = 514;
const int PictureY = 25;
const int PictureWidth = 245;
const int PictureHeight = 235;

// Shows a bitmap (or none) in the existing control and deletes the one it
// showed before (STM_SETIMAGE).
void Replace(HWND control, HBITMAP bitmap)
{
    HBITMAP previous = reinterpret_cast<HBITMAP>(
        SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    if (previous && previous != bitmap) DeleteObject(previous);
}

} // namespace

void RebuildWordPicture(HWND dialog)
{
    String relative(game.picturePath);
    String folder = App.Path;
    String path = folder + relative;
    Image picture(path);

    HWND existing = GetDlgItem(dialog, IDC_WORD_PICTURE);
    if (existing) {
        Replace(existing, picture.bmp);
        return;
    }
    // The wrappers are temporary: the control window stays on the dialog.
    Control main(dialog);
    ImageBox box(IDC_WORD_PICTURE, PictureX, PictureY, PictureWidth, PictureHeight, main, picture, 1, 0);
    // Without a control nothing shows the bitmap, and the dialog's end would
    // not find it to free it.
    if (!box.hwnd && picture.bmp) DeleteObject(picture.bmp);
}

void ReleaseWordPicture(HWND dialog)
{
    HWND control = GetDlgItem(dialog, IDC_WORD_PICTURE);
    if (control) Replace(control, NULL);
}
