// The picture of the word in play, beside the stage picture.
#ifndef TUCKLE_WORD_PICTURE_H
#define TUCKLE_WORD_PICTURE_H

#include <windows.h>

// Shows the picture of the word in play in control 1029: the file named by
// picturePath below the program's folder. The control is created on the first
// call and given each new picture afterwards; the bitmap it stops showing is
// deleted. A picture that does not load leaves the control empty.
void RebuildWordPicture(HWND dialog);

// Deletes the bitmap the word picture shows; called as the dialog ends.
void ReleaseWordPicture(HWND dialog);

#endif
