// Times RtfFromMarkup on 1 MB and 10 MB of markup (the ratio shows whether
// the conversion stays linear) and compares 1 MB against one String::Replace
// pass over the same text, the cost of a single one of the conversion's 28
// replacement passes. Under Wine every large block comes from fresh pages,
// whose first touch can cost more than the conversion itself and varies with
// the machine's load; ten 1 MB runs whose results are all kept write as much
// new memory as one 10 MB run and are printed beside it. Also times a rich
// RichTextBox taking the converted megabyte. Prints figures and ratios;
// asserts nothing.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench_clock.h"
#include "wicker.h"

namespace {

// Best time of `runs` runs of work, in milliseconds; prepare runs untimed before each.
template <typename Prepare, typename Work>
double BestMs(int runs, Prepare prepare, Work work)
{
    double best = 1e30;
    for (int run = 0; run < runs; ++run) {
        prepare();
        double start = Now();
        work();
        double ms = (Now() - start) * 1000.0;
        if (ms < best)
            best = ms;
    }
    return best;
}

// Markup of the given size as a caller writes it: words, line breaks, style
// and alignment tags, now and then a brace, a backslash or a CR LF.
String Markup(std::size_t size)
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
    return String(text);
}

// Plain text of the given size in lines of words.
String PlainLines(std::size_t size)
{
    std::string text;
    text.reserve(size + 64);
    while (text.size() < size)
        text += "plain words in a line of text without any tags\r\n";
    text.resize(size);
    return String(text);
}

// Milliseconds a visible RichTextBox takes to take the document through its
// RichText property and paint it: the time its window cannot answer.
double ControlLoadMs(const String& document)
{
    HWND frame = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 600, 400, NULL, NULL,
                                 GetModuleHandleA(NULL), NULL);
    Control frameControl(frame);
    RichTextBox box("", 1, 0, 0, 600, 400, frameControl, true, true, false, ES_MULTILINE | WS_VSCROLL, 0);
    UpdateWindow(box.hwnd);
    double start = Now();
    box.RichText = document;
    UpdateWindow(box.hwnd);
    double ms = (Now() - start) * 1000.0;
    DestroyWindow(frame);
    return ms;
}

}  // namespace

int main()
{
    const std::size_t megabyte = 1000000;
    String small = Markup(megabyte), large = Markup(10 * megabyte);

    String body;
    // The 1 MB and 10 MB runs alternate, so that a busy machine slows both alike.
    double smallMs = 1e30, largeMs = 1e30, tenSmallMs = 1e30;
    std::size_t sink = 0;
    for (int run = 0; run < 8; ++run) {
        auto keepMin = [](double& best, double ms) { best = ms < best ? ms : best; };
        keepMin(smallMs, BestMs(2, [] {}, [&] { body = RtfFromMarkup(small); }));
        keepMin(largeMs, BestMs(1, [] {}, [&] { sink += RtfFromMarkup(large).size(); }));
        // Ten megabytes converted one at a time, all results kept: the same
        // amount of new memory as the 10 MB run writes.
        String kept[10];
        keepMin(tenSmallMs, BestMs(1, [] {}, [&] {
                    for (String& result : kept)
                        result = RtfFromMarkup(small);
                }));
    }
    String replaced;
    double replaceMs = BestMs(15, [&] { replaced = small; }, [&] { replaced.Replace("\n", "\\par"); });

    std::printf("RtfFromMarkup  1 MB %8.2f ms   10 MB %8.2f ms   ratio %.2f (goal <= 11)\n", smallMs, largeMs,
                largeMs / smallMs);
    std::printf("RtfFromMarkup 10 MB %8.2f ms   ten 1 MB runs, results kept %8.2f ms   ratio %.2f\n", largeMs,
                tenSmallMs, largeMs / tenSmallMs);
    std::printf("RtfFromMarkup  1 MB %8.2f ms   one String::Replace pass %8.2f ms   ratio %.2f (goal <= 28)\n",
                smallMs, replaceMs, smallMs / replaceMs);
    std::printf("RTF body of 1 MB of markup: %u bytes (%u)\n", static_cast<unsigned>(body.size()),
                static_cast<unsigned>(sink % 10));
    std::printf("RichTextBox taking and painting it: %.0f ms (goal <= 1000)\n",
                ControlLoadMs(RtfHeader() + body + RtfEnd()));
    // The same amount of plain text, which the control takes without its RTF
    // reader: the difference is the reader's share.
    std::printf("RichTextBox taking 1 MB of plain text: %.0f ms\n", ControlLoadMs(PlainLines(megabyte)));
    return 0;
}
