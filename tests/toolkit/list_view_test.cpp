// The list view and the table share their items: added, read, selected and
// deleted as the control itself reports them, texts of any length, indices
// outside the items, and the image list each window keeps.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "picture_test_resources.h"
#include "probe_parent.h"
#include "wicker.h"
#include "window_attributes.h"

namespace {

const int ViewId = 501;

// Reads an item's text with a buffer larger than any text here, apart from the wrappers.
std::string RawText(HWND list, int item, int column = 0)
{
    std::string text(200001, '\0');
    LVITEMA request = {};
    request.iSubItem = column;
    request.pszText = &text[0];
    request.cchTextMax = (int)text.size();
    SendMessageA(list, LVM_GETITEMTEXTA, item, (LPARAM)&request);
    return text.c_str();
}

int RawImage(HWND list, int item)
{
    LVITEMA request = {};
    request.mask = LVIF_IMAGE;
    request.iItem = item;
    SendMessageA(list, LVM_GETITEMA, 0, (LPARAM)&request);
    return request.iImage;
}

// What a test needs of each kind, so that one test covers both.
template <class View>
struct Kind;

template <>
struct Kind<ListView> {
    static ListView Make(const Control& p) { return ListView("", ViewId, 0, 0, 300, 200, p); }
    static int Add(ListView& v, const String& text, int image = -1) { return v.Add(text, image).index; }
    static String Text(ListView& v, int index) { return v.ItemText(index); }
    static bool DeleteAt(ListView& v, int index)
    {
        ListViewItem item;
        item.list = v.hwnd;
        item.index = index;
        return item.Delete();
    }
    static bool DeleteAll(ListView& v) { return v.DeleteAll(); }
    static int Counter(ListView& v) { return v.itemCount; }
    static int Selected(ListView& v) { return v.SelectedIndex(); }
    static const int imagePlace = LVSIL_NORMAL;
};

template <>
struct Kind<TableView> {
    static TableView Make(const Control& p)
    {
        TableView table("", ViewId, 0, 0, 300, 200, p);
        table.AddColumn("first");
        return table;
    }
    static int Add(TableView& v, const String& text, int image = -1) { return v.AddRow(text, image).index; }
    static String Text(TableView& v, int index) { return v.Row(index).Text(); }
    static bool DeleteAt(TableView& v, int index) { return v.Row(index).Delete(); }
    static bool DeleteAll(TableView& v) { return v.DeleteAllRows(); }
    static int Counter(TableView& v) { return v.rowCount; }
    static int Selected(TableView& v) { return v.SelectedRow(); }
    static const int imagePlace = LVSIL_SMALL;
};

template <class View>
class ItemViewTest : public ProbeParentTest {
protected:
    View view;

    void SetUp() override
    {
        ProbeParentTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        view = Kind<View>::Make(parentControl);
        ASSERT_NE(view.hwnd, (HWND)NULL);
    }
    int CountOfControl() { return (int)SendMessageA(view.hwnd, LVM_GETITEMCOUNT, 0, 0); }
};

typedef ::testing::Types<ListView, TableView> ViewKinds;
TYPED_TEST_SUITE(ItemViewTest, ViewKinds);

TYPED_TEST(ItemViewTest, ItemsAddedDeletedAndAddedAgainAreTheOnesTheRecordsName)
{
    typedef Kind<TypeParam> K;
    EXPECT_EQ(K::Add(this->view, "pear", 2), 0);
    EXPECT_EQ(K::Add(this->view, "apple"), 1);
    EXPECT_EQ(K::Add(this->view, "fig", 0), 2);
    ASSERT_EQ(this->CountOfControl(), 3);
    const char* texts[] = {"pear", "apple", "fig"};
    const int images[] = {2, -1, 0};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(RawText(this->view.hwnd, i), texts[i]);
        EXPECT_EQ(std::string(K::Text(this->view, i).CStr()), texts[i]);
        EXPECT_EQ(RawImage(this->view.hwnd, i), images[i]);
    }

    EXPECT_TRUE(K::DeleteAt(this->view, 1));
    ASSERT_EQ(this->CountOfControl(), 2);
    EXPECT_EQ(RawText(this->view.hwnd, 1), "fig");
    EXPECT_EQ(K::Counter(this->view), 3);

    // The counter only grows, so the next item asks for a place past the end;
    // its record names where the control put it.
    EXPECT_TRUE(K::DeleteAll(this->view));
    EXPECT_EQ(this->CountOfControl(), 0);
    EXPECT_EQ(K::Counter(this->view), 3);
    EXPECT_EQ(K::Add(this->view, "kiwi"), 0);
    EXPECT_EQ(K::Add(this->view, "lime"), 1);
    EXPECT_EQ(K::Counter(this->view), 5);
    EXPECT_TRUE(K::DeleteAt(this->view, 0));
    ASSERT_EQ(this->CountOfControl(), 1);
    EXPECT_EQ(RawText(this->view.hwnd, 0), "lime");
}

