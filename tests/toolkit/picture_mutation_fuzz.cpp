// Seeded mutation fuzzing of the two decoders of untrusted bytes under Wine:
// region data (RegionObject::LoadBuffer) and pictures (Image::LoadBuffer).
// Valid seeds (region data of several shapes; BMP files of 1, 8 and 24 bits,
// a JPEG, a GIF and an icon) are mutated by a fixed-seed generator, so a
// failing input number reproduces. Each input must leave a loaded object as
// it was when it is refused, must not take long, and the whole run must not
// leave GDI objects behind.
//
//   picture_mutation_fuzz [inputs [seed [seconds]]]
//
// Exits 1 on a failure, after saving the input as fuzz_failure_<n>.bin in the
// working folder; a crash or hang is caught by the test's timeout.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "gdi_objects.h"
#include "picture_files.h"
#include "picture_test_resources.h"
#include "wicker.h"

namespace {

const DWORD kSlowInputMs = 3000;

class Random {
public:
    explicit Random(unsigned seed) : state(seed * 2654435761u + 1) {}
    unsigned Next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    unsigned Below(unsigned limit) { return limit == 0 ? 0 : Next() % limit; }

private:
    unsigned state;
};

std::string BufferBytes(const ByteBuffer& buffer)
{
    const BYTE* bytes = buffer.Buffer.Read();
    return bytes == NULL ? std::string()
                         : std::string(reinterpret_cast<const char*>(bytes), buffer.Length.Read());
}

std::string FileBytes(const std::string& path)
{
    ByteBuffer buffer;
    buffer.LoadFile(String(path.c_str()));
    return BufferBytes(buffer);
}

std::vector<std::string> RegionSeeds()
{
    std::vector<std::string> seeds;
    RegionObject region;
    region.Ellipse(3, 4, 60, 40);
    seeds.push_back(BufferBytes(region.Data()));
    region.RoundRect(80, 50, 12);
    seeds.push_back(BufferBytes(region.Data()));
    std::vector<COLORREF> pixels;
    for (int i = 0; i < 24 * 12; ++i)
        pixels.push_back((i * 7) % 5 == 0 ? RGB(255, 255, 255) : RGB(0, 0, 0));
    Image picture(BitmapFromPixels(24, 12, pixels), kOwnHandle);
    region.FromImage(picture, RGB(255, 255, 255));
    seeds.push_back(BufferBytes(region.Data()));
    return seeds;
}

std::vector<std::string> PictureSeeds(const std::string& folder)
{
    std::vector<std::string> seeds;
    for (int id : {PICTURE_RED_BMP, PICTURE_GREEN_JPG, PICTURE_BLUE_GIF, PICTURE_SUN_ICO})
        seeds.push_back(ResourceBytes(id));
    const int depths[] = {1, 8, 24};
    for (int bits : depths) {
        Image image(CreateBitmap(9, 5, 1, bits, NULL), kOwnHandle);
        std::string path = folder + "fuzz_seed.bmp";
        if (image.Save(String(path.c_str())))
            seeds.push_back(FileBytes(path));
        DeleteFileA(path.c_str());
    }
    return seeds;
}

// One to four mutations: bit flips, interesting bytes and 32-bit values
// (sizes, counts, offsets), cuts, duplicated or removed stretches.
std::string Mutate(const std::string& seed, Random& random)
{
    static const DWORD interesting[] = {0, 1, 2, 0x7F, 0x80, 0xFF, 0x100, 0xFFFF, 0x10000,
                                        0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 65535, 65536, 40, 32};
    std::string bytes = seed;
    int mutations = 1 + static_cast<int>(random.Below(4));
    for (int m = 0; m < mutations; ++m) {
        size_t size = bytes.size();
        if (size == 0) {
            bytes.push_back(static_cast<char>(random.Next()));
            continue;
        }
        size_t at = random.Below(static_cast<unsigned>(size));
        switch (random.Below(7)) {
        case 0:
            bytes[at] = static_cast<char>(bytes[at] ^ (1 << random.Below(8)));
            break;
        case 1:
            bytes[at] = static_cast<char>(interesting[random.Below(sizeof interesting / sizeof *interesting)]);
            break;
        case 2: {
            // Header fields sit in the first 64 bytes: aim there most often.
            size_t field = random.Below(2) ? (random.Below(16) * 4) % size : at;
            DWORD value = interesting[random.Below(sizeof interesting / sizeof *interesting)];
            for (int i = 0; i < 4 && field + i < size; ++i)
                bytes[field + i] = static_cast<char>(value >> (8 * i));
            break;
        }
        case 3:
            bytes.resize(at);
            break;
        case 4: {
            size_t length = random.Below(static_cast<unsigned>(size - at)) + 1;
            bytes.insert(at, bytes.substr(at, length));
            break;
        }
        case 5:
            bytes.erase(at, random.Below(static_cast<unsigned>(size - at)) + 1);
            break;
        default:
            bytes[at] = static_cast<char>(random.Next());
            break;
        }
    }
    return bytes;
}

bool Fail(long input, const std::string& bytes, const char* what)
{
    std::printf("input %ld: %s\n", input, what);
    std::string name = "fuzz_failure_" + std::to_string(input) + ".bin";
    FILE* file = std::fopen(name.c_str(), "wb");
    if (file != NULL) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        std::printf("saved as %s\n", name.c_str());
    }
    return false;
}

