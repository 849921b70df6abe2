// A static picture control that shows an Image.
#ifndef WICKER_FOUNDATION_IMAGE_BOX_H
#define WICKER_FOUNDATION_IMAGE_BOX_H

#include <windows.h>

#include "control.h"
#include "image.h"
#include "property.h"
#include "string.h"

class ByteBuffer;

// A "STATIC" control with SS_BITMAP: the bitmap is shown at its own size,
// centred in the control and clipped when it is larger. The control never
// deletes a bitmap: whoever replaces a picture gets the old bitmap back from
// SetImage or TakeImage and deletes it when nothing else shows it.
struct ImageBox : Control {
    // Read: an Image around the bitmap shown (STM_GETIMAGE); write: shows the Image.
    Property<ImageBox, ::Image> Image;
    // Width and height of the bitmap shown; 0 when it shows none.
    Property<ImageBox, int> ImageWidth;
    Property<ImageBox, int> ImageHeight;

    // Creates the control on the parent's window at x, y (pixels) with the size
    // given, showing the image, and shows it when `visible` is not 0.
    ImageBox(int identifier, int x, int y, int width, int height, const Control& parentControl,
             const ::Image& image, int visible, DWORD exStyle);
    ImageBox(const ImageBox&) = delete;
    ImageBox& operator=(const ImageBox&) = delete;

    // Shows the image's bitmap (STM_SETIMAGE) and returns the bitmap shown
    // before (null when none). An empty image changes nothing and gives null.
    HBITMAP SetImage(const ::Image& image);
    // Shows nothing from now on and returns the bitmap that was shown (STM_SETIMAGE with null).
    HBITMAP TakeImage();
    // Loads a picture file and shows it; false and the display unchanged when it
    // does not load. The bitmap shown before is not deleted (see SetImage).
    bool LoadFile(const String& path);
    // The same for a picture file already in memory.
    bool LoadBuffer(const ByteBuffer& buffer);

private:
    void BindProperties();
    ::Image GetImage();
    void ShowImage(const ::Image& image);
    int GetImageWidth();
    int GetImageHeight();
};

// The style of an ImageBox window before it is shown:
// WS_CHILD | WS_TABSTOP | SS_BITMAP | SS_NOTIFY | SS_CENTERIMAGE | SS_REALSIZEIMAGE.
const DWORD kImageBoxStyle = 0x40010B0E;

#endif
