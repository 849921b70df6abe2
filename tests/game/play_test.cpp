// End-to-end tests: the real tuckle.exe in a folder of its own, driven through
// its windows, with a stand-in speech program that logs every utterance.
#include <gtest/gtest.h>

#include <cctype>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "game_driver.h"

using namespace play;

namespace {

// Main window controls and commands.
const int WrongLettersId = 1027;
const int WordLineId = 1028;
const int WonId = 1036;
const int LostId = 1037;
const int SpeakId = 1056;
const int NewCommand = 5001;
const int ExitCommand = 5002;
const int AboutCommand = 5003;
// The stage picture's centre in the main window's client area.
const int StageX = 22 + 100;
const int StageY = 25 + 100;

// Small dialogs.
const int YesId = 1038;
const int NoId = 1039;
const int OkayId = 1042;
const int SubjectListId = 1043;
const int LoadId = 1044;
const int CancelId = 1045;
const int ResultFrameId = 1027;
const int ResultTextId = 1050;
// The result picture's centre in the result box's client area.
const int ResultPictureX = 43 + 25;
const int ResultPictureY = 43 + 24;

const char* const AtStartUp = "\r\n\r\nTuckle will close.";
const char* const AtSubjectChange = "\r\n\r\nThe game goes on with the subject in play.";

// Phoneme mnemonics of the letter names, 'A' to 'Z'.
const char* const Mnemonics[26] = {
    "'a",   "b'3:", "k'3:", "d'3:", "'E",   "f'3:", "g'3",   "h'3:", "'i",
    "dZ'3:", "k'3:", "l'3:", "m'3:", "n'3:", "'o",  "p'3:",  "kw3:", "r'@",
    "s'3:", "t'3:", "'A@",  "v'3:", "w'3:", "'Eks", "j3:",  "z'3:",
};

// What the speech program receives (the game's text without its leading
// space) when a word is drawn or repeated.
std::string WordSaid(const std::string& word)
{
    return "\"" + word + "\"";
}

// ... when a letter is pressed; the verdict is empty for a letter tried before.
std::string LetterSaid(char letter, const std::string& verdict)
{
    return "\"[[" + std::string(Mnemonics[letter - 'A']) + "]] ... " +
           std::string(1, static_cast<char>(std::tolower(letter))) + " ... " + verdict;
}

std::string LostSaid(char letter)
{
    return LetterSaid(letter, "... wrong") + " ... bad luck ... you lost\"";
}

std::string WonSaid(char letter, const std::string& spelled, const std::string& word)
{
    return LetterSaid(letter, "... right") + " ... " + spelled + word + " ... well done ... you've won\"";
}

struct Word {
    const char* text;
    const char* picture;
};

class PlayTest : public ::testing::Test {
protected:
    void SetUp() override { Prepare(""); }

    void TearDown() override
    {
        game.Kill();
        folder.reset();
    }

    // A fresh folder for the next run (several runs in one test get one each).
    void Prepare(const std::string& suffix)
    {
        game.Kill();
        folder.reset();
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder.reset(new GameFolder(std::string(info->name()) + suffix, TUCKLE_EXE_PATH, SPEECH_LOGGER_PATH));
        ASSERT_TRUE(folder->Ready()) << "cannot prepare " << folder->Path();
        said.clear();
        main = NULL;
    }

    // Writes a subject folder with its word list and a picture per word.
    void WriteSubject(const std::string& subjectFolder, std::initializer_list<Word> words)
    {
        std::string list;
        COLORREF colour = RGB(70, 70, 70);
        for (const Word& w : words) {
            list += std::string(w.text) + "\r\n" + w.picture + "\r\n";
            ASSERT_TRUE(folder->WriteBitmap(subjectFolder + "\\" + w.picture, colour));
        }
        ASSERT_TRUE(folder->WriteFile(subjectFolder + "\\data.txt", list));
    }

    void WriteSubjectList(const std::string& text) { ASSERT_TRUE(folder->WriteFile("tuckle.ini", text)); }

