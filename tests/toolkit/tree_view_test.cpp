// The tree view on a probe parent: its window, items added under parents and
// the root as the control itself links them, selection, deletion, data, long
// texts and records that name no item.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "picture_test_resources.h"
#include "probe_parent.h"
#include "wicker.h"
#include "window_attributes.h"

namespace {

const int TreeId = 403;

class TreeViewTest : public ProbeParentTest {
protected:
    TreeView MakeTree() { return TreeView("ignored", TreeId, 5, 6, 200, 150, parentControl); }
};

HTREEITEM Next(HWND tree, UINT relation, HTREEITEM item = NULL)
{
    return (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, relation, (LPARAM)item);
}

// The text and data the control holds, read apart from the wrapper.
std::string RawText(HWND tree, HTREEITEM item, LPARAM* data = NULL)
{
    static char text[200000];
    TVITEMA request = {};
    request.mask = TVIF_TEXT | TVIF_PARAM;
    request.hItem = item;
    request.pszText = text;
    request.cchTextMax = sizeof text;
    text[0] = 0;
    if (!SendMessageA(tree, TVM_GETITEMA, 0, (LPARAM)&request))
        return "<none>";
    if (data)
        *data = request.lParam;
    return text;
}

int CountOf(HWND tree)
{
    return (int)SendMessageA(tree, TVM_GETCOUNT, 0, 0);
}

bool IsExpanded(HWND tree, HTREEITEM item)
{
    return (SendMessageA(tree, TVM_GETITEMSTATE, (WPARAM)item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

TEST_F(TreeViewTest, CreationStylesAndWindow)
{
    struct Case {
        bool enabled, visible;
        DWORD style;
    } cases[] = {{true, true, 0x5001006F}, {false, false, 0x4801006F}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        TreeView tree("shown nowhere", TreeId, 5, 6, 200, 150, parentControl, c.enabled,
                      c.visible, false, WS_EX_CLIENTEDGE);
        ASSERT_NE(tree.hwnd, (HWND)NULL);
        EXPECT_EQ(WindowClass(tree.hwnd), "SysTreeView32");
        EXPECT_EQ(tree.Text(), "TreeView");
        EXPECT_EQ(WindowStyle(tree.hwnd), c.style);
        EXPECT_TRUE(WindowExStyle(tree.hwnd) & WS_EX_CLIENTEDGE);
        EXPECT_EQ(GetDlgCtrlID(tree.hwnd), TreeId);
        EXPECT_EQ(RectInParent(tree.hwnd).left, 5);
        EXPECT_EQ((HFONT)SendMessageA(tree.hwnd, WM_GETFONT, 0, 0), GetStockObject(DEFAULT_GUI_FONT));
        DestroyWindow(tree.hwnd);
    }
}

TEST_F(TreeViewTest, ParentsChildrenAndTheRootAsTheControlLinksThem)
{
    TreeView tree = MakeTree();
    TreeItem a = tree.Add(TreeRoot, "A", 10);
    TreeItem a1 = tree.Add(a, "A1", 11);
    TreeItem a2 = a.AddChild("A2", 12);
    // AddChild leaves the tree's records alone.
    EXPECT_EQ(tree.lastItem.item, a1.item);
    TreeItem a11 = a1.AddChild("A11", 13);
    // Any record whose parent is null stands for the root.
    TreeItem b = tree.Add(TreeItem(NULL, a.item), "B", 20);
    TreeItem b1 = tree.Add(b, "B1", 21);
    EXPECT_EQ(tree.lastItem.item, b1.item);
    EXPECT_EQ(tree.lastTopItem.item, b.item);
    EXPECT_EQ(CountOf(tree.hwnd), 6);
    EXPECT_EQ(tree.Count(), 6);

    struct Case {
        const TreeItem& item;
        const char* text;
        LPARAM data;
        HTREEITEM recordParent, controlParent, previous;
    } cases[] = {
        {a, "A", 10, TVI_ROOT, NULL, NULL},
        {a1, "A1", 11, a.item, a.item, NULL},
        {a2, "A2", 12, a.item, a.item, a1.item},
        {a11, "A11", 13, a1.item, a1.item, NULL},
        {b, "B", 20, TVI_ROOT, NULL, a.item},
        {b1, "B1", 21, b.item, b.item, NULL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_NE(c.item.item, (HTREEITEM)NULL);
        EXPECT_EQ(c.item.tree, tree.hwnd);
        EXPECT_EQ(c.item.parentItem, c.recordParent);
        EXPECT_EQ(c.item.text, c.text);
        EXPECT_EQ(c.item.data, c.data);
        LPARAM data = 0;
        EXPECT_EQ(RawText(tree.hwnd, c.item.item, &data), c.text);
        EXPECT_EQ(data, c.data);
        EXPECT_EQ(c.item.ItemText(), c.text);
        EXPECT_EQ(Next(tree.hwnd, TVGN_PARENT, c.item.item), c.controlParent);
        EXPECT_EQ(Next(tree.hwnd, TVGN_PREVIOUS, c.item.item), c.previous);
    }
    EXPECT_EQ(Next(tree.hwnd, TVGN_ROOT), a.item);
}

TEST_F(TreeViewTest, SelectionExpansionAndDeletion)
{
    TreeView tree = MakeTree();
    // Nothing selected: an empty record.
    TreeItem none = tree.SelectedItem();
    EXPECT_EQ(none.tree, (HWND)NULL);
    EXPECT_EQ(none.parentItem, (HTREEITEM)NULL);
    EXPECT_EQ(none.item, (HTREEITEM)NULL);
    EXPECT_EQ(none.text, "");
    EXPECT_EQ(tree.SelectedText(), "");
    EXPECT_EQ(tree.SelectedData(), 0);

    TreeItem a = tree.Add(TreeRoot, "A", 1);
    TreeItem a1 = tree.Add(a, "A1", 2);
    TreeItem b = tree.Add(TreeRoot, "B", 3);
    EXPECT_TRUE(a1.Select());
    EXPECT_EQ(Next(tree.hwnd, TVGN_CARET), a1.item);
    TreeItem selected = tree.SelectedItem();
    EXPECT_EQ(selected.tree, tree.hwnd);
    EXPECT_EQ(selected.parentItem, a.item);
    EXPECT_EQ(selected.item, a1.item);
    EXPECT_EQ(selected.text, "A1");
    EXPECT_EQ(selected.data, 2);
    EXPECT_EQ(tree.SelectedText(), "A1");
    EXPECT_EQ(tree.SelectedData(), 2);

    // Adding under a selected top-level item adds a child of it.
    ASSERT_TRUE(b.Select());
    EXPECT_EQ(tree.SelectedItem().parentItem, TVI_ROOT);
    TreeItem b1 = tree.Add(tree.SelectedItem(), "B1", 4);
    EXPECT_EQ(Next(tree.hwnd, TVGN_PARENT, b1.item), b.item);

    EXPECT_TRUE(a.SelectAndExpand());
    EXPECT_EQ(Next(tree.hwnd, TVGN_CARET), a.item);
    EXPECT_TRUE(IsExpanded(tree.hwnd, a.item));
    EXPECT_TRUE(a.SelectAndCollapse());
    EXPECT_FALSE(IsExpanded(tree.hwnd, a.item));
    EXPECT_TRUE(a.Toggle());
    EXPECT_TRUE(IsExpanded(tree.hwnd, a.item));
    EXPECT_TRUE(a.Collapse());
    EXPECT_TRUE(b.Expand());
    EXPECT_TRUE(IsExpanded(tree.hwnd, b.item));
    EXPECT_TRUE(a.ClearSelection());
    EXPECT_EQ(Next(tree.hwnd, TVGN_CARET), (HTREEITEM)NULL);

    // An item goes with its children.
    EXPECT_TRUE(a.Delete());
    EXPECT_EQ(CountOf(tree.hwnd), 2);
    EXPECT_EQ(Next(tree.hwnd, TVGN_ROOT), b.item);
    EXPECT_TRUE(tree.DeleteAll());
    EXPECT_EQ(CountOf(tree.hwnd), 0);
}

TEST_F(TreeViewTest, TextsOfAnyLengthComeBackWhole)
{
    TreeView tree = MakeTree();
    TreeItem parentItem = tree.Add(TreeRoot, "parent");
    for (size_t length : {0u, 1022u, 1023u, 1024u, 1025u, 4096u, 100000u}) {
        SCOPED_TRACE(length);
        std::string text(length, 'x');
        if (length > 2)
            text[length - 1] = 'z';
        TreeItem item = parentItem.AddChild(text.c_str(), 7);
        ASSERT_EQ(RawText(tree.hwnd, item.item), text);
        EXPECT_EQ(item.ItemText(), text.c_str());
        ASSERT_TRUE(item.Select());
        EXPECT_EQ(tree.SelectedText(), text.c_str());
        EXPECT_EQ(tree.SelectedItem().text, text.c_str());
        EXPECT_EQ(tree.SelectedData(), 7);
    }
}

TEST_F(TreeViewTest, RecordsNamingNoItemFailWithoutTouchingTheTree)
{
    TreeView tree = MakeTree();
    TreeItem a = tree.Add(TreeRoot, "A", 1);
    TreeItem a1 = a.AddChild("A1", 2);
    TreeItem gone = tree.Add(TreeRoot, "gone", 3);
    ASSERT_TRUE(gone.Delete());
    ASSERT_TRUE(a1.Select());

    TreeItem withoutItem;
    withoutItem.tree = tree.hwnd;
    TreeItem rootOfTree(NULL, TVI_ROOT);
    rootOfTree.tree = tree.hwnd;
    struct Case {
        const char* name;
        const TreeItem& record;
    } cases[] = {{"empty", TreeItem()},     {"TreeRoot", TreeRoot}, {"no item", withoutItem},
                 {"root item", rootOfTree}, {"deleted", gone}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.record.ItemText(), "");
        EXPECT_FALSE(c.record.Select());
        EXPECT_FALSE(c.record.SelectAndExpand());
        EXPECT_FALSE(c.record.Expand());
        EXPECT_FALSE(c.record.Toggle());
        EXPECT_FALSE(c.record.Delete());
        EXPECT_EQ(CountOf(tree.hwnd), 2);
        EXPECT_EQ(Next(tree.hwnd, TVGN_CARET), a1.item);
    }
    // A tree without a window adds nothing and selects nothing.
    TreeView windowless;
    EXPECT_EQ(windowless.Add(TreeRoot, "x").item, (HTREEITEM)NULL);
    EXPECT_EQ(windowless.lastItem.item, (HTREEITEM)NULL);
    EXPECT_EQ(windowless.Count(), 0);
    EXPECT_EQ(windowless.SelectedItem().item, (HTREEITEM)NULL);
    EXPECT_FALSE(windowless.DeleteAll());
    EXPECT_EQ(TreeRoot.AddChild("x").item, (HTREEITEM)NULL);
}

TEST_F(TreeViewTest, TheImageListStaysWithTheWindow)
{
    TreeView tree = MakeTree();
    HIMAGELIST shown = NULL;
    {
        ImageList icons;
        ASSERT_EQ(icons.AddIconResource(PICTURE_SUN_ICON), 0);
        EXPECT_EQ(tree.SetImageList(icons), (HIMAGELIST)NULL);
        shown = icons.handle;
    }
    EXPECT_EQ((HIMAGELIST)SendMessageA(tree.hwnd, TVM_GETIMAGELIST, TVSIL_NORMAL, 0), shown);
    EXPECT_EQ(ImageList_GetImageCount(shown), 1);
    tree.Add(TreeRoot, "sun", 0, 0, 0);
    UpdateWindow(tree.hwnd);
    EXPECT_EQ(tree.SetImageList(ImageList()), shown);
}

}  // namespace
