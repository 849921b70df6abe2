#include "region_object.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "../foundation/image.h"
#include "byte_buffer.h"
#include "replacing_file.h"
#include "whole_file.h"

namespace {

// Rectangles handed to ExtCreateRegion at a time. Some systems (Wine among
// them) add the rectangles of one call to the region one by one, each
// addition costing as much as the region is large; small pieces merged
// pairwise, as a merge sort does, keep the whole build close to linear.
const size_t kPieceRects = 64;

// Unites pieces into one region: each new piece is merged with the last one
// while both hold as many pieces, so at most about log2(pieces) regions are
// alive at once, whatever the number of rows or rectangles.
class RegionBuilder {
public:
    ~RegionBuilder()
    {
        for (size_t i = 0; i < depth; ++i)
            DeleteObject(stack[i].region);
    }

    // Adds the rectangles (any order, any overlap); false once anything failed.
    bool Add(const RECT* rects, size_t count)
    {
        while (ok && count > 0) {
            size_t piece = std::min(count, kPieceRects);
            Push(MakePiece(rects, piece));
            rects += piece;
            count -= piece;
        }
        return ok;
    }

    // The union of everything added (an empty region when nothing was);
    // null when anything failed. The caller owns it.
    HRGN Finish()
    {
        while (ok && depth > 1)
            MergeTop();
        if (!ok)
            return NULL;
        if (depth == 0)
            return CreateRectRgn(0, 0, 0, 0);
        depth = 0;
        return stack[0].region;
    }

private:
    struct Level {
        HRGN region;
        unsigned long long pieces;
    };

    static HRGN MakePiece(const RECT* rects, size_t count)
    {
        if (count == 1)
            return CreateRectRgnIndirect(rects);
        struct {
            RGNDATAHEADER header;
            RECT rects[kPieceRects];
        } data;
        ZeroMemory(&data.header, sizeof data.header);
        data.header.dwSize = sizeof data.header;
        data.header.iType = RDH_RECTANGLES;
        data.header.nCount = static_cast<DWORD>(count);
        data.header.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
        RECT bounds = rects[0];
        for (size_t i = 0; i < count; ++i) {
            data.rects[i] = rects[i];
            bounds.left = std::min(bounds.left, rects[i].left);
            bounds.top = std::min(bounds.top, rects[i].top);
            bounds.right = std::max(bounds.right, rects[i].right);
            bounds.bottom = std::max(bounds.bottom, rects[i].bottom);
        }
        data.header.rcBound = bounds;
        return ExtCreateRegion(NULL, static_cast<DWORD>(sizeof data.header + count * sizeof(RECT)),
                               reinterpret_cast<const RGNDATA*>(&data));
    }

    // Like a binary counter: the stack holds pieces of falling sizes, so it
    // never grows past one level per bit of the piece count.
    void Push(HRGN piece)
    {
        if (piece == NULL) {
            ok = false;
            return;
        }
        stack[depth].region = piece;
        stack[depth].pieces = 1;
        ++depth;
        while (ok && depth > 1 && stack[depth - 2].pieces <= stack[depth - 1].pieces)
            MergeTop();
    }

    void MergeTop()
    {
        Level& top = stack[depth - 1];
        Level& below = stack[depth - 2];
        if (CombineRgn(below.region, below.region, top.region, RGN_OR) == ERROR)
            ok = false;
        below.pieces += top.pieces;
        DeleteObject(top.region);
        --depth;
    }

    Level stack[66];
    size_t depth = 0;
    bool ok = true;
};

// 32-bit pixel (blue, green, red, unused) as a COLORREF.
inline COLORREF PixelColour(const BYTE* pixel)
{
    return RGB(pixel[2], pixel[1], pixel[0]);
}

}  // namespace

HRGN RegionFromData(const BYTE* bytes, size_t count)
{
    RGNDATAHEADER header;
    if (bytes == NULL || count < sizeof header)
        return NULL;
    std::memcpy(&header, bytes, sizeof header);
    if (header.dwSize != sizeof header || header.iType != RDH_RECTANGLES ||
        header.nCount > (count - sizeof header) / sizeof(RECT))
        return NULL;
    RegionBuilder builder;
    RECT piece[kPieceRects];
    const BYTE* at = bytes + sizeof header;
    for (DWORD done = 0; done < header.nCount;) {
        size_t take = std::min<size_t>(kPieceRects, header.nCount - done);
        std::memcpy(piece, at, take * sizeof(RECT));
        for (size_t i = 0; i < take; ++i) {
            if (piece[i].left > piece[i].right || piece[i].top > piece[i].bottom)
                return NULL;
        }
        if (!builder.Add(piece, take))
            return NULL;
        at += take * sizeof(RECT);
        done += static_cast<DWORD>(take);
    }
    return builder.Finish();
}

