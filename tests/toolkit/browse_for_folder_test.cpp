// The folder chooser, answered from a helper thread.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
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

    // The chooser may still be filling its tree when it shows, and then a
    // selection made at once can be replaced by its first one: the folder is
    // selected until the tree's selected item is it, then OK is pressed.
    const std::string leaf = folder.filename().string();
    DialogAnswer pick("Browse for Folder", IDOK, GetCurrentProcessId(), 10000, [&](HWND box) {
        HWND tree = FindWindowExA(box, NULL, WC_TREEVIEWA, NULL);
        for (int attempt = 0; attempt < 50; ++attempt) {
            SendMessageA(box, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(chosen.c_str()));
            Sleep(100);
            char text[MAX_PATH] = {};
            TVITEMA item = {};
            item.mask = TVIF_TEXT;
            item.hItem = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
            item.pszText = text;
            item.cchTextMax = sizeof text;
            if (item.hItem != NULL && SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) &&
                lstrcmpiA(text, leaf.c_str()) == 0)
                break;
        }
    });
    EXPECT_TRUE(BrowseForFolder(NULL, path));
    ASSERT_TRUE(pick.Wait());
    EXPECT_EQ(lstrcmpiA(path.CStr(), chosen.c_str()), 0) << path.CStr();
}

}  // namespace
