// The folder chooser, answered from a helper thread.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "dialog_answer.h"
#include "scratch_folder.h"
#include "wicker.h"

namespace {

class BrowseForFolderTest : public ScratchFolderTest {};

TEST_F(BrowseForFolderTest, ChosenFolderComesBackAndCancelChangesNothing)
{
    const std::string chosen = folder.string();
    String path("unchanged");
    DialogAnswer cancel("Browse for Folder", IDCANCEL, GetCurrentProcessId());
    EXPECT_FALSE(BrowseForFolder(NULL, path));
    ASSERT_TRUE(cancel.Wait());
    EXPECT_EQ(path, String("unchanged"));

    DialogAnswer pick("Browse for Folder", IDOK, GetCurrentProcessId(), 10000, [&](HWND box) {
        SendMessageA(box, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(chosen.c_str()));
        Sleep(200);
    });
    EXPECT_TRUE(BrowseForFolder(NULL, path));
    ASSERT_TRUE(pick.Wait());
    EXPECT_EQ(lstrcmpiA(path.CStr(), chosen.c_str()), 0) << path.CStr();
}

}  // namespace