    // Starts the game and waits for its main window.
    void Launch(const std::string& firstSubject)
    {
        ASSERT_TRUE(game.Start(folder->GameExe(), folder->Path()));
        main = game.WaitForWindow("Tuckle's - " + firstSubject);
        ASSERT_NE(main, nullptr) << "no main window for subject " << firstSubject;
    }

    // Starts the game on content it cannot use and expects the error box.
    void ExpectStartUpError(const std::string& text)
    {
        ASSERT_TRUE(game.Start(folder->GameExe(), folder->Path()));
        HWND box = game.WaitForWindow("Tuckle - Error");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), text + AtStartUp);
        Press(box, IDOK);
        DWORD code = 1;
        ASSERT_TRUE(game.WaitForExit(code)) << "the game did not end after the error";
        EXPECT_EQ(code, 0u);
    }

    // Adds the utterances expected since the last check, waits for the log to
    // hold as many and compares the whole log.
    ::testing::AssertionResult Spoken(std::initializer_list<std::string> added)
    {
        said.insert(said.end(), added);
        std::vector<std::string> log;
        DWORD start = GetTickCount();
        do {
            log = folder->Utterances();
            if (log.size() >= said.size()) break;
            Sleep(50);
        } while (GetTickCount() - start <= Patience);
        return SameAsSaid(log);
    }

    // Gives stray utterances time to arrive, then compares the whole log.
    ::testing::AssertionResult NothingMoreSpoken()
    {
        Sleep(1500);
        return SameAsSaid(folder->Utterances());
    }

    ::testing::AssertionResult SameAsSaid(const std::vector<std::string>& log) const
    {
        if (log == said) return ::testing::AssertionSuccess();
        ::testing::AssertionResult failure = ::testing::AssertionFailure();
        failure << "utterances expected:\n";
        for (const std::string& s : said) failure << "  [" << s << "]\n";
        failure << "logged:\n";
        for (const std::string& s : log) failure << "  [" << s << "]\n";
        return failure;
    }

    void PressLetter(char letter) { Press(main, 1000 + (letter - 'A') + 1); }

    // Waits until everything posted to the main window so far was handled.
    void Settle() { ASSERT_TRUE(Fence(main, SpeakId)) << "the main window did not answer"; }

    void ExpectBoard(const std::string& word, const std::string& wrong, const std::string& won,
                     const std::string& lost)
    {
        EXPECT_EQ(ControlText(main, WordLineId), word);
        EXPECT_EQ(ControlText(main, WrongLettersId), wrong);
        EXPECT_EQ(ControlText(main, WonId), won);
        EXPECT_EQ(ControlText(main, LostId), lost);
    }

    ::testing::AssertionResult StageShows(int stage)
    {
        COLORREF seen = 0;
        if (WaitForPixel(main, StageX, StageY, StageColour(stage), seen, 5000))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "stage " << stage << " is " << ColourName(StageColour(stage))
                                             << ", the screen shows " << ColourName(seen);
    }

    // Presses letters whose verdict does not end the word, one after another.
    void Guess(const std::string& letters, const std::string& verdict)
    {
        for (char letter : letters) {
            PressLetter(letter);
            ASSERT_TRUE(Spoken({LetterSaid(letter, verdict)})) << "letter " << letter;
        }
    }

    // Presses the last letter of a word and expects the result box; returns it
    // still open.
    HWND FinishWord(char letter, const std::string& caption, const std::string& utterance)
    {
        PressLetter(letter);
        HWND box = game.WaitForWindow(caption);
        EXPECT_NE(box, nullptr) << "no result box " << caption;
        EXPECT_TRUE(Spoken({utterance}));
        return box;
    }

    // The result box as it opens: the verdict, no text line and the picture
    // of its colour; neither Esc nor the close box ends it.
    void ExpectResultBox(HWND box, const std::string& verdict, COLORREF picture, const char* pictureName)
    {
        EXPECT_EQ(ControlText(box, ResultFrameId), verdict);
        EXPECT_EQ(ControlText(box, ResultTextId), "");
        COLORREF seen = 0;
        EXPECT_TRUE(WaitForPixel(box, ResultPictureX, ResultPictureY, picture, seen))
            << "the " << pictureName << " picture shows " << ColourName(seen);
        PressEscape(box);
        PressCloseBox(box);
        EXPECT_TRUE(Fence(box, OkayId)) << "the result box went away";
    }

    // Answers the result box and expects the next word to be drawn and spoken.
    void CloseResult(HWND box, const std::string& nextWord)
    {
        Press(box, OkayId);
        ASSERT_TRUE(WaitForWindowGone(box));
        ASSERT_TRUE(Spoken({WordSaid(nextWord)}));
        Settle();
    }

    // Opens the New Game dialog and returns it.
    HWND OpenNewGame()
    {
        Press(main, NewCommand);
        HWND dialog = game.WaitForWindow("Tuckle - New Game");
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }

    // Runs the New Game dialog with the given list items selected and Load.
    void LoadSubjects(std::initializer_list<int> selected)
    {
        HWND dialog = OpenNewGame();
        ASSERT_NE(dialog, nullptr);
        HWND list = GetDlgItem(dialog, SubjectListId);
        for (int item : selected) SendMessageA(list, LB_SETSEL, TRUE, item);
        ASSERT_EQ(SendMessageA(list, LB_GETSELCOUNT, 0, 0), static_cast<LRESULT>(selected.size()));
        Press(dialog, LoadId);
        ASSERT_TRUE(WaitForWindowGone(dialog));
    }

    std::unique_ptr<GameFolder> folder;
    GameProcess game;
    HWND main = NULL;
    std::vector<std::string> said;
};

