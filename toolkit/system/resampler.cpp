#include "resampler.h"

#include <algorithm>
#include <memory>
#include <new>

namespace {

// Source rows read per GetDIBits call: about a megabyte at a time keeps the
// working memory small and warm however large the picture is.
const size_t kChunkBytes = 1 << 20;

// Memory that may be refused: new (std::nothrow), zero-filled, released with
// its holder; `data` is null when there was not enough.
template <typename T>
struct Scratch {
    std::unique_ptr<T[]> data;
    bool Allocate(size_t count)
    {
        data.reset(new (std::nothrow) T[count == 0 ? 1 : count]());
        return data != nullptr;
    }
    T* get() const { return data.get(); }
    T& operator[](size_t i) const { return data[i]; }
};

// Where each source pixel (or row) goes along one axis: `count` destination
// pixels from `target[first]`, with their weights (the share of the source
// pixel that falls inside each). A reduction also keeps, per source pixel,
// its one column, its weight there and its weight in the next column (0 when
// it does not straddle), for a branch-free inner loop.
struct AxisShare {
    Scratch<int> first;
    Scratch<int> count;
    Scratch<int> target;
    Scratch<float> weight;
    Scratch<float> next;
    // True when no source pixel covers more than two destination pixels.
    bool atMostTwo = false;
};

// Each source pixel is `to` units wide and each destination pixel `from`
// units, so both rows are from x to units long. A reduction walks the source
// keeping its position inside the current destination pixel: a pixel that
// passes the end is split, the part beyond going to the next one. An
// enlargement spreads each source pixel over every destination pixel it
// overlaps, by the length of the overlap.
bool ShareAxis(int from, int to, AxisShare& share)
{
    // A reduction gives at most two shares per source pixel, an enlargement
    // at most one per destination pixel plus one per source pixel.
    size_t capacity = static_cast<size_t>(from) * 2 + static_cast<size_t>(to);
    if (!share.first.Allocate(from) || !share.count.Allocate(from) ||
        !share.target.Allocate(capacity) || !share.weight.Allocate(capacity) ||
        !share.next.Allocate(from))
        return false;
    size_t used = 0;
    share.atMostTwo = to <= from;
    if (to <= from) {
        long long position = 0;
        int current = 0;
        for (int i = 0; i < from; ++i) {
            share.first[i] = static_cast<int>(used);
            position += to;
            if (position > from && current + 1 < to) {
                float next = static_cast<float>(position - from) / static_cast<float>(to);
                share.target[used] = current;
                share.weight[used++] = 1.0f - next;
                share.target[used] = current + 1;
                share.weight[used++] = next;
                share.count[i] = 2;
                share.next[i] = next;
                position -= from;
                ++current;
            } else {
                share.target[used] = std::min(current, to - 1);
                share.weight[used++] = 1.0f;
                share.count[i] = 1;
                share.next[i] = 0.0f;
                if (position >= from) {
                    position -= from;
                    if (position == 0)
                        ++current;
                }
            }
        }
        return true;
    }
    for (int i = 0; i < from; ++i) {
        share.first[i] = static_cast<int>(used);
        long long start = static_cast<long long>(i) * to;
        long long end = start + to;
        int count = 0;
        for (int column = static_cast<int>(start / from);
             column < to && static_cast<long long>(column) * from < end; ++column) {
            long long left = std::max(start, static_cast<long long>(column) * from);
            long long right = std::min(end, static_cast<long long>(column + 1) * from);
            if (right <= left || used >= capacity)
                continue;
            share.target[used] = column;
            share.weight[used++] = static_cast<float>(right - left) / static_cast<float>(to);
            ++count;
        }
        share.count[i] = count;
    }
    return true;
}

// Adds one source row, spread over the destination columns, into `row`
// (3 floats per destination pixel, plus 3 spare ones for the fast path).
void SpreadRow(const BYTE* pixels, int width, const AxisShare& columns, float* row)
{
    if (columns.atMostTwo) {
        // Every pixel goes to its column and, with weight 0 when it does
        // not straddle, to the next.
        const int* first = columns.first.get();
        const int* target = columns.target.get();
        const float* weight = columns.weight.get();
        const float* nextWeight = columns.next.get();
        for (int x = 0; x < width; ++x, pixels += 3) {
            int at = first[x];
            float* cell = row + target[at] * 3;
            float stay = weight[at];
            float next = nextWeight[x];
            float blue = pixels[0], green = pixels[1], red = pixels[2];
            cell[0] += blue * stay;
            cell[1] += green * stay;
            cell[2] += red * stay;
            cell[3] += blue * next;
            cell[4] += green * next;
            cell[5] += red * next;
        }
        return;
    }
    for (int x = 0; x < width; ++x, pixels += 3) {
        int at = columns.first[x];
        for (int k = 0; k < columns.count[x]; ++k) {
            float* cell = row + columns.target[at + k] * 3;
            float weight = columns.weight[at + k];
            cell[0] += pixels[0] * weight;
            cell[1] += pixels[1] * weight;
            cell[2] += pixels[2] * weight;
        }
    }
}

// Feeds source rows top to bottom into the sums of the destination pixels.
class Accumulator {
public:
    bool Start(int sourceWidth, int sourceHeight, int width, int height)
    {
        sourceWidth_ = sourceWidth;
        width_ = width;
        cells_ = static_cast<size_t>(width) * 3;
        return ShareAxis(sourceWidth, width, columns) && ShareAxis(sourceHeight, height, rows) &&
               sums.Allocate(cells_ * static_cast<size_t>(height)) && row.Allocate(cells_ + 3);
    }