// The pixels are read as 32-bit rows (GetDIBits), a band at a time; each row
// becomes one piece of the region, so no combination ever touches more than
// the rows it unites.
HRGN RegionFromBitmap(HBITMAP bitmap, COLORREF transparent)
{
    BITMAP info;
    if (bitmap == NULL || GetObjectA(bitmap, sizeof info, &info) == 0)
        return NULL;
    int width = info.bmWidth;
    int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    if (width <= 0 || height <= 0)
        return CreateRectRgn(0, 0, 0, 0);
    size_t stride = static_cast<size_t>(width) * 4;
    int bandRows = static_cast<int>(std::max<size_t>(1, (1u << 20) / stride));
    bandRows = std::min(bandRows, height);
    BYTE* band = new (std::nothrow) BYTE[stride * bandRows];
    RECT* runs = new (std::nothrow) RECT[(width + 1) / 2];
    HDC screen = GetDC(NULL);
    HRGN result = NULL;
    if (band != NULL && runs != NULL && screen != NULL) {
        BITMAPINFOHEADER read = {};
        read.biSize = sizeof read;
        read.biWidth = width;
        read.biHeight = height;
        read.biPlanes = 1;
        read.biBitCount = 32;
        read.biCompression = BI_RGB;
        RegionBuilder builder;
        bool ok = true;
        bool first = true;
        for (int top = 0; ok && top < height; top += bandRows) {
            int count = std::min(bandRows, height - top);
            ok = GetDIBits(screen, bitmap, static_cast<UINT>(height - top - count),
                           static_cast<UINT>(count), band, reinterpret_cast<BITMAPINFO*>(&read),
                           DIB_RGB_COLORS) == count;
            for (int k = 0; ok && k < count; ++k) {
                // The band is bottom-up: its last row is the band's top row.
                const BYTE* row = band + static_cast<size_t>(count - 1 - k) * stride;
                if (first) {
                    if (transparent == CLR_INVALID)
                        transparent = PixelColour(row);
                    first = false;
                }
                int y = top + k;
                size_t found = 0;
                int x = 0;
                while (x < width) {
                    while (x < width && PixelColour(row + x * 4) == transparent)
                        ++x;
                    if (x >= width)
                        break;
                    int start = x;
                    while (x < width && PixelColour(row + x * 4) != transparent)
                        ++x;
                    RECT run = {start, y, x, y + 1};
                    runs[found++] = run;
                }
                if (found > 0)
                    ok = builder.Add(runs, found);
            }
        }
        HRGN made = builder.Finish();
        if (ok)
            result = made;
        else if (made != NULL)
            DeleteObject(made);
    }
    if (screen != NULL)
        ReleaseDC(NULL, screen);
    delete[] band;
    delete[] runs;
    return result;
}

RegionObject::RegionObject(const Image& image, COLORREF transparent) : region(NULL)
{
    FromImage(image, transparent);
}

bool RegionObject::Hold(HRGN made)
{
    if (made == NULL)
        return false;
    share.Reset(made, kOwnHandle);
    region = share.Get();
    return region != NULL;
}

bool RegionObject::RoundRect(int width, int height, int corner)
{
    return Hold(CreateRoundRectRgn(0, 0, width, height, corner, corner));
}

bool RegionObject::RoundRect(int x, int y, int width, int height, int corner)
{
    return Hold(CreateRoundRectRgn(x, y, x + width, y + height, corner, corner));
}

bool RegionObject::Ellipse(int width, int height)
{
    return Hold(CreateEllipticRgn(0, 0, width, height));
}

bool RegionObject::Ellipse(int x, int y, int width, int height)
{
    return Hold(CreateEllipticRgn(x, y, x + width, y + height));
}

bool RegionObject::Polygon(const POINT* points, int count)
{
    if (points == NULL || count < 1)
        return false;
    return Hold(CreatePolygonRgn(points, count, WINDING));
}

bool RegionObject::FromImage(const Image& image, COLORREF transparent)
{
    return Hold(RegionFromBitmap(image.bmp, transparent));
}

int RegionObject::LoadBytes(const BYTE* bytes, size_t count)
{
    return Hold(RegionFromData(bytes, count)) ? 1 : 0;
}

int RegionObject::LoadFile(const String& path)
{
    ByteBuffer bytes;
    if (!ReadWholeFile(path, bytes))
        return 0;
    return LoadBytes(bytes.Buffer.Read(), static_cast<size_t>(bytes.Length.Read()));
}

