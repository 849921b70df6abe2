// The extended combo box on a probe parent: its windows, the count Add
// returns, and the image list it keeps. The item operations it shares with
// the list boxes are tested with them.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "extended_combo_item.h"
#include "picture_test_resources.h"
#include "probe_parent.h"
#include "wicker.h"
#include "window_attributes.h"

namespace {

const int ComboId = 402;

class ComboBoxTest : public ProbeParentTest {};

TEST_F(ComboBoxTest, CreationStylesForBothKinds)
{
    struct Case {
        bool enabled, visible, listOnly;
        DWORD style;
    } cases[] = {
        {true, true, false, 0x50210802},
        {true, true, true, 0x50210803},
        {false, false, true, 0x48210803},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        ComboBox combo("Pick", ComboId, 10, 20, 150, 120, parentControl, c.enabled, c.visible,
                       false, c.listOnly, WS_EX_CLIENTEDGE);
        ASSERT_NE(combo.hwnd, (HWND)NULL);
        EXPECT_EQ(WindowClass(combo.hwnd), "ComboBoxEx32");
        // The system clears WS_VSCROLL while no scroll bar shows.
        EXPECT_EQ(WindowStyle(combo.hwnd) | WS_VSCROLL, c.style);
        EXPECT_TRUE(WindowExStyle(combo.hwnd) & WS_EX_CLIENTEDGE);
        EXPECT_EQ(GetDlgCtrlID(combo.hwnd), ComboId);
        EXPECT_EQ(GetParent(combo.hwnd), probe);
        EXPECT_EQ(RectInParent(combo.hwnd).left, 10);
        // Only the drop-down kind has a field to type in.
        HWND edit = (HWND)SendMessageA(combo.hwnd, CBEM_GETEDITCONTROL, 0, 0);
        EXPECT_EQ(edit != NULL, !c.listOnly);
        DestroyWindow(combo.hwnd);
    }
}

TEST_F(ComboBoxTest, AddReturnsTheNewCountAndAppends)
{
    ComboBox combo("", ComboId, 0, 0, 150, 120, parentControl);
    EXPECT_EQ(combo.Add("zebra", 1), 1);
    EXPECT_EQ(combo.Add("ant", 2), 2);
    EXPECT_EQ(combo.Add("moth", 3, 0), 3);
    EXPECT_EQ(SendMessageA(combo.hwnd, CB_GETCOUNT, 0, 0), 3);
    const char* order[] = {"zebra", "ant", "moth"};
    for (int i = 0; i < 3; ++i) {
        ExtendedComboItem item = ReadExtendedComboItem(combo.hwnd, i);
        ASSERT_TRUE(item.found);
        EXPECT_EQ(item.text, order[i]);
        EXPECT_EQ(item.data, i + 1);
        EXPECT_EQ(item.image, i == 2 ? 0 : -1);
    }
    EXPECT_EQ(combo.TopIndex(), 0);
}

TEST_F(ComboBoxTest, TheImageListStaysWithTheWindow)
{
    ComboBox combo("", ComboId, 0, 0, 150, 120, parentControl);
    HIMAGELIST shown = NULL;
    {
        ImageList icons;
        ASSERT_EQ(icons.AddIconResource(PICTURE_SUN_ICON), 0);
        EXPECT_EQ(combo.SetImageList(icons), (HIMAGELIST)NULL);
        shown = icons.handle;
    }
    // The caller's holder is gone; the list the window shows is alive.
    EXPECT_EQ((HIMAGELIST)SendMessageA(combo.hwnd, CBEM_GETIMAGELIST, 0, 0), shown);
    EXPECT_EQ(ImageList_GetImageCount(shown), 1);
    combo.Add("sun", 0, 0);
    UpdateWindow(combo.hwnd);
    EXPECT_EQ(combo.SetImageList(ImageList()), shown);
}

}  // namespace
