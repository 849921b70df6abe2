// Writes the gallery's sample clip to the path given:
// `make_sample_clip gallery/sample.avi`. Built natively by `make gallery-clip`
// (and by CMake beside the gallery); the file it writes is kept in the tree.
#include <cstdio>
#include <string>

#include "avi_clip.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <AVI file to write>\n", argv[0]);
        return 2;
    }
    std::string bytes = AviFileBytes(SampleClip());
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fclose(file) == 0 && written;
    if (!written) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("wrote %s (%zu bytes)\n", argv[1], bytes.size());
    return 0;
}
