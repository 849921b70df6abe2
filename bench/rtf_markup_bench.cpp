// Times RtfFromMarkup on 1 MB and 10 MB of markup (the ratio shows whether
// the conversion stays linear) and compares 1 MB against one String::Replace
// pass over the same text, the cost of a single one of the conversion's 28
// replacement passes. The two sizes are timed alike: each converted again
// and again into a String kept from its last run, as a program converting a
// changed document again would. Memory the process has not used before costs
// more at its first touch than the conversion itself, and varies with the
// machine's load, so a 10 MB run whose result lands in new memory is also
// set against ten 1 MB runs whose results are all kept (as much new memory),
// and the time to write new memory of the 10 MB result's size once is
// printed. Also times a RichTextBox taking the converted megabyte, in pieces
// through RichText and in one piece, with the longest time the thread
// answered no message. Prints figures and ratios; asserts nothing.
#include <windows.h>

#include <algorithm>
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

// The longest time the thread went without handling a message: a probe
// window posts itself a message each time it handles one and keeps the
// longest gap between two of them.
struct GapProbe {
    static const UINT kTick = WM_APP + 11;
    static double last, longest;
    static bool running;
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message != kTick)
            return DefWindowProcA(window, message, wParam, lParam);
        double now = NowMs();
        longest = std::max(longest, now - last);
        last = now;
        if (running)
            PostMessageA(window, kTick, 0, 0);
        return 0;
    }
};
double GapProbe::last = 0, GapProbe::longest = 0;
bool GapProbe::running = false;

struct LoadFigures {
    double totalMs;
    double longestGapMs;
};

// A visible RichTextBox taking the document through its RichText property
// (or in one piece when `whole`) and painting it: the whole time, and the
// longest time in it that the thread answered no message.
LoadFigures ControlLoad(const String& document, bool whole)
{
    WNDCLASSA probeClass = {};
    probeClass.lpfnWndProc = GapProbe::Procedure;
    probeClass.hInstance = GetModuleHandleA(NULL);
    probeClass.lpszClassName = "WickerGapProbe";
    RegisterClassA(&probeClass);
    HWND probe = CreateWindowExA(0, "WickerGapProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL,
                                 GetModuleHandleA(NULL), NULL);
    HWND frame = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 600, 400, NULL, NULL,
                                 GetModuleHandleA(NULL), NULL);
    Control frameControl(frame);
    RichTextBox box("", 1, 0, 0, 600, 400, frameControl, true, true, false, ES_MULTILINE | WS_VSCROLL, 0);
    UpdateWindow(box.hwnd);
    GapProbe::running = true;
    GapProbe::longest = 0;
    double start = NowMs();
    GapProbe::last = start;
    PostMessageA(probe, GapProbe::kTick, 0, 0);
    if (whole)
        StreamIntoRichEdit(box.hwnd, document.data(), document.size());
    else
        box.RichText = document;
    UpdateWindow(box.hwnd);
    double end = NowMs();
    GapProbe::running = false;
    LoadFigures figures = {end - start, std::max(GapProbe::longest, end - GapProbe::last)};
    DestroyWindow(frame);
    DestroyWindow(probe);
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    return figures;
}

// Milliseconds to write every byte of a new block of the size once: the cost
// of the fresh memory a result of that size is written into.
double FreshMemoryMs(std::size_t size)
{
    double start = Now();
    std::string block;
    block.reserve(size);
    block.append(size, 'x');
    double ms = (Now() - start) * 1000.0;
    return block.size() == size ? ms : 0;
}

}  // namespace

int main()
{
    const std::size_t megabyte = 1000000;
    String small = Markup(megabyte), large = Markup(10 * megabyte);

    String body, largeBody;
    // The 1 MB and 10 MB runs alternate, so that a busy machine slows both alike.
    double smallMs = 1e30, largeMs = 1e30, largeFreshMs = 1e30, tenSmallMs = 1e30, freshMs = 1e30;
    std::size_t sink = 0, largeSize = 0;
    for (int run = 0; run < 8; ++run) {
        auto keepMin = [](double& best, double ms) { best = ms < best ? ms : best; };
        keepMin(smallMs, BestMs(2, [] {}, [&] { body = RtfFromMarkup(small); }));
        keepMin(largeMs, BestMs(2, [] {}, [&] { largeBody = RtfFromMarkup(large); }));
        keepMin(largeFreshMs, BestMs(1, [&] { largeBody = String(); }, [&] {
                    String result = RtfFromMarkup(large);
                    largeSize = result.size();
                    sink += result.size();
                }));
        // Ten megabytes converted one at a time, all results kept: the same
        // amount of new memory as the 10 MB run writes.
        String kept[10];
        keepMin(tenSmallMs, BestMs(1, [] {}, [&] {
                    for (String& result : kept)
                        result = RtfFromMarkup(small);
                }));
        keepMin(freshMs, FreshMemoryMs(largeSize));
    }
    String replaced;
    double replaceMs = BestMs(15, [&] { replaced = small; }, [&] { replaced.Replace("\n", "\\par"); });

    std::printf("RtfFromMarkup  1 MB %8.2f ms   10 MB %8.2f ms   each into the String of its last run: "
                "ratio %5.2f (goal <= 11)\n",
                smallMs, largeMs, largeMs / smallMs);
    std::printf("RtfFromMarkup 10 MB into new memory %8.2f ms   ten 1 MB runs, results kept %8.2f ms   "
                "ratio %5.2f (goal <= 11)\n",
                largeFreshMs, tenSmallMs, largeFreshMs / (tenSmallMs / 10));
    std::printf("  10 MB into new memory against 1 MB into the String of its last run: %5.2f "
                "(no goal: new memory against reused memory)\n",
                largeFreshMs / smallMs);
    std::printf("  writing %u bytes of new memory once takes %8.2f ms\n", static_cast<unsigned>(largeSize),
                freshMs);
    std::printf("RtfFromMarkup  1 MB %8.2f ms   one String::Replace pass %8.2f ms   ratio %.2f (goal <= 28)\n",
                smallMs, replaceMs, smallMs / replaceMs);
    std::printf("RTF body of 1 MB of markup: %u bytes (%u)\n", static_cast<unsigned>(body.size()),
                static_cast<unsigned>(sink % 10));
    String document = RtfHeader() + body + RtfEnd();
    LoadFigures pieces = ControlLoad(document, false);
    LoadFigures whole = ControlLoad(document, true);
    std::printf("RichTextBox taking and painting it: %.0f ms, longest without answering a message %.0f ms "
                "(goal <= 1000); in one piece %.0f ms, all of it without answering\n",
                pieces.totalMs, pieces.longestGapMs, whole.totalMs);
    // The same amount of plain text, which the control takes without its RTF
    // reader: the difference is the reader's share.
    LoadFigures plain = ControlLoad(PlainLines(megabyte), false);
    std::printf("RichTextBox taking 1 MB of plain text: %.0f ms, longest without answering a message %.0f ms\n",
                plain.totalMs, plain.longestGapMs);
    return 0;
}
