// The free message boxes: owner given as a handle or as a control, answers
// pressed from a helper thread.
#include <gtest/gtest.h>

#include <windows.h>

#include "dialog_answer.h"
#include "probe_parent.h"
#include "wicker.h"

namespace {

class MessageBoxesTest : public ProbeParentTest {
protected:
    MessageBoxesTest() : ProbeParentTest(300, 200) {}
};

TEST_F(MessageBoxesTest, AskYesNoCancelGivesZeroOneTwo)
{
    const struct {
        int button;
        int result;
    } answers[] = {{IDYES, 0}, {IDNO, 1}, {IDCANCEL, 2}};
    Control owner = parentControl;
    for (const auto& row : answers) {
        DialogAnswer byHandle("Question", row.button, GetCurrentProcessId());
        EXPECT_EQ(AskYesNoCancel(probe, "Save?", "Question"), row.result);
        ASSERT_TRUE(byHandle.Wait());
        EXPECT_EQ(byHandle.owner, probe);
        EXPECT_EQ(byHandle.defaultButton, IDCANCEL);

        DialogAnswer byControl("Question", row.button, GetCurrentProcessId());
        EXPECT_EQ(AskYesNoCancel(owner, "Save?", "Question"), row.result);
        ASSERT_TRUE(byControl.Wait());
        EXPECT_EQ(byControl.owner, probe);
    }
}

TEST_F(MessageBoxesTest, EveryBoxShowsItsTextWithTheOwnerGiven)
{
    Control owner = parentControl;
    DialogAnswer info("Info", IDOK, GetCurrentProcessId());
    EXPECT_EQ(InfoBox(owner, "Saved.", "Info"), IDOK);
    ASSERT_TRUE(info.Wait());
    EXPECT_EQ(info.text, "Saved.");
    EXPECT_EQ(info.owner, probe);

    DialogAnswer yes("Yes or no", IDYES, GetCurrentProcessId());
    EXPECT_TRUE(AskYesNo(probe, "Go on?", "Yes or no"));
    ASSERT_TRUE(yes.Wait());
    EXPECT_EQ(yes.defaultButton, IDNO);

    DialogAnswer cancel("Ok or cancel", IDCANCEL, GetCurrentProcessId());
    EXPECT_FALSE(AskOkCancel(owner, "Go on?", "Ok or cancel"));
    ASSERT_TRUE(cancel.Wait());

    DialogAnswer plain("Plain", IDRETRY, GetCurrentProcessId());
    EXPECT_EQ(MsgBox((HWND)NULL, "Again?", "Plain", MB_RETRYCANCEL), IDRETRY);
    ASSERT_TRUE(plain.Wait());
    EXPECT_EQ(plain.owner, (HWND)NULL);
}

}  // namespace
