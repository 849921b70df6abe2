/// \file
/// A static picture control that shows an Image.
#ifndef WICKER_FOUNDATION_IMAGE_BOX_H
#define WICKER_FOUNDATION_IMAGE_BOX_H

#include <windows.h>

#include "control.h"
#include "image.h"
#include "property.h"
#include "../system/icon_object.h"
#include "string.h"

class ByteBuffer;

/// A "STATIC" control with SS_BITMAP: the bitmap is shown at its own size,
/// centred in the control and clipped when it is larger. The window shows its
/// own copy of every picture it is given and deletes that copy when it shows
/// another one or is destroyed, so the images given to it may go at any time.
/// SetImage and TakeImage hand back the picture shown before as an Image that
/// owns it: keep it to show it again, or let it go and it is deleted.
struct ImageBox : Control {
    /// Read: an Image around the bitmap shown (STM_GETIMAGE); write: shows the Image.
    Property<ImageBox, ::Image> Image;
    ///@{
    /// Read: width and height of the bitmap shown, 0 when it shows none;
    /// write: resamples the picture shown to the new width (or height) and the
    /// current other side, and shows the result.
    Property<ImageBox, int> ImageWidth;
    Property<ImageBox, int> ImageHeight;
    ///@}
    /// Read only: a new icon (owned) made from the bitmap shown; empty when it
    /// shows none.
    Property<ImageBox, IconObject> Icon;

    /// Creates the control on the parent's window at x, y (pixels) with the size
    /// given, showing the image, and shows it when `visible` is not 0.
    ImageBox(int identifier, int x, int y, int width, int height, const Control& parentControl,
             const ::Image& image, int visible, DWORD exStyle);
    /// Adopts an existing picture control (its `hwnd` and parent), as Control(HWND).
    explicit ImageBox(HWND window);

    /// Shows a copy of the image's bitmap (CopyImage, STM_SETIMAGE) and hands
    /// back the picture shown before (empty when none). An empty image, or a
    /// bitmap that cannot be copied, changes nothing and gives an empty image.
    ::Image SetImage(const ::Image& image);
    /// Shows nothing from now on and hands back the picture that was shown.
    ::Image TakeImage();
    /// Shows the colour part of the icon (GetIconInfo); false and the display
    /// unchanged for an empty icon.
    bool SetIcon(const IconObject& icon);
    /// Loads a picture file and shows it; false and the display unchanged when it
    /// does not load. The picture shown before is deleted.
    bool LoadFile(const String& path);
    /// The same for a picture file already in memory.
    bool LoadBuffer(const ByteBuffer& buffer);
    /// Resamples the picture shown to width x height (Image::Resize) and shows
    /// the result; false and the display unchanged when it shows nothing or
    /// the size is refused.
    bool ResizeImage(int width, int height);
    /// Resamples the picture shown so that its longer side becomes `size`,
    /// keeping the proportions (Image::FitTo), and shows the result.
    bool FitImage(int size);

private:
    void BindProperties();
    ///@{
    /// Shows the bitmap, which the window owns from now on (null shows
    /// nothing); hands back the picture shown before.
    ::Image Display(HBITMAP owned);
    ::Image GetImage();
    void ShowImage(const ::Image& image);
    int GetImageWidth();
    void SetImageWidth(int width);
    int GetImageHeight();
    void SetImageHeight(int height);
    IconObject GetIcon();
    ///@}
};

/// The style of an ImageBox window before it is shown:
/// WS_CHILD | WS_TABSTOP | SS_BITMAP | SS_NOTIFY | SS_CENTERIMAGE | SS_REALSIZEIMAGE.
const DWORD kImageBoxStyle = 0x40010B0E;

#endif