    void AddRow(int y, const BYTE* pixels)
    {
        float* spread = row.get();
        std::fill(spread, spread + cells_ + 3, 0.0f);
        SpreadRow(pixels, sourceWidth_, columns, spread);
        int at = rows.first[y];
        for (int k = 0; k < rows.count[y]; ++k) {
            float weight = rows.weight[at + k];
            if (weight == 0.0f)
                continue;
            float* target = sums.get() + static_cast<size_t>(rows.target[at + k]) * cells_;
            for (size_t i = 0; i < cells_; ++i)
                target[i] += spread[i] * weight;
        }
    }

    // Scales every sum by the ratio of the pixel areas and rounds.
    void Finish(float scale, BYTE* target, int height, size_t stride) const
    {
        for (int y = 0; y < height; ++y) {
            const float* sum = sums.get() + static_cast<size_t>(y) * cells_;
            BYTE* out = target + static_cast<size_t>(y) * stride;
            for (size_t i = 0; i < cells_; ++i) {
                int value = static_cast<int>(sum[i] * scale + 0.5f);
                out[i] = static_cast<BYTE>(value > 255 ? 255 : (value < 0 ? 0 : value));
            }
        }
    }

private:
    int sourceWidth_ = 0;
    int width_ = 0;
    size_t cells_ = 0;
    AxisShare columns;
    AxisShare rows;
    Scratch<float> sums;
    Scratch<float> row;
};

float AreaScale(int sourceWidth, int sourceHeight, int width, int height)
{
    return static_cast<float>(static_cast<double>(width) * height /
                              (static_cast<double>(sourceWidth) * sourceHeight));
}

}  // namespace

bool IsPictureSize(long width, long height)
{
    return width >= 1 && height >= 1 && width <= kLargestPictureSide && height <= kLargestPictureSide;
}

bool FittedSize(int width, int height, int size, int& fittedWidth, int& fittedHeight)
{
    if (width <= 0 || height <= 0)
        return false;
    float factor = height < width ? static_cast<float>(size) / static_cast<float>(width)
                                  : static_cast<float>(size) / static_cast<float>(height);
    float newWidth = static_cast<float>(width) * factor;
    float newHeight = static_cast<float>(height) * factor;
    // Compared before the conversion, which is undefined for a value too
    // large for an int.
    if (!(newWidth >= 1.0f && newHeight >= 1.0f && newWidth < 65536.0f && newHeight < 65536.0f))
        return false;
    fittedWidth = static_cast<int>(newWidth);
    fittedHeight = static_cast<int>(newHeight);
    return true;
}

