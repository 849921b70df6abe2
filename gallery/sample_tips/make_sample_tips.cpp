// Writes the gallery's sample tips file (the tips file format of the tips
// dialog) to the path given: `make_sample_tips gallery/sample.tips`. Built and run
// natively by `make gallery-tips`; the file it writes is kept in the tree.
#include <cstdio>
#include <string>

#include "richtext/tips_file.h"

namespace {

struct SampleTip {
    const char* title;
    const char* text;
};

// Titles are shown as written; texts are markup.
const SampleTip kSampleTips[] = {
    {"Welcome to the Wicker gallery",
     "Each button on the left opens a page of the toolkit's controls.\r\n\r\n"
     "Press <b>Next</b> for another tip, <b>Previous</b> to go back."},
    {"Three tags and a line break",
     "Write <b>bold</b>, <i>italic</i> and <u>underlined</u> words with tags in upper or lower case."
     "<BR>A line break, <BR> or <br> starts a new line."},
    {"Braces and backslashes",
     "Type {braces} and paths such as C:\\games\\tuckle as they are: the converter escapes them, "
     "so every character you write reaches the screen."},
    {"{Titles} stay as written",
     "A tip's title is not markup: braces, backslashes and even <b> show in it exactly as typed."},
    {"Your own tips",
     "AddTip puts a tip in the list, SaveTips writes the list to a file, and a TipsDialog "
     "opened on that file starts at the tip that was on show."},
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <tips file to write>\n", argv[0]);
        return 2;
    }
    std::string bytes = TipsFileHeader(1);
    for (const SampleTip& tip : kSampleTips)
        bytes += TipsFileRecord(tip.title, tip.text);
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
