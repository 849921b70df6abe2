// The video control on a probe parent playing clips the gallery's clip
// writer makes: its window, the clip shown and played, the files it refuses,
// and the runtime checks of its creation. Also the writer's file layout.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "avi_clip.h"
#include "dialog_answer.h"
#include "message_log.h"
#include "scratch_folder.h"
#include "wicker.h"

namespace {

const int kVideoId = 606;

uint32_t Read32(const std::string& bytes, size_t at)
{
    return static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8 |
           static_cast<uint8_t>(bytes[at + 2]) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
}

// The offset of the first chunk with the tag (a list's type for RIFF and
// LIST) between the two offsets, walking chunk by chunk; npos when none.
size_t FindChunk(const std::string& bytes, size_t from, size_t to, const std::string& tag)
{
    while (from + 8 <= to) {
        std::string id = bytes.substr(from, 4);
        uint32_t size = Read32(bytes, from + 4);
        if (id == tag || ((id == "LIST" || id == "RIFF") && bytes.substr(from + 8, 4) == tag))
            return from;
        from += 8 + size + (size & 1);
    }
    return std::string::npos;
}

// Chunk sizes nest exactly, and every index entry names a frame chunk of
// the size it gives, counted from the 'movi' tag.
TEST(AviClipTest, ChunkSizesAndIndexAgree)
{
    AviClip clip = SampleClip();
    std::string bytes = AviFileBytes(clip);
    ASSERT_GT(bytes.size(), 1000u);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(8, 4), "AVI ");
    EXPECT_EQ(Read32(bytes, 4), bytes.size() - 8);

    size_t headers = FindChunk(bytes, 12, bytes.size(), "hdrl");
    size_t movie = FindChunk(bytes, 12, bytes.size(), "movi");
    size_t index = FindChunk(bytes, 12, bytes.size(), "idx1");
    ASSERT_NE(headers, std::string::npos);
    ASSERT_NE(movie, std::string::npos);
    ASSERT_NE(index, std::string::npos);
    // The three top-level chunks fill the file.
    EXPECT_EQ(index + 8 + Read32(bytes, index + 4), bytes.size());
    size_t avih = FindChunk(bytes, headers + 12, headers + 8 + Read32(bytes, headers + 4), "avih");
    ASSERT_NE(avih, std::string::npos);
    EXPECT_EQ(Read32(bytes, avih + 8 + 16), clip.frames.size());  // dwTotalFrames
    EXPECT_EQ(Read32(bytes, avih + 8 + 32), 120u);                 // dwWidth

    uint32_t entries = Read32(bytes, index + 4) / 16;
    ASSERT_EQ(entries, clip.frames.size());
    size_t movieEnd = movie + 8 + Read32(bytes, movie + 4);
    size_t next = movie + 12;
    for (uint32_t i = 0; i < entries; ++i) {
        size_t entry = index + 8 + 16 * i;
        EXPECT_EQ(bytes.substr(entry, 4), "00dc");
        size_t chunk = movie + 8 + Read32(bytes, entry + 8);
        EXPECT_EQ(chunk, next);
        EXPECT_EQ(bytes.substr(chunk, 4), "00dc");
        EXPECT_EQ(Read32(bytes, chunk + 4), Read32(bytes, entry + 12));
        std::string frame = bytes.substr(chunk + 8, Read32(bytes, chunk + 4));
        EXPECT_EQ(frame, Rle8Frame(clip.frames[i], clip.width, clip.height));
        next = chunk + 8 + frame.size() + (frame.size() & 1);
    }
    EXPECT_EQ(next, movieEnd);
}

TEST(AviClipTest, RleRowsSplitLongRunsAndEndWithTheirMarks)
{
    std::vector<uint8_t> pixels(300 * 2, 3);
    pixels[300] = 7;  // the second row, drawn first
    std::string rows = Rle8Frame(pixels, 300, 2);
    EXPECT_EQ(rows, std::string("\x01\x07\xFF\x03\x2C\x03\x00\x00\xFF\x03\x2D\x03\x00\x01", 14));
}

TEST(AviClipTest, TheShippedClipIsTheOneTheWriterMakes)
{
    EXPECT_EQ(ReadBytes(SHIPPED_CLIP_PATH), AviFileBytes(SampleClip()))
        << "run `make gallery-clip` to write gallery/sample.avi again";
}

class VideoControlTest : public ScratchFolderTest {
protected:
    HWND probe = NULL;
    std::string clipPath;

    void SetUp() override
    {
        ScratchFolderTest::SetUp();
        probe = CreateProbeWindow(300, 200);
        ASSERT_NE(probe, (HWND)NULL);
        clipPath = PathOf("shapes.avi");
        WriteBytes(clipPath, AviFileBytes(SampleClip()));
        ClearMessageLog();
    }
    void TearDown() override
    {
        DestroyWindow(probe);
        PumpMessages();
        ClearMessageLog();
        ScratchFolderTest::TearDown();
    }

    // How many WM_COMMAND the probe got from the video control with this code.
    int Notices(WORD code)
    {
        int count = 0;
        for (const LoggedMessage& m : LoggedMessages(WM_COMMAND))
            if (m.wParam == MAKEWPARAM(kVideoId, code))
                ++count;
        return count;
    }
};