BITMAPINFOHEADER Rgb24Header(int width, int height)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biXPelsPerMeter = 1;
    header.biYPelsPerMeter = 1;
    return header;
}

bool AreaAverage(const BYTE* source, int sourceWidth, int sourceHeight, int sourceStride,
                 BYTE* target, int targetWidth, int targetHeight, int targetStride)
{
    if (!IsPictureSize(sourceWidth, sourceHeight) || !IsPictureSize(targetWidth, targetHeight))
        return false;
    Accumulator accumulator;
    if (!accumulator.Start(sourceWidth, sourceHeight, targetWidth, targetHeight))
        return false;
    for (int y = 0; y < sourceHeight; ++y)
        accumulator.AddRow(y, source + static_cast<size_t>(y) * sourceStride);
    accumulator.Finish(AreaScale(sourceWidth, sourceHeight, targetWidth, targetHeight), target,
                       targetHeight, static_cast<size_t>(targetStride));
    return true;
}

// The source is read a band of rows at a time through a bottom-up header
// (GetDIBits counts scan lines from the bottom), and the band's rows are fed
// to the accumulator top first.
HBITMAP ResampleBitmap(HBITMAP bitmap, int width, int height)
{
    BITMAP header;
    if (bitmap == NULL || !IsPictureSize(width, height) ||
        GetObjectA(bitmap, sizeof header, &header) == 0)
        return NULL;
    int sourceWidth = header.bmWidth;
    int sourceHeight = header.bmHeight < 0 ? -header.bmHeight : header.bmHeight;
    if (!IsPictureSize(sourceWidth, sourceHeight))
        return NULL;

    Accumulator accumulator;
    if (!accumulator.Start(sourceWidth, sourceHeight, width, height))
        return NULL;
    size_t stride = Rgb24Stride(sourceWidth);
    int bandRows = static_cast<int>(std::max<size_t>(1, kChunkBytes / stride));
    bandRows = std::min(bandRows, sourceHeight);
    BYTE* band = new (std::nothrow) BYTE[stride * bandRows];
    size_t targetStride = Rgb24Stride(width);
    BYTE* pixels = new (std::nothrow) BYTE[targetStride * height];
    HDC screen = GetDC(NULL);
    HBITMAP result = NULL;
    if (band != NULL && pixels != NULL && screen != NULL) {
        BITMAPINFOHEADER read = Rgb24Header(sourceWidth, sourceHeight);
        read.biHeight = sourceHeight;
        bool complete = true;
        for (int top = 0; top < sourceHeight && complete; top += bandRows) {
            int count = std::min(bandRows, sourceHeight - top);
            int fromBottom = sourceHeight - top - count;
            if (GetDIBits(screen, bitmap, static_cast<UINT>(fromBottom), static_cast<UINT>(count),
                          band, reinterpret_cast<BITMAPINFO*>(&read), DIB_RGB_COLORS) != count) {
                complete = false;
                break;
            }
            for (int k = 0; k < count; ++k)
                accumulator.AddRow(top + k, band + static_cast<size_t>(count - 1 - k) * stride);
        }
        if (complete) {
            accumulator.Finish(AreaScale(sourceWidth, sourceHeight, width, height), pixels, height,
                               targetStride);
            BITMAPINFOHEADER write = Rgb24Header(width, height);
            result = CreateCompatibleBitmap(screen, width, height);
            if (result != NULL &&
                SetDIBits(screen, result, 0, static_cast<UINT>(height), pixels,
                          reinterpret_cast<BITMAPINFO*>(&write), DIB_RGB_COLORS) != height) {
                DeleteObject(result);
                result = NULL;
            }
        }
    }
    if (screen != NULL)
        ReleaseDC(NULL, screen);
    delete[] band;
    delete[] pixels;
    return result;
}
