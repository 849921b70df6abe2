// Times String::Replace, String::Split and StringList::Join on a 1 MB text
// with 100,000 occurrences, each against a single-pass rebuild with
// std::string in the same run. Prints figures and ratios; asserts nothing.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "wicker.h"

namespace {

const int kOccurrences = 100000;
const int kRuns = 15;

struct Timing {
    double ms;
    double baselineMs;
};

// Best times of kRuns runs of work and of baseline, in milliseconds. The two
// alternate so that a busy machine slows both alike; prepare runs before each
// and is not timed.
template <typename Prepare, typename Work, typename Baseline>
Timing Best(Prepare prepare, Work work, Baseline baseline)
{
    Timing best = {1e30, 1e30};
    for (int run = 0; run < kRuns; ++run) {
        prepare();
        double start = Now();
        work();
        double middle = Now();
        baseline();
        double end = Now();
        if ((middle - start) * 1000.0 < best.ms)
            best.ms = (middle - start) * 1000.0;
        if ((end - middle) * 1000.0 < best.baselineMs)
            best.baselineMs = (end - middle) * 1000.0;
    }
    return best;
}

void Report(const char* name, Timing timing, bool same)
{
    double ms = timing.ms, baselineMs = timing.baselineMs;
    std::printf("%-8s %8.2f ms   std::string single pass %8.2f ms   ratio %.2f (goal <= 1.5)   %s\n",
                name, ms, baselineMs, ms / baselineMs, same ? "same result" : "RESULTS DIFFER");
}

std::string BaselineReplace(const std::string& text, const std::string& search, const std::string& replacement)
{
    std::string result;
    std::string::size_type from = 0;
    for (std::string::size_type at = text.find(search); at != std::string::npos; at = text.find(search, from)) {
        result.append(text, from, at - from);
        result.append(replacement);
        from = at + search.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

std::vector<std::string> BaselineSplit(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    std::string::size_type from = 0;
    for (std::string::size_type at = text.find(separator); at != std::string::npos; at = text.find(separator, from)) {
        parts.emplace_back(text, from, at - from);
        from = at + 1;
    }
    parts.emplace_back(text, from, std::string::npos);
    return parts;
}

std::string BaselineJoin(const std::vector<std::string>& parts, const std::string& separator)
{
    std::string result;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i)
            result.append(separator);
        result.append(parts[i]);
    }
    return result;
}

}  // namespace

int main()
{
    // 100,000 records of eight letters and a two-byte mark: 1,000,000 bytes.
    std::string text;
    text.reserve(10 * kOccurrences);
    for (int i = 0; i < kOccurrences; ++i)
        text.append("abcdefgh%%");
    std::printf("text %u bytes, %d occurrences, best of %d runs\n",
                static_cast<unsigned>(text.size()), kOccurrences, kRuns);

    String replaced;
    std::string baselineReplaced;
    Timing replace = Best([&] { replaced.assign(text); baselineReplaced.clear(); },
                          [&] { replaced.Replace("%%", "<br>"); },
                          [&] { baselineReplaced = BaselineReplace(text, "%%", "<br>"); });
    Report("Replace", replace, replaced == String(baselineReplaced));

    String source(text);
    StringList parts;
    std::vector<std::string> baselineParts;
    Timing split = Best([&] { parts.Clear(); baselineParts.clear(); },
                        [&] { parts = source.Split("%%"); },
                        [&] { baselineParts = BaselineSplit(text, "%%"); });
    bool sameParts = parts.Count == static_cast<int>(baselineParts.size());
    for (std::size_t i = 0; sameParts && i < baselineParts.size(); ++i)
        sameParts = parts.Item(static_cast<int>(i)) == String(baselineParts[i]);
    Report("Split", split, sameParts);

    String joined;
    std::string baselineJoined;
    Timing join = Best([&] { joined.Clear(); baselineJoined.clear(); },
                       [&] { joined = parts.Join("%%"); },
                       [&] { baselineJoined = BaselineJoin(baselineParts, "%%"); });
    Report("Join", join, joined == String(baselineJoined));
    return 0;
}