TEST_F(VideoControlTest, CreationStyles)
{
    struct Case {
        bool visible, autoPlay, centred;
        DWORD style;
    } cases[] = {{true, false, false, 0x50010000}, {false, false, false, 0x40010000},
                 {true, true, false, 0x50010004}, {false, false, true, 0x40010001},
                 {true, true, true, 0x50010005}};
    for (const Case& c : cases) {
        VideoControl video(kVideoId, Control(probe), "", 5, 5, 120, 90, c.visible, c.autoPlay,
                           c.centred, WS_EX_STATICEDGE);
        ASSERT_NE(video.hwnd, (HWND)NULL);
        // Its text, "Video Control", is not kept by every version of the
        // control, so only the class is read back.
        char name[64] = "";
        GetClassNameA(video.hwnd, name, sizeof name);
        EXPECT_STREQ(name, "SysAnimate32");
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(video.hwnd, GWL_STYLE)), c.style);
        EXPECT_TRUE(GetWindowLongA(video.hwnd, GWL_EXSTYLE) & WS_EX_STATICEDGE);
        EXPECT_EQ(GetDlgCtrlID(video.hwnd), kVideoId);
        EXPECT_EQ(video.parent, probe);
        video.Destroy();
    }
}

// Playing tells the parent when the clip starts and stops; a clip played
// once to its end shows its last frame: the ground, the ball, the square and
// the bar where the writer drew them.
TEST_F(VideoControlTest, OpensAndPlaysTheClipToItsLastFrame)
{
    VideoControl video(kVideoId, Control(probe), clipPath, 0, 0, 120, 90);
    ASSERT_NE(video.hwnd, (HWND)NULL);
    ShowWindow(probe, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(video.Play(0, true, -1));
    PumpMessages(30);
    EXPECT_EQ(Notices(ACN_START), 1);
    EXPECT_TRUE(video.Stop());
    PumpMessages(20);
    EXPECT_EQ(Notices(ACN_STOP), 1);

    EXPECT_TRUE(video.Play(22, true, 1));
    for (int waited = 0; Notices(ACN_STOP) < 2 && waited < 2000; waited += 20)
        PumpMessages(20);
    ASSERT_EQ(Notices(ACN_STOP), 2);
    HDC dc = GetDC(video.hwnd);
    EXPECT_EQ(GetPixel(dc, 117, 50), RGB(0x20, 0x30, 0x60));
    EXPECT_EQ(GetPixel(dc, 105, 55), RGB(0xE0, 0x40, 0x30));
    EXPECT_EQ(GetPixel(dc, 102, 52), RGB(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(GetPixel(dc, 20, 12), RGB(0xF0, 0xD0, 0x40));
    EXPECT_EQ(GetPixel(dc, 10, 84), RGB(0x40, 0xC0, 0x60));
    EXPECT_EQ(GetPixel(dc, 30, 84), RGB(0x20, 0x30, 0x60));
    ReleaseDC(video.hwnd, dc);
}

TEST_F(VideoControlTest, RefusesEmptyMissingAndForeignFilesAndStaysUsable)
{
    VideoControl video(kVideoId, Control(probe), clipPath, 0, 0, 120, 90);
    ASSERT_NE(video.hwnd, (HWND)NULL);
    // An empty name is refused without closing the clip on show.
    EXPECT_FALSE(video.Open(""));
    EXPECT_TRUE(video.Play(0, true, 2));
    EXPECT_TRUE(video.Stop());

    WriteBytes(PathOf("notes.avi"), "These are notes, not frames of a clip.\r\n");
    EXPECT_FALSE(video.Open(PathOf("notes.avi")));
    EXPECT_FALSE(video.Open(PathOf("missing.avi")));
    EXPECT_FALSE(video.Play(0, false, 0));
    EXPECT_TRUE(video.Open(clipPath));
    EXPECT_TRUE(video.Play(3, false, 0));
    EXPECT_TRUE(video.Stop());
}

// Answers `count` runtime-check boxes one after the other with Ignore and
// keeps what each showed.
std::vector<std::string> AnswerChecks(int count)
{
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) {
        HWND box = FindDialogByCaption("Wicker runtime check", 0, 10000);
        if (box == NULL)
            break;
        texts.push_back(MessageBoxText(box));
        PressDialogButton(box, IDIGNORE);
        while (IsWindow(box))
            Sleep(10);
    }
    return texts;
}

TEST_F(VideoControlTest, WithoutAParentWindowBothChecksShowAndNothingIsCreated)
{
    std::vector<std::string> texts;
    std::thread answers([&texts] { texts = AnswerChecks(2); });
    VideoControl video(kVideoId, Control(), clipPath, 0, 0, 120, 90);
    answers.join();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[0].find("Expression: Parent_Control_Handle != NULL\r\n"), std::string::npos);
    EXPECT_NE(texts[1].find("Expression: VideWindow_Handle != NULL\r\n"), std::string::npos);
    EXPECT_EQ(video.hwnd, (HWND)NULL);
    EXPECT_FALSE(video.Open(clipPath));
}

}  // namespace
