#include "word_picture.h"

#include "game_window.h"
#include "resource_ids.h"
#include "wicker.h"

namespace {

const int PictureX = 514;
const int PictureY = 25;
const int PictureWidth = 245;
const int PictureHeight = 235;

} // namespace

void RebuildWordPicture(HWND dialog)
{
    String relative(game.picturePath);
    String folder = App.Path;
    String path = folder + relative;
    Image picture(path);

    // The control shows its own copy of each picture and deletes the one it
    // stops showing, so the loaded image may go when this returns.
    HWND existing = GetDlgItem(dialog, IDC_WORD_PICTURE);
    if (existing) {
        ImageBox box(existing);
        if (picture.IsEmpty())
            box.TakeImage();
        else
            box.SetImage(picture);
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
    if (control) ImageBox(control).TakeImage();
}