TEST_F(PlayTest, LettersAdvanceTheStageUntilTheTenthWrongOneLosesTheWord)
{
    WriteSubjectList("Animals\r\nanimals\r\n");
    WriteSubject("animals", {{"cat", "cat.bmp"}});
    Launch("Animals");

    // Start-up: the first word masked, nothing tried, stage 0, spoken once.
    ASSERT_TRUE(Spoken({WordSaid("CAT")}));
    Settle();
    ExpectBoard("---", "", "0", "0");
    EXPECT_TRUE(StageShows(0));
    EXPECT_TRUE(NothingMoreSpoken());

    // A wrong letter, a right one, and the wrong one again (its phrase only).
    PressLetter('E');
    ASSERT_TRUE(Spoken({LetterSaid('E', "... wrong")}));
    ExpectBoard("---", "  E", "0", "0");
    EXPECT_TRUE(StageShows(1));
    PressLetter('A');
    ASSERT_TRUE(Spoken({LetterSaid('A', "... right")}));
    ExpectBoard("-A-", "  E", "0", "0");
    EXPECT_TRUE(StageShows(1));
    PressLetter('E');
    ASSERT_TRUE(Spoken({LetterSaid('E', "")}));
    ExpectBoard("-A-", "  E", "0", "0");
    EXPECT_TRUE(StageShows(1));

    // The speak button repeats the word; Esc does nothing.
    Press(main, SpeakId);
    ASSERT_TRUE(Spoken({WordSaid("CAT")}));
    PressEscape(main);
    Settle();
    ExpectBoard("-A-", "  E", "0", "0");

    // Each further wrong letter shows the next stage.
    int stage = 1;
    for (char letter : std::string("BDFGHIJK")) {
        Guess(std::string(1, letter), "... wrong");
        Settle();
        ASSERT_TRUE(StageShows(++stage)) << "after the wrong letter " << letter;
    }
    ExpectBoard("-A-", "  E B D F G H I J K", "0", "0");

    // The tenth wrong letter: one utterance, the whole word, the last stage
    // and the lost tally while the result box is open.
    HWND box = FinishWord('L', "Tuckle - Lose", LostSaid('L'));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ControlText(main, WordLineId), "CAT");
    EXPECT_EQ(ControlText(main, LostId), "1");
    EXPECT_EQ(ControlText(main, WonId), "0");
    EXPECT_TRUE(StageShows(10));
    ExpectResultBox(box, "You lost!", LoseColour(), "lose");
    EXPECT_TRUE(NothingMoreSpoken());

    // After it the next word is in play: masked, stage 0, nothing tried.
    CloseResult(box, "CAT");
    ExpectBoard("---", " ", "0", "1");
    EXPECT_TRUE(StageShows(0));

    // The close box ends the game at once, without asking.
    PressCloseBox(main);
    DWORD code = 1;
    ASSERT_TRUE(game.WaitForExit(code)) << "the close box did not end the game";
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(NothingMoreSpoken());
}

