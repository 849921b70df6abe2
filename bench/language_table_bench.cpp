// Times LanguageTable::LoadBuffer on tables of about 350 KB and 890 KB (keys
// of a translated program, some given twice). Loading is meant to be linear:
// the time per megabyte should stay about the same at both sizes. Prints
// figures and their ratio; asserts nothing.
#include <cstdio>
#include <string>

#include "bench_clock.h"
#include "wicker.h"

namespace {

const int kRuns = 5;

ByteBuffer Table(std::size_t bytes)
{
    std::string text;
    for (int k = 0; text.size() < bytes; ++k) {
        text += "dialog.settings.caption" + std::to_string(k) + "=Einstellungen und Optionen\r\n";
        if (k % 10 == 9)
            text += "dialog.settings.caption" + std::to_string(k - 5) + "=Wieder\r\n";
    }
    return ByteBuffer(text.data(), static_cast<int>(text.size()));
}

// Best of kRuns loads, in milliseconds.
double BestLoadMs(const ByteBuffer& table)
{
    double best = 1e30;
    for (int run = 0; run < kRuns; ++run) {
        LanguageTable loaded;
        const double start = NowMs();
        loaded.LoadBuffer(table);
        const double took = NowMs() - start;
        if (took < best)
            best = took;
    }
    return best;
}

}  // namespace

int main()
{
    const std::size_t sizes[] = {349 * 1024, 889 * 1024};
    double perMegabyte[2] = {};
    for (int i = 0; i < 2; ++i) {
        const ByteBuffer table = Table(sizes[i]);
        const double ms = BestLoadMs(table);
        perMegabyte[i] = ms / (sizes[i] / 1048576.0);
        std::printf("language table of %zu KB: %.1f ms (%.1f ms per MB)\n", sizes[i] / 1024, ms,
                    perMegabyte[i]);
    }
    std::printf("time per MB, 889 KB against 349 KB: %.2f (1.0 is linear; 2.5 would be quadratic)\n",
                perMegabyte[1] / perMegabyte[0]);
    return 0;
}
