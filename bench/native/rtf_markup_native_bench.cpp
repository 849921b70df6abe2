// The markup conversion's core on Linux, without Wine: 1 MB against 10 MB of
// markup, each converted again and again into a string kept from its last
// run (the literal ratio), and 10 MB into new memory against ten 1 MB
// conversions whose results are all kept, so that both sides write their
// results into the same amount of memory the process has not used before.
// Runs alternate and the best of each is kept. Prints figures; asserts
// nothing.
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
    double smallMs = 1e30, largeMs = 1e30, largeFreshMs = 1e30, tenKeptMs = 1e30;
    std::size_t sink = 0;
    std::string smallBody, largeBody;
    auto time = [](double& best, auto work) {
        double start = NowMs();
        work();
        double ms = NowMs() - start;
        best = ms < best ? ms : best;
    };
    for (int run = 0; run < 8; ++run) {
        for (int again = 0; again < 2; ++again) {
            time(smallMs, [&] { smallBody = rtfcore::FromMarkup(small); });
            time(largeMs, [&] { largeBody = rtfcore::FromMarkup(large); });
        }
        largeBody = std::string();
        time(largeFreshMs, [&] { sink += rtfcore::FromMarkup(large).size(); });

        std::string kept[10];
        time(tenKeptMs, [&] {
            for (std::string& result : kept)
                result = rtfcore::FromMarkup(small);
        });
        sink += kept[9].size();
    }
    std::printf("rtf markup core (native)  1 MB %7.2f ms   10 MB %7.2f ms   each into the string of its last run: "
                "ratio %5.2f (goal <= 11)\n",
                smallMs, largeMs, largeMs / smallMs);
    std::printf("rtf markup core (native) 10 MB into new memory %7.2f ms   ten 1 MB kept %7.2f ms   ratio %5.2f "
                "(goal <= 11)  (%zu)\n",
                largeFreshMs, tenKeptMs, largeFreshMs / (tenKeptMs / 10), (sink + smallBody.size()) % 10);
    return 0;
}