TEST_F(PlayTest, WonWordsAreSpelledCharacterByCharacter)
{
    WriteSubjectList("Food\r\nfood\r\nDinosaurs\r\ndinosaurs\r\n");
    WriteSubject("food", {{"ice cream", "ice cream.bmp"}});
    WriteSubject("dinosaurs", {{"T-Rex", "rex.bmp"}});
    Launch("Food");
    ASSERT_TRUE(Spoken({WordSaid("ICE CREAM")}));
    Settle();
    ExpectBoard("---/-----", "", "0", "0");

    Guess("ICERA", "... right");
    Settle();
    ExpectBoard("ICE/CREA-", " ", "0", "0");
    HWND box = FinishWord('M', "Tuckle - Win", WonSaid('M', "I. C. E.  . C. R. E. A. M. ", "ICE CREAM"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ControlText(main, WordLineId), "ICE CREAM");
    EXPECT_EQ(ControlText(main, WonId), "1");
    EXPECT_EQ(ControlText(main, LostId), "0");
    EXPECT_TRUE(StageShows(0));
    ExpectResultBox(box, "You won!", WinColour(), "win");
    CloseResult(box, "ICE CREAM");
    ExpectBoard("---/-----", " ", "1", "0");

    // Another subject: tallies reset, its word spoken twice; the hyphen is
    // shown as itself and needs no guess.
    LoadSubjects({1});
    main = game.WaitForWindow("Tuckle's - Dinosaurs");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(Spoken({WordSaid("T-REX"), WordSaid("T-REX")}));
    Settle();
    ExpectBoard("-----", " ", "0", "0");
    EXPECT_TRUE(StageShows(0));

    Guess("TRE", "... right");
    box = FinishWord('X', "Tuckle - Win", WonSaid('X', "T. -. R. E. X. ", "T-REX"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ControlText(main, WordLineId), "T-REX");
    EXPECT_EQ(ControlText(main, WonId), "1");
    CloseResult(box, "T-REX");
    EXPECT_TRUE(NothingMoreSpoken());
}

TEST_F(PlayTest, EveryLetterButtonSaysItsOwnLetterAndLongWordsAreSpelledInFull)
{
    const std::string word = "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG";
    WriteSubjectList("Pangrams\r\npangrams\r\n");
    WriteSubject("pangrams", {{"the quick brown fox jumps over the lazy dog", "fox.bmp"}});
    Launch("Pangrams");
    ASSERT_TRUE(Spoken({WordSaid(word)}));
    Settle();
    ExpectBoard("---/-----/-----/---/-----/----/---/----/---", "", "0", "0");

    Guess("ABCDEFGHIJKLMNOPQRSTUVWXY", "... right");
    Settle();
    ExpectBoard("THE/QUICK/BROWN/FOX/JUMPS/OVER/THE/LA-Y/DOG", " ", "0", "0");
    std::string spelled;
    for (char c : word) spelled += std::string(1, c) + ". ";
    HWND box = FinishWord('Z', "Tuckle - Win", WonSaid('Z', spelled, word));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ControlText(main, WordLineId), word);
    CloseResult(box, word);
    EXPECT_TRUE(NothingMoreSpoken());
}

TEST_F(PlayTest, NewGameLoadsOnlyAnotherSingleSubject)
{
    WriteSubjectList("Animals\r\nanimals\r\nSayings\r\nsayings\r\nPlants\r\nplants\r\n");
    WriteSubject("animals", {{"cat", "cat.bmp"}});
    WriteSubject("sayings", {{"say \"cheese\"", "cheese.bmp"}});
    WriteSubject("plants", {{"fern", "fern.bmp"}});
    Launch("Animals");
    ASSERT_TRUE(Spoken({WordSaid("CAT")}));
    Guess("CA", "... right");
    HWND box = FinishWord('T', "Tuckle - Win", WonSaid('T', "C. A. T. ", "CAT"));
    ASSERT_NE(box, nullptr);
    CloseResult(box, "CAT");
    Guess("A", "... right");
    Guess("O", "... wrong");
    Settle();
    ExpectBoard("-A-", "  O", "1", "0");

    // The list shows the subjects in file order, none selected; Esc and the
    // close box leave it open, a double click loads nothing, Cancel changes nothing.
    HWND dialog = OpenNewGame();
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, SubjectListId);
    EXPECT_EQ(ListItems(list), (std::vector<std::string>{"Animals", "Sayings", "Plants"}));
    EXPECT_EQ(SendMessageA(list, LB_GETSELCOUNT, 0, 0), 0);
    PressEscape(dialog);
    PressCloseBox(dialog);
    SendMessageA(list, LB_SETSEL, TRUE, 1);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(SubjectListId, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
    EXPECT_TRUE(Fence(dialog, CancelId)) << "the New Game dialog went away";
    Press(dialog, CancelId);
    ASSERT_TRUE(WaitForWindowGone(dialog));
    Settle();
    ExpectBoard("-A-", "  O", "1", "0");

    // Load with nothing selected, with the subject in play, with two others.
    for (std::initializer_list<int> selected : {std::initializer_list<int>{}, {0}, {1, 2}}) {
        SCOPED_TRACE(::testing::Message() << selected.size() << " selected");
        LoadSubjects(selected);
        Settle();
        EXPECT_NE(game.FindWindowNow("Tuckle's - Animals"), nullptr);
        ExpectBoard("-A-", "  O", "1", "0");
        EXPECT_TRUE(StageShows(1));
    }
    EXPECT_TRUE(NothingMoreSpoken());

    // Another subject: fresh tallies, the new word spoken twice. The quotes
    // of the word are shown but never spoken.
    LoadSubjects({1});
    main = game.WaitForWindow("Tuckle's - Sayings");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(Spoken({WordSaid("SAY CHEESE"), WordSaid("SAY CHEESE")}));
    Settle();
    ExpectBoard("---/\"------\"", " ", "0", "0");
    EXPECT_TRUE(StageShows(0));
    Press(main, SpeakId);
    ASSERT_TRUE(Spoken({WordSaid("SAY CHEESE")}));

    Guess("SAYCH", "... right");
    box = FinishWord('E', "Tuckle - Win", WonSaid('E', "S. A. Y.  . C. H. E. E. S. E. ", "SAY CHEESE"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ControlText(main, WordLineId), "SAY \"CHEESE\"");
    CloseResult(box, "SAY CHEESE");
    EXPECT_TRUE(NothingMoreSpoken());
}

TEST_F(PlayTest, ExitAndAboutAnswerOnlyTheirButtons)
{
    WriteSubjectList("Animals\r\nanimals\r\n");
    WriteSubject("animals", {{"cat", "cat.bmp"}});
    Launch("Animals");
    ASSERT_TRUE(Spoken({WordSaid("CAT")}));
    Guess("E", "... wrong");

    Press(main, AboutCommand);
    HWND about = game.WaitForWindow("Tuckle - About");
    ASSERT_NE(about, nullptr);
    std::vector<std::string> texts = ChildTexts(about, 1027);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "About Tuckle...");
    EXPECT_EQ(texts[1].rfind("\r\nTuckle's pets are escaping...\r\n\r\n"
                             "Only you can save them by spelling Tuckle's words correctly!\r\n\r\n", 0), 0u)
        << texts[1];
    PressEscape(about);
    PressCloseBox(about);
    EXPECT_TRUE(Fence(about, OkayId)) << "the About box went away";
    Press(about, OkayId);
    ASSERT_TRUE(WaitForWindowGone(about));

    Press(main, ExitCommand);
    HWND exit = game.WaitForWindow("Tuckle - Exit");
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(ControlText(exit, 1041), "\r\nAre you sure you wish to exit Tuckle?");
    PressEscape(exit);
    PressCloseBox(exit);
    EXPECT_TRUE(Fence(exit, NoId)) << "the exit confirmation went away";
    Press(exit, NoId);
    ASSERT_TRUE(WaitForWindowGone(exit));
    Settle();
    EXPECT_TRUE(game.Running());
    ExpectBoard("---", "  E", "0", "0");
    EXPECT_TRUE(StageShows(1));
    EXPECT_TRUE(NothingMoreSpoken());

    Press(main, ExitCommand);
    exit = game.WaitForWindow("Tuckle - Exit");
    ASSERT_NE(exit, nullptr);
    Press(exit, YesId);
    DWORD code = 1;
    ASSERT_TRUE(game.WaitForExit(code)) << "Yes did not end the game";
    EXPECT_EQ(code, 0u);
}

TEST_F(PlayTest, UnusableContentAtStartUpIsReportedAndEndsTheGame)
{
    struct Case {
        const char* subjects;  // NULL: no subject list at all
        const char* words;     // NULL: no word list
        const char* message;
    };
    const Case cases[] = {
        {NULL, NULL, "Cannot open the subject list \"tuckle.ini\"."},
        {"", NULL, "The subject list \"tuckle.ini\" holds no subject."},
        {"Animals\r\n", NULL, "The subject list \"tuckle.ini\" holds no subject."},
        {"Animals\r\nanimals\\pets\r\n", NULL, "Cannot open the word list \"animals\\pets\\data.txt\"."},
        {"Animals\r\nanimals\\pets\r\n", "cat\r\n", "The word list \"animals\\pets\\data.txt\" holds no word."},
    };
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Prepare("_" + std::to_string(++number));
        if (c.subjects) WriteSubjectList(c.subjects);
        if (c.words) {
            ASSERT_TRUE(folder->WriteFile("animals\\pets\\data.txt", c.words));
        }
        ExpectStartUpError(c.message);
    }
}