int RegionObject::LoadResource(int resourceId, const String& type)
{
    if (type.empty())
        return 0;
    HMODULE module = GetModuleHandleA(NULL);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resourceId), type.CStr());
    if (found == NULL)
        return 0;
    DWORD size = SizeofResource(module, found);
    HGLOBAL loaded = ::LoadResource(module, found);
    const BYTE* bytes = loaded != NULL ? static_cast<const BYTE*>(LockResource(loaded)) : NULL;
    if (bytes == NULL || size == 0)
        return 0;
    return LoadBytes(bytes, size);
}

int RegionObject::LoadBuffer(const ByteBuffer& buffer)
{
    int length = buffer.Length.Read();
    if (length <= 0)
        return 0;
    return LoadBytes(buffer.Buffer.Read(), static_cast<size_t>(length));
}

ByteBuffer RegionObject::Data() const
{
    if (region == NULL)
        return ByteBuffer();
    DWORD size = GetRegionData(region, 0, NULL);
    if (size == 0 || size > 0x7fffffff)
        return ByteBuffer();
    ByteBuffer data(static_cast<int>(size));
    BYTE* bytes = data.Buffer.Read();
    if (bytes == NULL || GetRegionData(region, size, reinterpret_cast<RGNDATA*>(bytes)) != size)
        return ByteBuffer();
    return data;
}

bool RegionObject::Save(const String& path) const
{
    ByteBuffer data = Data();
    int length = data.Length.Read();
    if (length <= 0 || path.empty())
        return false;
    // A failed save leaves the previous file as it was.
    ReplacingFile out(path);
    return out.Write(data.Buffer.Read(), static_cast<std::size_t>(length)) && out.Commit();
}

// The result is a new region: copies of this holder keep their shape.
bool RegionObject::Combine(const RegionObject& other, int mode)
{
    HRGN empty = NULL;
    HRGN mine = region;
    HRGN theirs = other.region;
    if (mine == NULL || theirs == NULL) {
        empty = CreateRectRgn(0, 0, 0, 0);
        if (empty == NULL)
            return false;
        if (mine == NULL)
            mine = empty;
        if (theirs == NULL)
            theirs = empty;
    }
    HRGN result = CreateRectRgn(0, 0, 0, 0);
    bool ok = result != NULL && CombineRgn(result, mine, theirs, mode) != ERROR;
    if (empty != NULL)
        DeleteObject(empty);
    if (!ok) {
        if (result != NULL)
            DeleteObject(result);
        return false;
    }
    return Hold(result);
}

bool RegionObject::Unite(const RegionObject& other)
{
    return Combine(other, RGN_OR);
}

bool RegionObject::Intersect(const RegionObject& other)
{
    return Combine(other, RGN_AND);
}

bool RegionObject::Subtract(const RegionObject& other)
{
    return Combine(other, RGN_DIFF);
}

bool RegionObject::ExclusiveOr(const RegionObject& other)
{
    return Combine(other, RGN_XOR);
}

bool RegionObject::Contains(int x, int y) const
{
    return region != NULL && PtInRegion(region, x, y) != FALSE;
}

bool RegionObject::Intersects(int left, int top, int right, int bottom) const
{
    RECT area = {left, top, right, bottom};
    return region != NULL && RectInRegion(region, &area) != FALSE;
}

bool RegionObject::IsEmpty() const
{
    RECT box;
    return region == NULL || GetRgnBox(region, &box) == NULLREGION;
}

bool RegionObject::Equals(const RegionObject& other) const
{
    if (region == NULL || other.region == NULL)
        return IsEmpty() && other.IsEmpty();
    if (EqualRgn(region, other.region) == TRUE)
        return true;
    // EqualRgn compares the rectangle lists, and a system may hold one shape
    // in more than one list (Wine leaves the bands of an elliptic region
    // unmerged): two shapes are the same when nothing lies in just one.
    HRGN difference = CreateRectRgn(0, 0, 0, 0);
    if (difference == NULL)
        return false;
    bool same = CombineRgn(difference, region, other.region, RGN_XOR) == NULLREGION;
    DeleteObject(difference);
    return same;
}

bool RegionObject::FromWindow(HWND window)
{
    if (window == NULL)
        return false;
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    if (copy == NULL)
        return false;
    if (GetWindowRgn(window, copy) == ERROR) {
        DeleteObject(copy);
        return false;
    }
    return Hold(copy);
}

bool RegionObject::ApplyTo(HWND window) const
{
    if (window == NULL)
        return false;
    HRGN handed = Duplicate(region);
    if (region != NULL && handed == NULL)
        return false;
    if (SetWindowRgn(window, handed, TRUE) == 0) {
        if (handed != NULL)
            DeleteObject(handed);
        return false;
    }
    return true;
}
