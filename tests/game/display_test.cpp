// What the player sees of the real tuckle.exe, read from the screen: the
// wrong-letter line after a full repaint, an "&" in a word, the result
// picture's place and size, and the order of the last utterance and the
// result box; and an empty word at the end of a word list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "game_driver.h"

using namespace play;

namespace {

const int WrongLettersId = 1027;
const int WordLineId = 1028;
const int SecondLineId = 1046;
const int WonId = 1036;
const int StagePictureId = 1051;
const int SpeakId = 1056;
const int OkayId = 1042;
const int ResultPictureId = 1052;

bool Near(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= 8 && std::abs(GetGValue(a) - GetGValue(b)) <= 8 &&
           std::abs(GetBValue(a) - GetBValue(b)) <= 8;
}

template <typename Test>
int Count(const std::vector<COLORREF>& pixels, Test test)
{
    return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), test));
}

class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder.reset(new GameFolder(std::string("display_") + info->name(), TUCKLE_EXE_PATH, SPEECH_LOGGER_PATH));
        ASSERT_TRUE(folder->Ready()) << "cannot prepare " << folder->Path();
    }

    void TearDown() override
    {
        // A speech program being started when the game goes can hang: each
        // test waits for the utterances it caused, and their programs end.
        WaitForSpeechPrograms();
        game.Kill();
        folder.reset();
    }

    // One subject, "Things", with the given data.txt.
    void Launch(const std::string& wordList)
    {
        ASSERT_TRUE(folder->WriteFile("tuckle.ini", "Things\r\nthings\r\n"));
        ASSERT_TRUE(folder->WriteFile("things\\data.txt", wordList));
        ASSERT_TRUE(game.Start(folder->GameExe(), folder->Path()));
        main = game.WaitForWindow("Tuckle's - Things");
        ASSERT_NE(main, nullptr);
    }

    // Waits for the log to hold count utterances; returns the log.
    std::vector<std::string> Utterances(size_t count)
    {
        std::vector<std::string> log;
        for (DWORD start = GetTickCount(); GetTickCount() - start <= Patience; Sleep(50)) {
            log = folder->Utterances();
            if (log.size() >= count) break;
        }
        return log;
    }

    void PressLetter(char letter) { Press(main, 1000 + (letter - 'A') + 1); }
    void Settle() { ASSERT_TRUE(Fence(main, SpeakId)) << "the main window did not answer"; }

    std::unique_ptr<GameFolder> folder;
    GameProcess game;
    HWND main = NULL;
};

// Uncovers the whole main window, as when another window is moved away: a
// window of this test is laid over it and destroyed again.
void CoverAndUncover(HWND main)
{
    RECT r;
    GetWindowRect(main, &r);
    HWND cover = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE | SS_BLACKRECT, r.left,
                                 r.top, r.right - r.left, r.bottom - r.top, NULL, NULL, NULL, NULL);
    ASSERT_NE(cover, nullptr);
    UpdateWindow(cover);
    Sleep(300);
    DestroyWindow(cover);
}

