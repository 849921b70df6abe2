// The main window run in-process, so that a test can give a subject the
// subject mark (the subject list has no source for it) and check the marked
// paths: the picture name shown in the second word line and spoken at a
// subject change, and that line kept after a result.
#include <algorithm>
#include <string>
#include <vector>

#include "main_window_fixture.h"

namespace {

using MarkedSubjectTest = MainWindowTest;

TEST_F(MarkedSubjectTest, PictureNameIsShownSpokenAndKept)
{
    EXPECT_EQ(Text(dialog, IDC_SECOND_LINE), "");
    ASSERT_EQ(Utterances(1), (std::vector<std::string>{"\"OX\""}));

    // A marked subject: its first picture name is shown and spoken after the
    // word, then spoken once more by the turn display.
    game.subjectMarks[2] = 1;
    ChooseSubject(1);
    EXPECT_EQ(game.currentSubject, 2);
    EXPECT_EQ(Text(dialog, IDC_SECOND_LINE), "yo.jpg");
    // Utterances are separate processes started one after another and never
    // awaited, so the log may hold them in any order.
    std::vector<std::string> said = Utterances(4);
    std::sort(said.begin(), said.end());
    EXPECT_EQ(said, (std::vector<std::string>{"\"OX\"", "\"YO\"", "\"yo.jpg\"", "\"yo.jpg\""}));

    // After a result the line is kept for a marked subject.
    Letter('Y');
    DialogAnswer result("Tuckle - Win", IDC_OKAY, GetCurrentProcessId());
    Letter('O');
    EXPECT_TRUE(result.Wait());
    EXPECT_EQ(Text(dialog, IDC_SECOND_LINE), "yo.jpg");
    EXPECT_EQ(game.wonCount, 1);

    // Without the mark the line is emptied after a result.
    game.subjectMarks[2] = 0;
    DialogAnswer lost("Tuckle - Lose", IDC_OKAY, GetCurrentProcessId());
    for (char c : std::string("ABCDEFGHIJ")) Letter(c);
    EXPECT_TRUE(lost.Wait());
    EXPECT_EQ(Text(dialog, IDC_SECOND_LINE), "");
    EXPECT_EQ(game.lostCount, 1);
}

} // namespace
