// The markup conversion's core on Linux, without Wine: 1 MB against 10 MB of
// markup (the literal ratio), and 10 MB against ten 1 MB conversions whose
// results are all kept, so that both sides write their results into the same
// amount of memory the process has not used before (the fair ratio). Runs
// alternate and the best of each is kept. Prints figures; asserts nothing.
#include <chrono>
#include <cstdio>
#include <string>

#include "richtext/rtf_markup_core.h"

namespace {

double NowMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The same mix of words, tags, line breaks, braces and backslashes as the
// Windows benchmark converts.
std::string Markup(std::size_t size)
{
    static const char* const pieces[] = {
        "The <b>quick</b> brown fox ", "jumps over the <i>lazy</i> dog.\n", "<CENTER>Title</CENTER><BR>",
        "C:\\games\\tuckle {saved} ",  "<u>under</u> and <U>over</U> ",    "plain words without any tags ",
        "line\r\n",                    "<RIGHT>signed</RIGHT><br>",         "a < b > c ",
    };
    std::string text;
    text.reserve(size + 64);
    for (unsigned i = 0; text.size() < size; ++i)
        text += pieces[(i * 7) % (sizeof pieces / sizeof pieces[0])];
    text.resize(size);
    return text;
}

}  // namespace

int main()
{
    const std::size_t megabyte = 1000000;
    const std::string small = Markup(megabyte), large = Markup(10 * megabyte);
    double smallMs = 1e30, largeMs = 1e30, tenKeptMs = 1e30;
    std::size_t sink = 0;
    for (int run = 0; run < 8; ++run) {
        double start = NowMs();
        sink += rtfcore::FromMarkup(small).size();
        double ms = NowMs() - start;
        smallMs = ms < smallMs ? ms : smallMs;

        start = NowMs();
        sink += rtfcore::FromMarkup(large).size();
        ms = NowMs() - start;
        largeMs = ms < largeMs ? ms : largeMs;

        std::string kept[10];
        start = NowMs();
        for (std::string& result : kept)
            result = rtfcore::FromMarkup(small);
        ms = NowMs() - start;
        tenKeptMs = ms < tenKeptMs ? ms : tenKeptMs;
        sink += kept[9].size();
    }
    std::printf("rtf markup core (native)  1 MB %7.2f ms   10 MB %7.2f ms   literal ratio %5.2f (goal <= 11)\n",
                smallMs, largeMs, largeMs / smallMs);
    std::printf("rtf markup core (native) 10 MB %7.2f ms   ten 1 MB kept %7.2f ms   fair ratio %5.2f (goal <= 11)"
                "  (%zu)\n",
                largeMs, tenKeptMs, largeMs / (tenKeptMs / 10), sink % 10);
    return 0;
}