TYPED_TEST(ItemViewTest, TheSelectionIsTheControls)
{
    typedef Kind<TypeParam> K;
    for (const char* text : {"a", "b", "c"})
        K::Add(this->view, text);
    EXPECT_EQ(K::Selected(this->view), -1);
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageA(this->view.hwnd, LVM_SETITEMSTATE, 2, (LPARAM)&state);
    EXPECT_EQ(K::Selected(this->view), 2);
}

TYPED_TEST(ItemViewTest, TextsOfAnyLengthComeBackWhole)
{
    typedef Kind<TypeParam> K;
    // Around the first buffer's size, and far past the old fixed 10,240 bytes.
    const int lengths[] = {0, 1, 254, 255, 256, 257, 1023, 1024, 10240, 100000};
    for (int length : lengths) {
        std::string text(length, 'x');
        for (int i = 0; i < length; i += 997)
            text[i] = (char)('a' + (i / 997) % 26);
        if (length > 0)
            text.back() = 'Z';
        int index = K::Add(this->view, text.c_str());
        ASSERT_GE(index, 0);
        ASSERT_EQ(RawText(this->view.hwnd, index).size(), (size_t)length);
        String read = K::Text(this->view, index);
        EXPECT_EQ(read.Length, length);
        EXPECT_TRUE(std::string(read.CStr()) == text) << length;
    }
}

TYPED_TEST(ItemViewTest, IndicesOutsideTheItemsFail)
{
    typedef Kind<TypeParam> K;
    K::Add(this->view, "only");
    for (int index : {1, 2, 100000, -1, -2}) {
        SCOPED_TRACE(index);
        EXPECT_TRUE(K::Text(this->view, index).empty());
        EXPECT_FALSE(K::DeleteAt(this->view, index));
    }
    EXPECT_EQ(this->CountOfControl(), 1);
    TypeParam none;
    EXPECT_EQ(K::Add(none, "x"), -1);
    EXPECT_TRUE(K::Text(none, 0).empty());
    EXPECT_FALSE(K::DeleteAll(none));
}

TYPED_TEST(ItemViewTest, TheImageListOutlivesTheCallersCopyAndTheControlLeavesItAlone)
{
    HIMAGELIST shown = NULL;
    {
        ImageList icons;
        ASSERT_EQ(icons.AddIconResource(PICTURE_SUN_ICON), 0);
        EXPECT_EQ(this->view.SetImageList(icons), (HIMAGELIST)NULL);
        shown = icons.handle;
        EXPECT_EQ(icons.Holders(), 2);
    }
    EXPECT_EQ((HIMAGELIST)SendMessageA(this->view.hwnd, LVM_GETIMAGELIST,
                                       Kind<TypeParam>::imagePlace, 0),
              shown);
    EXPECT_EQ(ImageList_GetImageCount(shown), 1);
    Kind<TypeParam>::Add(this->view, "sun", 0);
    UpdateWindow(this->view.hwnd);

    // A list the caller still holds survives the window: the control shares
    // its lists and does not destroy them.
    ImageList kept;
    kept.AddIconResource(PICTURE_SUN_ICON);
    EXPECT_EQ(this->view.SetImageList(kept), shown);
    EXPECT_EQ(kept.Holders(), 2);
    DestroyWindow(this->view.hwnd);
    EXPECT_EQ(kept.Holders(), 1);
    EXPECT_EQ(ImageList_GetImageCount(kept.handle), 1);
}

// ---- what is the list view's own ----

class ListViewTest : public ProbeParentTest {};

TEST_F(ListViewTest, CreationStylesTextAndPlace)
{
    ListView shown("Icons", ViewId, 10, 20, 200, 150, parentControl);
    EXPECT_EQ(WindowStyle(shown.hwnd), 0x50010040u);
    EXPECT_EQ(WindowText(shown.hwnd), "Icons");
    EXPECT_EQ(GetDlgCtrlID(shown.hwnd), ViewId);
    EXPECT_EQ(RectInParent(shown.hwnd).left, 10);
    EXPECT_EQ(RectInParent(shown.hwnd).top, 20);
    EXPECT_EQ(shown.Width, 200);
    EXPECT_EQ(shown.itemCount, 0);
    ListView hidden("", ViewId, 0, 0, 100, 100, parentControl, false, false);
    EXPECT_EQ(WindowStyle(hidden.hwnd), 0x40010040u | WS_DISABLED);
}

TEST_F(ListViewTest, ColoursAndArrangement)
{
    ListView view("", ViewId, 0, 0, 200, 150, parentControl);
    view.Add("one");
    view.Add("two");
    EXPECT_TRUE(view.SetBackgroundColor(RGB(10, 20, 30)));
    EXPECT_EQ(view.BackgroundColor(), RGB(10, 20, 30));
    EXPECT_EQ((COLORREF)SendMessageA(view.hwnd, LVM_GETTEXTBKCOLOR, 0, 0), RGB(10, 20, 30));
    EXPECT_TRUE(view.SetTextColor(RGB(200, 100, 0)));
    EXPECT_EQ((COLORREF)SendMessageA(view.hwnd, LVM_GETTEXTCOLOR, 0, 0), RGB(200, 100, 0));
    EXPECT_TRUE(view.ArrangeTop());
    EXPECT_TRUE(view.SnapToGrid());
    EXPECT_EQ(view.Count(), 2);
}

}  // namespace
