/// \file
/// A list-view window used only for the background picture it draws.
#ifndef WICKER_FOUNDATION_PICTURE_BOX_H
#define WICKER_FOUNDATION_PICTURE_BOX_H

#include <windows.h>

#include "control.h"
#include "string.h"

///@{
/// Resource kinds for SetPictureResource and SetPictureFromModule.
const int kPictureBitmapResource = 1;
const int kPictureIconResource = 0;
///@}

/// A "SysListView32" window with text "PictureBox" and no background colour of
/// its own, whose tiled background picture the system decodes from a file path or
/// from a "res://" address of a bitmap or icon resource.
struct PictureBox : Control {
    /// Creates and shows the control with the picture file as its tiled background.
    PictureBox(int identifier, const String& path, int x, int y, int width, int height,
               const Control& parentControl, DWORD exStyle);
    /// The same with the program's bitmap resource of this number as the background.
    PictureBox(int identifier, int resourceId, int x, int y, int width, int height,
               const Control& parentControl, DWORD exStyle);

    /// Background picture from a file path, tiled when `tile` is set; false
    /// when the list view refuses it (the old background stays).
    bool SetPicture(const String& path, bool tile);
    /// Tiled background from a resource of the program's own module; `kind` 1 is
    /// a bitmap resource, anything else an icon resource.
    bool SetPictureResource(int resourceId, int kind);
    /// The same from a resource of another module file.
    bool SetPictureFromModule(const String& modulePath, int resourceId, int kind);

private:
    void Create(int x, int y, int width, int height, DWORD exStyle);
    bool SetBackgroundImage(const String& source, ULONG flags);
};

/// The "res://" address of a resource: "res://" + module path + "/#" + "2" for
/// a bitmap (kind 1) or "3" for an icon (any other kind) + "/#" + the number.
String PictureResourceSource(const String& modulePath, int resourceId, int kind);

#endif
