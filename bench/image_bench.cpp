// Speed of the image services, each against the plainest way of doing the
// same work in the same run: resampling 4000 x 3000 to 400 x 300 against one
// pass that reads the pixels (GetDIBits) and sums them; the region of the
// opaque pixels of a 1024 x 768 picture with about 50,000 runs against
// GetPixel per pixel and one CombineRgn per run; and saving a 4000 x 3000
// 24-bit picture (a device-dependent bitmap and a DIB section) against one
// fwrite of the same bytes. Also checks the
// resampler against a literal per-pixel rendering of the area-averaging walk.
// Prints figures and ratios; asserts nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "wicker.h"

namespace {

void Report(const char* what, double ms, const char* baseline, double baselineMs, const char* goal,
            const char* check)
{
    std::printf("%-34s %9.1f ms   %-30s %9.1f ms   ratio %6.2f  (goal %s)  %s\n", what, ms,
                baseline, baselineMs, baselineMs > 0 ? ms / baselineMs : 0.0, goal, check);
}

// A screen-compatible bitmap of the size holding the 24-bit top-down rows.
HBITMAP BitmapFromRows(int width, int height, const std::vector<BYTE>& rows, int bits)
{
    BITMAPINFOHEADER header = Rgb24Header(width, height);
    HDC screen = GetDC(NULL);
    HBITMAP bitmap = bits == 0 ? CreateCompatibleBitmap(screen, width, height)
                               : CreateBitmap(width, height, 1, bits, NULL);
    SetDIBits(screen, bitmap, 0, height, rows.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    ReleaseDC(NULL, screen);
    return bitmap;
}

std::vector<BYTE> NoiseRows(int width, int height, unsigned seed)
{
    std::vector<BYTE> rows(Rgb24Stride(width) * height);
    for (BYTE& byte : rows) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<BYTE>(seed >> 16);
    }
    return rows;
}

// The area-averaging walk exactly as described for reductions: one source
// pixel at a time, its bytes times the weight of each destination pixel it
// covers added into single-precision sums.
void ReferenceResample(const BYTE* source, int w1, int h1, BYTE* target, int w2, int h2)
{
    std::vector<float> sums(static_cast<size_t>(w2) * h2 * 3, 0.0f);
    size_t sourceStride = Rgb24Stride(w1), targetStride = Rgb24Stride(w2);
    int positionY = 0, row = 0;
    for (int y = 0; y < h1; ++y) {
        positionY += h2;
        float fy = positionY > h1 ? static_cast<float>(positionY - h1) / h2 : 0.0f;
        int positionX = 0, column = 0;
        for (int x = 0; x < w1; ++x) {
            positionX += w2;
            float fx = positionX > w1 ? static_cast<float>(positionX - w1) / w2 : 0.0f;
            const BYTE* pixel = source + y * sourceStride + x * 3;
            for (int c = 0; c < 3; ++c) {
                float value = pixel[c];
                sums[(static_cast<size_t>(row) * w2 + column) * 3 + c] += value * ((1 - fx) * (1 - fy));
                if (fx > 0)
                    sums[(static_cast<size_t>(row) * w2 + column + 1) * 3 + c] += value * (fx * (1 - fy));
                if (fy > 0)
                    sums[(static_cast<size_t>(row + 1) * w2 + column) * 3 + c] += value * ((1 - fx) * fy);
                if (fx > 0 && fy > 0)
                    sums[(static_cast<size_t>(row + 1) * w2 + column + 1) * 3 + c] += value * (fx * fy);
            }
            if (positionX >= w1) {
                positionX -= w1;
                if (positionX == 0 || fx > 0)
                    ++column;
            }
        }
        if (positionY >= h1) {
            positionY -= h1;
            if (positionY == 0 || fy > 0)
                ++row;
        }
    }
    float scale = static_cast<float>(static_cast<double>(w2) * h2 / (static_cast<double>(w1) * h1));
    for (int y = 0; y < h2; ++y)
        for (int i = 0; i < w2 * 3; ++i)
            target[y * targetStride + i] =
                static_cast<BYTE>(static_cast<int>(sums[(static_cast<size_t>(y) * w2) * 3 + i] * scale + 0.5f));
}

// Bytes that differ between the resampler and the reference walk.
long CompareWithReference(int w1, int h1, const std::vector<BYTE>& source, int w2, int h2)
{
    std::vector<BYTE> mine(Rgb24Stride(w2) * h2), reference(Rgb24Stride(w2) * h2);
    AreaAverage(source.data(), w1, h1, static_cast<int>(Rgb24Stride(w1)), mine.data(), w2, h2,
                static_cast<int>(Rgb24Stride(w2)));
    ReferenceResample(source.data(), w1, h1, reference.data(), w2, h2);
    long differ = 0;
    for (size_t i = 0; i < mine.size(); ++i)
        differ += mine[i] != reference[i];
    return differ;
}

std::vector<BYTE> GreyRows(int width, int height, std::vector<int> levels)
{
    std::vector<BYTE> rows(Rgb24Stride(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c)
                rows[y * Rgb24Stride(width) + x * 3 + c] =
                    static_cast<BYTE>(levels[(y * width + x) % levels.size()]);
    return rows;
}

void Resample()
{
    const int w1 = 4000, h1 = 3000, w2 = 400, h2 = 300;
    HBITMAP source = BitmapFromRows(w1, h1, NoiseRows(w1, h1, 7), 0);
    double best = 1e30, baseline = 1e30;
    unsigned long long sum = 0;
    for (int run = 0; run < 5; ++run) {
        double start = NowMs();
        HBITMAP small = ResampleBitmap(source, w2, h2);
        best = std::min(best, NowMs() - start);
        DeleteObject(small);

        start = NowMs();
        BITMAPINFOHEADER header = Rgb24Header(w1, h1);
        std::vector<BYTE> pixels(Rgb24Stride(w1) * h1);
        HDC screen = GetDC(NULL);
        GetDIBits(screen, source, 0, h1, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
                  DIB_RGB_COLORS);
        ReleaseDC(NULL, screen);
        sum = 0;
        for (BYTE byte : pixels)
            sum += byte;
        baseline = std::min(baseline, NowMs() - start);
    }
    DeleteObject(source);

    bool examples = CompareWithReference(4, 4, GreyRows(4, 4, {77}), 2, 2) == 0 &&
                    CompareWithReference(3, 1, GreyRows(3, 1, {0, 90, 180}), 2, 1) == 0;
    long noise = CompareWithReference(97, 61, NoiseRows(97, 61, 3), 40, 25);
    char check[160];
    std::snprintf(check, sizeof check, "examples %s; noise 97x61->40x25: %ld of %d bytes differ",
                  examples ? "bit for bit" : "DIFFER", noise, 40 * 25 * 3);
    Report("resample 4000x3000 -> 400x300", best, "GetDIBits + sum", baseline, "<= 3", check);
    if (sum == 1)
        std::printf("(sum %llu)\n", sum);
}

// Rows of opaque runs on white: 65 runs a row, of random lengths and gaps.
HBITMAP RunsPicture(int width, int height)
{
    std::vector<BYTE> rows(Rgb24Stride(width) * height, 255);
    unsigned seed = 11;
    for (int y = 0; y < height; ++y) {
        int x = 1;
        for (int run = 0; run < 65 && x < width; ++run) {
            seed = seed * 1103515245u + 12345u;
            int length = 1 + static_cast<int>((seed >> 16) % 12);
            for (int i = x; i < x + length && i < width; ++i) {
                BYTE* pixel = &rows[y * Rgb24Stride(width) + i * 3];
                pixel[0] = static_cast<BYTE>(run * 3);
                pixel[1] = 40;
                pixel[2] = static_cast<BYTE>(y);
            }
            x += length + 1 + static_cast<int>((seed >> 8) % 3);
        }
    }
    return BitmapFromRows(width, height, rows, 0);
}

HRGN GetPixelRegion(HBITMAP bitmap, int width, int height, long& runs)
{
    HDC memory = CreateCompatibleDC(NULL);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    COLORREF transparent = GetPixel(memory, 0, 0);
    runs = 0;
    for (int y = 0; y < height; ++y) {
        int x = 0;
        while (x < width) {
            while (x < width && GetPixel(memory, x, y) == transparent)
                ++x;
            if (x >= width)
                break;
            int start = x;
            while (x < width && GetPixel(memory, x, y) != transparent)
                ++x;
            HRGN run = CreateRectRgn(start, y, x, y + 1);
            CombineRgn(region, region, run, RGN_OR);
            DeleteObject(run);
            ++runs;
        }
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    return region;
}

void RegionFromPicture()
{
    const int width = 1024, height = 768;
    HBITMAP picture = RunsPicture(width, height);
    double best = 1e30;
    HRGN fast = NULL;
    for (int run = 0; run < 3; ++run) {
        if (fast != NULL)
            DeleteObject(fast);
        double start = NowMs();
        fast = RegionFromBitmap(picture, CLR_INVALID);
        best = std::min(best, NowMs() - start);
    }
    long runs = 0;
    double start = NowMs();
    HRGN slow = GetPixelRegion(picture, width, height, runs);
    double baseline = NowMs() - start;
    char check[160];
    std::snprintf(check, sizeof check, "%ld runs; EqualRgn %s", runs,
                  EqualRgn(fast, slow) == TRUE ? "equal" : "NOT EQUAL");
    Report("FromImage 1024x768", best, "GetPixel + CombineRgn per run", baseline, ">= 20x faster, <= 0.05",
           check);
    DeleteObject(fast);
    DeleteObject(slow);
    DeleteObject(picture);
}

// A 24-bit DIB section holding the bottom-up rows.
HBITMAP SectionFromRows(int width, int height, const std::vector<BYTE>& rows)
{
    BITMAPINFOHEADER header = Rgb24Header(width, height);
    header.biHeight = height;
    void* bits = NULL;
    HBITMAP bitmap =
        CreateDIBSection(NULL, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, NULL, 0);
    if (bitmap != NULL)
        std::memcpy(bits, rows.data(), rows.size());
    return bitmap;
}

DWORD FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.nFileSizeLow;
}

// Saving a 24-bit picture, once as a device-dependent bitmap (read through
// GetDIBits) and once as a DIB section (written from its own memory), against
// fwrite of the same bytes; the three take turns, best of nine each.
//
// Each side writes a file of its own, twice a turn: first as a new file (its
// previous file deleted, untimed, just before), then over the file it has just
// written. Truncating a file whose last write the system is still putting on
// disk waits for that disk write (on Linux, closing a file that was truncated
// and written again starts writing it out at once), so the second figure
// holds a wait for the disk whose length depends on the disk's load rather
// than on the saving. The goal is judged on new files, where both sides do
// exactly the same work apart from the saving itself; the overwrite figures
// are printed beside them.
struct SaveTimes {
    double device = 1e30, section = 1e30, plain = 1e30;
};

double TimeSave(const Image& image, const std::string& path)
{
    double start = NowMs();
    if (!image.Save(String(path.c_str())))
        std::printf("Save failed\n");
    return NowMs() - start;
}

double TimeFwrite(const std::vector<BYTE>& bytes, const std::string& path)
{
    double start = NowMs();
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return NowMs() - start;
}

void SaveBmp()
{
    const int width = 4000, height = 3000;
    std::vector<BYTE> rows = NoiseRows(width, height, 5);
    Image device(BitmapFromRows(width, height, rows, 24), kOwnHandle);
    Image section(SectionFromRows(width, height, rows), kOwnHandle);
    char folder[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, folder);
    std::string savedDevice = std::string(folder) + "wicker_bench_device.bmp";
    std::string savedSection = std::string(folder) + "wicker_bench_section.bmp";
    std::string plain = std::string(folder) + "wicker_bench_plain.bin";
    // The bytes fwrite writes: the picture's file, read back from a first
    // save, so that both sides write the same bytes from memory written
    // beforehand.
    std::vector<BYTE> bytes(54 + Rgb24Stride(width) * height);
    device.Save(String(savedDevice.c_str()));
    if (FILE* file = std::fopen(savedDevice.c_str(), "rb")) {
        if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size())
            std::printf("reading the saved file back failed\n");
        std::fclose(file);
    }
    auto keep = [](double& best, double ms) { best = std::min(best, ms); };
    SaveTimes fresh, over;
    for (int run = 0; run < 9; ++run) {
        DeleteFileA(savedDevice.c_str());
        keep(fresh.device, TimeSave(device, savedDevice));
        keep(over.device, TimeSave(device, savedDevice));

        DeleteFileA(plain.c_str());
        keep(fresh.plain, TimeFwrite(bytes, plain));
        keep(over.plain, TimeFwrite(bytes, plain));

        DeleteFileA(savedSection.c_str());
        keep(fresh.section, TimeSave(section, savedSection));
        keep(over.section, TimeSave(section, savedSection));
    }
    char check[160];
    std::snprintf(check, sizeof check, "%lu bytes, %s", FileSize(savedDevice),
                  FileSize(savedDevice) == bytes.size() ? "same size" : "SIZE DIFFERS");
    Report("Save 4000x3000 24-bit bitmap", fresh.device, "fwrite of the same bytes", fresh.plain, "<= 1.5",
           check);
    std::snprintf(check, sizeof check, "%lu bytes, %s", FileSize(savedSection),
                  FileSize(savedSection) == bytes.size() ? "same size" : "SIZE DIFFERS");
    Report("Save 4000x3000 24-bit DIB section", fresh.section, "fwrite of the same bytes", fresh.plain,
           "<= 1.5", check);
    Report("  the same over its own last file", over.device, "fwrite over its last file", over.plain,
           "none", "bitmap; waits for the disk");
    Report("  the same over its own last file", over.section, "fwrite over its last file", over.plain,
           "none", "DIB section; waits for the disk");
    DeleteFileA(savedDevice.c_str());
    DeleteFileA(savedSection.c_str());
    DeleteFileA(plain.c_str());
}

}  // namespace

// With an argument ("resample", "region" or "save") only that one is timed.
int main(int argc, char** argv)
{
    const char* only = argc > 1 ? argv[1] : "";
    if (!*only || !std::strcmp(only, "resample"))
        Resample();
    if (!*only || !std::strcmp(only, "region"))
        RegionFromPicture();
    if (!*only || !std::strcmp(only, "save"))
        SaveBmp();
    return 0;
}