// The wrong-letter line reaches into the stage picture's lower edge. Where
// the two meet, the letters must show after any repaint, not only after the
// turn that wrote them.
TEST_F(DisplayTest, WrongLettersStayOnTopOfTheStagePictureAfterAFullRepaint)
{
    Launch("ox\r\nox.bmp\r\n");
    ASSERT_EQ(Utterances(1).size(), 1u);
    PressLetter('M');
    PressLetter('W');
    ASSERT_EQ(Utterances(3).size(), 3u);
    Settle();
    COLORREF seen = 0;
    ASSERT_TRUE(WaitForPixel(main, 22 + 100, 25 + 100, StageColour(2), seen)) << ColourName(seen);

    RECT overlap;
    // The picture's square as the template places it (its window stops short
    // of the line).
    RECT line = ChildRect(main, WrongLettersId), stage = ChildRect(main, StagePictureId);
    stage.right = stage.left + 200;
    stage.bottom = stage.top + 200;
    ASSERT_TRUE(IntersectRect(&overlap, &line, &stage)) << "the line no longer meets the picture";
    const COLORREF stageColour = StageColour(2);
    auto isStage = [stageColour](COLORREF c) { return Near(c, stageColour); };

    Sleep(300);
    const std::vector<COLORREF> afterTurn = ScreenPixels(main, overlap);
    EXPECT_GT(Count(afterTurn, IsInk), 0) << "no letters where the line meets the picture";
    EXPECT_EQ(Count(afterTurn, isStage), 0);

    // Two ways to repaint everything: another window uncovers the game, and
    // the whole window and its children are invalidated at once.
    for (int repaint = 0; repaint < 2; ++repaint) {
        if (repaint == 0)
            CoverAndUncover(main);
        else
            RedrawWindow(main, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        Settle();
        Sleep(500);
        const std::vector<COLORREF> afterRepaint = ScreenPixels(main, overlap);
        EXPECT_EQ(Count(afterRepaint, isStage), 0) << "the stage picture covers the letters";
        EXPECT_TRUE(afterRepaint == afterTurn) << "the line looks different after repaint " << repaint;
    }
    EXPECT_TRUE(WaitForPixel(main, 22 + 100, 25 + 100, StageColour(2), seen)) << ColourName(seen);
}

// An "&" in a word is one of its characters, in the mask and in the whole
// word at the result; it is no keyboard mnemonic.
TEST_F(DisplayTest, AmpersandInAWordIsShownAsItStands)
{
    Launch("fish & chips\r\nfish.bmp\r\n");
    ASSERT_EQ(Utterances(1).size(), 1u);
    for (int id : {WordLineId, SecondLineId})
        EXPECT_TRUE(GetWindowLongPtrA(GetDlgItem(main, id), GWL_STYLE) & SS_NOPREFIX) << id;
    ASSERT_EQ(ControlText(main, WordLineId), "----/&/-----");
    EXPECT_TRUE(LineShowsText(main, WordLineId, "----/&/-----"));

    for (char letter : std::string("FISHCP")) PressLetter(letter);
    HWND box = game.WaitForWindow("Tuckle - Win");
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(ControlText(main, WordLineId), "FISH & CHIPS");
    EXPECT_TRUE(LineShowsText(main, WordLineId, "FISH & CHIPS"));
    Press(box, OkayId);
    EXPECT_TRUE(WaitForWindowGone(box));
    EXPECT_EQ(Utterances(8).size(), 8u) << "the next word was not spoken";
}

// The tenth wrong letter's utterance is started before the result box opens,
// so it is heard while the box waits for its answer; and the lose picture
// fills exactly its place: 50 x 48 pixels at 43, 43.
TEST_F(DisplayTest, LastLetterIsSpokenBeforeTheResultBoxWhosePictureFillsItsPlace)
{
    Launch("ox\r\nox.bmp\r\n");
    ASSERT_EQ(Utterances(1).size(), 1u);
    const std::string wrong = "ABCDEFGHIJ";
    for (size_t i = 0; i + 1 < wrong.size(); ++i) {
        PressLetter(wrong[i]);
        ASSERT_EQ(Utterances(i + 2).size(), i + 2) << wrong[i];
    }
    Settle();

    PressLetter(wrong.back());
    HWND box = NULL;
    for (DWORD start = GetTickCount(); !box && GetTickCount() - start <= Patience; Sleep(5))
        box = game.FindWindowNow("Tuckle - Lose");
    ASSERT_NE(box, nullptr);
    // The box stays open: the utterance must come without it being answered.
    const std::vector<std::string> log = Utterances(11);
    ASSERT_TRUE(IsWindow(box));
    ASSERT_EQ(log.size(), 11u) << "the last letter is spoken only after the result box";
    EXPECT_EQ(log.back(), "\"[[dZ'3:]] ... j ... ... wrong ... bad luck ... you lost\"");

    const RECT place = ChildRect(box, ResultPictureId);
    EXPECT_EQ(place.left, 43);
    EXPECT_EQ(place.top, 43);
    EXPECT_EQ(place.right - place.left, 50);
    EXPECT_EQ(place.bottom - place.top, 48);
    // One pixel more on every side: the picture, then a frame of background.
    const RECT around = {42, 42, 94, 92};
    COLORREF seen = 0;
    ASSERT_TRUE(WaitForPixel(box, 43 + 25, 43 + 24, LoseColour(), seen)) << ColourName(seen);
    const std::vector<COLORREF> pixels = ScreenPixels(box, around);
    ASSERT_EQ(pixels.size(), 52u * 50u);
    int wrongInside = 0, lostOutside = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 52; ++x) {
            const bool inside = x >= 1 && x <= 50 && y >= 1 && y <= 48;
            const bool lose = Near(pixels[y * 52 + x], LoseColour());
            if (inside && !lose) ++wrongInside;
            if (!inside && lose) ++lostOutside;
        }
    EXPECT_EQ(wrongInside, 0) << "pixels of the 50 x 48 place without the picture";
    EXPECT_EQ(lostOutside, 0) << "picture pixels outside its place";
    Press(box, OkayId);
    EXPECT_TRUE(WaitForWindowGone(box));
    EXPECT_EQ(Utterances(12).size(), 12u) << "the next word was not spoken";
}

// A word list that ends in two blank lines holds an empty last word. When it
// is drawn the word line is blank; the first letter counts as wrong and wins
// the word, whose spelling is empty.
TEST_F(DisplayTest, EmptyWordFromTwoBlankLinesIsWonAtTheFirstLetter)
{
    Launch("ox\r\nox.bmp\r\n\r\n\r\n");
    std::vector<std::string> log = Utterances(1);
    ASSERT_EQ(log.size(), 1u);
    if (log[0] == "\"OX\"") {
        PressLetter('O');
        PressLetter('X');
        HWND box = game.WaitForWindow("Tuckle - Win");
        ASSERT_NE(box, nullptr);
        Press(box, OkayId);
        ASSERT_TRUE(WaitForWindowGone(box));
        log = Utterances(4);
        ASSERT_EQ(log.size(), 4u);
    }
    ASSERT_EQ(log.back(), "\"\"") << "the empty word was not drawn";
    Settle();
    const std::string won = ControlText(main, WonId);
    EXPECT_EQ(ControlText(main, WordLineId), "");
    const RECT line = ChildRect(main, WordLineId);
    EXPECT_EQ(Count(ScreenPixels(main, line), IsInk), 0) << "the empty word line shows something";

    const size_t before = log.size();
    PressLetter('E');
    HWND box = game.WaitForWindow("Tuckle - Win");
    ASSERT_NE(box, nullptr);
    log = Utterances(before + 1);
    ASSERT_EQ(log.size(), before + 1);
    EXPECT_EQ(log.back(), "\"[['E]] ... e ... ... wrong ...  ... well done ... you've won\"");
    EXPECT_EQ(ControlText(main, WrongLettersId), "  E");
    EXPECT_EQ(ControlText(main, WonId), std::to_string(std::stoi(won) + 1));
    Press(box, OkayId);
    EXPECT_TRUE(WaitForWindowGone(box));
    EXPECT_EQ(Utterances(before + 2).size(), before + 2) << "the next word was not spoken";
}

} // namespace
