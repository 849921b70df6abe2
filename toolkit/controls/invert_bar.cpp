#include "invert_bar.h"

bool InvertBar(HDC dc, int x, int y, int width, int height)
{
    // One 16-bit word per row of the monochrome bitmap: 10101010, 01010101, ...
    static const WORD kCheckerRows[8] = {0x00AA, 0x0055, 0x00AA, 0x0055,
                                         0x00AA, 0x0055, 0x00AA, 0x0055};
    HBITMAP checker = CreateBitmap(8, 8, 1, 1, kCheckerRows);
    if (checker == NULL)
        return false;
    HBRUSH brush = CreatePatternBrush(checker);
    if (brush == NULL) {
        DeleteObject(checker);
        return false;
    }
    SetBrushOrgEx(dc, x, y, NULL);
    HGDIOBJ old = SelectObject(dc, brush);
    bool drawn = PatBlt(dc, x, y, width, height, PATINVERT) != FALSE;
    if (old != NULL)
        SelectObject(dc, old);
    DeleteObject(brush);
    DeleteObject(checker);
    return drawn;
}