TEST_F(PlayTest, UnusableWordListAtSubjectChangeKeepsTheSubjectInPlay)
{
    WriteSubjectList("Animals\r\nanimals\r\nEmpty\r\nempty\r\nMissing\r\nfar\\away\r\n");
    WriteSubject("animals", {{"cat", "cat.bmp"}});
    ASSERT_TRUE(folder->WriteFile("empty\\data.txt", ""));
    Launch("Animals");
    ASSERT_TRUE(Spoken({WordSaid("CAT")}));
    Guess("CA", "... right");
    HWND box = FinishWord('T', "Tuckle - Win", WonSaid('T', "C. A. T. ", "CAT"));
    ASSERT_NE(box, nullptr);
    CloseResult(box, "CAT");
    Guess("A", "... right");

    struct Case {
        int item;
        const char* message;
    };
    const Case cases[] = {
        {1, "The word list \"empty\\data.txt\" holds no word."},
        {2, "Cannot open the word list \"far\\away\\data.txt\"."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        LoadSubjects({c.item});
        HWND error = game.WaitForWindow("Tuckle - Error");
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(MessageBoxText(error), std::string(c.message) + AtSubjectChange);
        Press(error, IDOK);
        ASSERT_TRUE(WaitForWindowGone(error));
        Settle();
        EXPECT_NE(game.FindWindowNow("Tuckle's - Animals"), nullptr);
        ExpectBoard("-A-", " ", "1", "0");
    }

    // The failed choice is not kept: Load with nothing selected tries no
    // subject. The error box would exist, though perhaps not yet be shown,
    // by the time the main window answers, so it is looked for shown or not.
    LoadSubjects({});
    Settle();
    EXPECT_EQ(FindWindowA("#32770", "Tuckle - Error"), nullptr) << "the failed subject was tried again";
    ExpectBoard("-A-", " ", "1", "0");
    EXPECT_TRUE(NothingMoreSpoken());

    // The word in play and the subject's words are intact: play goes on.
    Guess("C", "... right");
    box = FinishWord('T', "Tuckle - Win", WonSaid('T', "C. A. T. ", "CAT"));
    ASSERT_NE(box, nullptr);
    CloseResult(box, "CAT");
    ExpectBoard("---", " ", "2", "0");
    EXPECT_TRUE(NothingMoreSpoken());
}

} // namespace