// Decodes one input with both loaders into objects that hold something.
bool TryInput(long input, const std::string& bytes, bool region, RegionObject& heldRegion,
              Image& heldImage)
{
    ByteBuffer buffer(bytes.data(), static_cast<int>(bytes.size()));
    DWORD start = GetTickCount();
    if (region) {
        HRGN before = heldRegion.region;
        int loaded = heldRegion.LoadBuffer(buffer);
        if (loaded == 0 && heldRegion.region != before)
            return Fail(input, bytes, "a refused region changed the object");
        if (loaded == 1 && heldRegion.region == NULL)
            return Fail(input, bytes, "a region reported as loaded is null");
    } else {
        HBITMAP before = heldImage.bmp;
        bool loaded = heldImage.LoadBuffer(buffer);
        if (!loaded && heldImage.bmp != before)
            return Fail(input, bytes, "a refused picture changed the image");
        if (loaded && (heldImage.bmp == NULL || static_cast<int>(heldImage.Width) == 0))
            return Fail(input, bytes, "a picture reported as loaded is empty");
    }
    if (BufferBytes(buffer) != bytes)
        return Fail(input, bytes, "the caller's buffer changed");
    if (GetTickCount() - start > kSlowInputMs)
        return Fail(input, bytes, "took longer than 3 s");
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    long inputs = argc > 1 ? std::atol(argv[1]) : 4000;
    unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 1;
    long seconds = argc > 3 ? std::atol(argv[3]) : 0;
    char folder[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, folder);

    std::vector<std::string> regions = RegionSeeds();
    std::vector<std::string> pictures = PictureSeeds(folder);
    long objectsBefore = GdiObjectCount();
    Random random(seed);
    long loadedRegions = 0, loadedPictures = 0;
    DWORD start = GetTickCount();
    long input = 0;
    {
        RegionObject heldRegion;
        heldRegion.Ellipse(0, 0, 10, 10);
        Image heldImage(CreateBitmap(4, 4, 1, 24, NULL), kOwnHandle);
        for (; input < inputs; ++input) {
            if (seconds > 0 && GetTickCount() - start > static_cast<DWORD>(seconds) * 1000)
                break;
            bool region = input % 2 == 0;
            const std::vector<std::string>& seeds = region ? regions : pictures;
            std::string bytes = Mutate(seeds[random.Below(static_cast<unsigned>(seeds.size()))], random);
            HRGN regionBefore = heldRegion.region;
            HBITMAP imageBefore = heldImage.bmp;
            if (!TryInput(input, bytes, region, heldRegion, heldImage))
                return 1;
            loadedRegions += heldRegion.region != regionBefore;
            loadedPictures += heldImage.bmp != imageBefore;
        }
    }
    long objectsAfter = GdiObjectCount();
    std::printf("%ld inputs (seed %u) in %lu ms: %ld regions and %ld pictures loaded; "
                "GDI objects %ld before, %ld after\n",
                input, seed, GetTickCount() - start, loadedRegions, loadedPictures, objectsBefore,
                objectsAfter);
    if (objectsAfter != objectsBefore) {
        std::printf("GDI objects leaked: %ld\n", objectsAfter - objectsBefore);
        return 1;
    }
    return 0;
}