namespace {

// The word picture's centre in the main window's client area: a small
// picture is shown at its own size in the middle of control 1029.
const int WordPictureX = 514 + 245 / 2;
const int WordPictureY = 25 + 235 / 2;

BOOL CALLBACK CountChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int ChildWindowCount(HWND window)
{
    int count = 0;
    EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&count));
    return count;
}

class WordPictureTest : public PlayTest {
protected:
    ::testing::AssertionResult PictureShows(COLORREF colour)
    {
        COLORREF seen = 0;
        if (WaitForPixel(main, WordPictureX, WordPictureY, colour, seen, 5000))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the word picture should be " << ColourName(colour)
                                             << ", the screen shows " << ColourName(seen);
    }

    // Changes the picture file on disk: only a rebuild shows the new colour.
    void Repaint(const std::string& file, COLORREF colour)
    {
        ASSERT_TRUE(folder->WriteBitmap(file, colour));
    }
};

} // namespace

// The picture comes at start-up and with the first letter of the first word,
// with the letter that finished a word (after its result box) for the next
// word, and at once at a subject change; one control shows them all.
TEST_F(WordPictureTest, ShownAtStartUpAfterTheFirstLetterAndAtASubjectChange)
{
    const COLORREF red = RGB(220, 20, 20), blue = RGB(20, 20, 220), green = RGB(20, 200, 20);
    const COLORREF yellow = RGB(230, 230, 20), purple = RGB(150, 20, 150);
    WriteSubjectList("Pets\r\npets\r\nToys\r\ntoys\r\n");
    WriteSubject("pets", {{"ox", "ox.bmp"}});
    WriteSubject("toys", {{"yo", "yo.bmp"}});
    Repaint("pets\\ox.bmp", red);
    Repaint("toys\\yo.bmp", yellow);
    Launch("Pets");
    ASSERT_TRUE(Spoken({WordSaid("OX")}));
    EXPECT_TRUE(PictureShows(red)) << "at start-up";
    const int children = ChildWindowCount(main);

    // Start-up does not mark the picture as shown, so the first letter of
    // the first word loads it once more; the next letter does not.
    Repaint("pets\\ox.bmp", blue);
    Guess("O", "... right");
    Settle();
    EXPECT_TRUE(PictureShows(blue)) << "after the first letter of the first word";
    Repaint("pets\\ox.bmp", green);
    HWND box = FinishWord('X', "Tuckle - Win", WonSaid('X', "O. X. ", "OX"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(PictureShows(blue)) << "a second letter rebuilt the picture";

    // The letter that finished the word draws the next one inside the
    // result; when its command ends after the box, that word has no picture
    // yet, so the command shows it. The next word's own letters do not.
    CloseResult(box, "OX");
    EXPECT_TRUE(PictureShows(green)) << "after the result box of the word before";
    Repaint("pets\\ox.bmp", red);
    Guess("Z", "... wrong");
    Guess("Q", "... wrong");
    Settle();
    EXPECT_TRUE(PictureShows(green)) << "a letter of the next word rebuilt the picture";

    // A subject change shows the new picture at once; its first letter does
    // not rebuild it.
    LoadSubjects({1});
    main = game.WaitForWindow("Tuckle's - Toys");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(Spoken({WordSaid("YO"), WordSaid("YO")}));
    EXPECT_TRUE(PictureShows(yellow)) << "after the subject change";
    Repaint("toys\\yo.bmp", purple);
    Guess("Z", "... wrong");
    Settle();
    EXPECT_TRUE(PictureShows(yellow)) << "the first letter after a subject change rebuilt the picture";
    EXPECT_EQ(ChildWindowCount(main), children) << "the word picture piles up windows";
}

// A picture file that is missing leaves the picture empty; the game goes on.
TEST_F(WordPictureTest, MissingPictureLeavesTheControlEmpty)
{
    WriteSubjectList("Pets\r\npets\r\n");
    WriteSubject("pets", {{"ox", "ox.bmp"}});
    ASSERT_TRUE(DeleteFileA((folder->Path() + "\\pets\\ox.bmp").c_str()));
    Launch("Pets");
    ASSERT_TRUE(Spoken({WordSaid("OX")}));
    HWND picture = GetDlgItem(main, 1029);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    Guess("O", "... right");
    Settle();
    ExpectBoard("O-", " ", "0", "0");
}
