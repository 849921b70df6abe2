// The list boxes, and the item operations the combo box shares with them, on
// a probe parent: what each window is made of, and items added, found,
// selected and deleted as the control itself reports them.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "extended_combo_item.h"
#include "probe_parent.h"
#include "wicker.h"
#include "window_attributes.h"

namespace {

const int ListId = 401;

// What a test needs to know of each kind: how to make one, and the messages
// that read its items straight from the control.
template <class List>
struct Kind;

// The messages both list boxes answer alike.
struct ListBoxMessages {
    static const UINT getCount = LB_GETCOUNT, getCurSel = LB_GETCURSEL, getData = LB_GETITEMDATA;
    static const bool keepsMinusOne = true;
    // Reads with a buffer of the control's own length, apart from the wrapper.
    static std::string RawText(HWND list, int index)
    {
        LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
        if (length < 0)
            return "<error>";
        std::string text(length + 1, '\0');
        SendMessageA(list, LB_GETTEXT, index, (LPARAM)&text[0]);
        text.resize(length);
        return text;
    }
};

template <>
struct Kind<ListBox> : ListBoxMessages {
    static ListBox Make(const Control& p) { return ListBox("", ListId, 10, 10, 200, 150, p); }
    static const bool sorted = true;
};

template <>
struct Kind<MCListBox> : ListBoxMessages {
    static MCListBox Make(const Control& p) { return MCListBox("", ListId, 10, 10, 200, 150, p); }
    static const bool sorted = false;
};

template <>
struct Kind<ComboBox> {
    static ComboBox Make(const Control& p) { return ComboBox("", ListId, 10, 10, 200, 150, p); }
    static const UINT getCount = CB_GETCOUNT, getCurSel = CB_GETCURSEL, getData = CB_GETITEMDATA;
    static const bool sorted = false;
    // Data -1 reads as CB_ERR, which ItemData turns into 0.
    static const bool keepsMinusOne = false;
    // The extended control's own item record.
    static std::string RawText(HWND combo, int index)
    {
        ExtendedComboItem item = ReadExtendedComboItem(combo, index);
        return item.found ? item.text : "<error>";
    }
};

template <class List>
class ListItemsTest : public ProbeParentTest {
protected:
    List list;

    void SetUp() override
    {
        ProbeParentTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        list = Kind<List>::Make(parentControl);
        ASSERT_NE(list.hwnd, (HWND)NULL);
    }

    int CountOfControl() { return (int)SendMessageA(list.hwnd, Kind<List>::getCount, 0, 0); }
    int SelectionOfControl() { return (int)SendMessageA(list.hwnd, Kind<List>::getCurSel, 0, 0); }
    LPARAM DataOfControl(int index)
    {
        return SendMessageA(list.hwnd, Kind<List>::getData, index, 0);
    }
    std::string TextOfControl(int index) { return Kind<List>::RawText(list.hwnd, index); }
};

typedef ::testing::Types<ListBox, MCListBox, ComboBox> ListKinds;
TYPED_TEST_SUITE(ListItemsTest, ListKinds);

TYPED_TEST(ListItemsTest, AddedItemsKeepTheirTextsDataAndOrder)
{
    this->list.Add("pear", 30);
    this->list.Add("apple", 10);
    this->list.Add("fig", -1);
    ASSERT_EQ(this->CountOfControl(), 3);
    EXPECT_EQ(this->list.Count(), 3);
    // The sorted list box puts each in its place; the others keep the order of adding.
    const char* order[] = {"pear", "apple", "fig"};
    const char* sorted[] = {"apple", "fig", "pear"};
    const LPARAM data[] = {30, 10, -1};
    const LPARAM sortedData[] = {10, -1, 30};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const char* expected = Kind<TypeParam>::sorted ? sorted[i] : order[i];
        EXPECT_EQ(this->TextOfControl(i), expected);
        EXPECT_EQ(std::string(this->list.ItemText(i).CStr()), expected);
        EXPECT_EQ(this->list.ItemTextLength(i), (int)strlen(expected));
        LPARAM expectedData = Kind<TypeParam>::sorted ? sortedData[i] : data[i];
        EXPECT_EQ(this->DataOfControl(i), expectedData);
        if (expectedData == -1 && !Kind<TypeParam>::keepsMinusOne)
            expectedData = 0;
        EXPECT_EQ(this->list.ItemData(i), expectedData);
    }
    EXPECT_EQ(this->list.DataOf("pe"), 30);
    EXPECT_EQ(this->list.DataOf("fig"), Kind<TypeParam>::keepsMinusOne ? -1 : 0);
    EXPECT_EQ(this->list.DataOf("banana"), 0);
}

TYPED_TEST(ListItemsTest, FindSelectAndDeleteAsTheControlReports)
{
    this->list.Add("alpha", 1);
    this->list.Add("beta", 2);
    this->list.Add("gamma", 3);
    EXPECT_EQ(this->list.FindString("gam"), 2);
    EXPECT_EQ(this->list.FindStringExact("BETA"), 1);
    EXPECT_EQ(this->list.FindStringExact("bet"), -1);
    EXPECT_EQ(this->list.FindString("delta"), -1);

    EXPECT_EQ(this->list.SelectString("be"), 1);
    EXPECT_EQ(this->SelectionOfControl(), 1);
    EXPECT_EQ(this->list.SelectedIndex(), 1);
    EXPECT_EQ(this->list.SelectedData(), 2);
    EXPECT_EQ(this->list.SelectString("delta"), -1);

    EXPECT_TRUE(this->list.SetSelectedIndex(2));
    EXPECT_EQ(this->SelectionOfControl(), 2);
    EXPECT_EQ(this->list.SelectedData(), 3);
    EXPECT_FALSE(this->list.SetSelectedIndex(-1));
    EXPECT_EQ(this->SelectionOfControl(), -1);
    EXPECT_EQ(this->list.SelectedData(), 0);

    EXPECT_TRUE(this->list.DeleteString("alp"));
    EXPECT_FALSE(this->list.DeleteString("alp"));
    EXPECT_TRUE(this->list.Delete(1));
    ASSERT_EQ(this->CountOfControl(), 1);
    EXPECT_EQ(this->TextOfControl(0), "beta");

    this->list.Clear();
    EXPECT_EQ(this->CountOfControl(), 0);
}

TYPED_TEST(ListItemsTest, IndicesOutsideTheListGiveTheFailureResults)
{
    this->list.Add("only", 5);
    for (int index : {1, 2, 100000, -2}) {
        SCOPED_TRACE(index);
        EXPECT_FALSE(this->list.SetSelectedIndex(index));
        EXPECT_FALSE(this->list.Delete(index));
        EXPECT_EQ(this->list.ItemTextLength(index), 0);
        EXPECT_TRUE(this->list.ItemText(index).empty());
        LPARAM data = this->list.ItemData(index);
        // The list boxes pass LB_ERR on; the combo box gives 0.
        EXPECT_TRUE(data == LB_ERR || data == 0) << data;
    }
    EXPECT_EQ(this->CountOfControl(), 1);
}

TYPED_TEST(ListItemsTest, AnItemOfAHundredThousandBytesComesBackWhole)
{
    std::string text(100000, 'x');
    for (size_t i = 0; i < text.size(); i += 1000)
        text[i] = static_cast<char>('a' + (i / 1000) % 26);
    text.back() = 'Z';
    this->list.Add(text.c_str(), 7);
    ASSERT_EQ(this->TextOfControl(0), text);
    EXPECT_EQ(this->list.ItemTextLength(0), 100000);
    String read = this->list.ItemText(0);
    EXPECT_EQ(read.Length, 100000);
    EXPECT_TRUE(std::string(read.CStr()) == text);
}

TYPED_TEST(ListItemsTest, WithoutAWindowEveryOperationFails)
{
    TypeParam none;
    EXPECT_EQ(none.hwnd, (HWND)NULL);
    EXPECT_LE(none.Add("x", 1), 0);
    EXPECT_FALSE(none.SetSelectedIndex(0));
    EXPECT_FALSE(none.Delete(0));
    EXPECT_FALSE(none.DeleteString("x"));
    EXPECT_TRUE(none.ItemText(0).empty());
    EXPECT_EQ(none.Count(), 0);
}

// ---- what sets the list boxes apart ----

class ListBoxTest : public ProbeParentTest {};

TEST_F(ListBoxTest, CreationStylesTextAndColumns)
{
    // An empty list hides its scroll bar, and the system then clears
    // WS_VSCROLL; the bit comes back once the items overflow.
    ListBox plain("Fruit", ListId, 10, 20, 150, 100, parentControl);
    EXPECT_EQ(WindowStyle(plain.hwnd) | WS_VSCROLL, kListBoxStyle | WS_VISIBLE);
    EXPECT_EQ(WindowStyle(plain.hwnd) | WS_VSCROLL, 0x50A10143u);
    EXPECT_EQ(WindowText(plain.hwnd), "Fruit");
    EXPECT_EQ(GetDlgCtrlID(plain.hwnd), ListId);
    EXPECT_EQ(RectInParent(plain.hwnd).left, 10);
    EXPECT_EQ(RectInParent(plain.hwnd).top, 20);
    EXPECT_EQ(plain.Width, 150);

    ListBox hidden("", ListId, 0, 0, 100, 100, parentControl, false, false, false,
                   WS_EX_CLIENTEDGE);
    EXPECT_EQ(WindowStyle(hidden.hwnd) | WS_VSCROLL, 0x40A10143u | WS_DISABLED);
    for (int i = 0; i < 30; ++i)
        plain.Add("row");
    EXPECT_EQ(WindowStyle(plain.hwnd), 0x50A10143u);
    EXPECT_EQ(WindowExStyle(hidden.hwnd) & WS_EX_CLIENTEDGE, static_cast<DWORD>(WS_EX_CLIENTEDGE));

    MCListBox columns("", ListId, 0, 0, 300, 100, parentControl, true, true, false, true, 60);
    EXPECT_EQ(WindowStyle(columns.hwnd), 0x50811241u);
    MCListBox bare("", ListId, 0, 0, 300, 100, parentControl, true, false, false, false, 60);
    EXPECT_EQ(WindowStyle(bare.hwnd), 0x40011241u);
    // Items flow down the first column, then into the next at the column width.
    for (int i = 0; i < 40; ++i)
        columns.Add("item");
    RECT first, later;
    SendMessageA(columns.hwnd, LB_GETITEMRECT, 0, (LPARAM)&first);
    int perColumn = ClientSize(columns.hwnd).cy / (first.bottom - first.top);
    SendMessageA(columns.hwnd, LB_GETITEMRECT, perColumn, (LPARAM)&later);
    EXPECT_EQ(later.left - first.left, 60);
    columns.SetColumnWidth(80);
    SendMessageA(columns.hwnd, LB_GETITEMRECT, perColumn, (LPARAM)&later);
    EXPECT_EQ(later.left - first.left, 80);
}

TEST_F(ListBoxTest, MultiColumnSearchesStartAfterTheFirstItem)
{
    ListBox sorted("", ListId, 0, 0, 100, 100, parentControl);
    MCListBox columns("", ListId, 0, 0, 100, 100, parentControl);
    for (const char* text : {"car", "cart"}) {
        sorted.Add(text, 1);
        columns.Add(text, 2);
    }
    EXPECT_EQ(sorted.FindString("car"), 0);
    EXPECT_EQ(columns.FindString("car"), 1);
    EXPECT_EQ(columns.SelectString("car"), 1);
    EXPECT_EQ(sorted.SelectString("car"), 0);
    EXPECT_TRUE(columns.DeleteString("car"));
    EXPECT_EQ(std::string(columns.ItemText(0).CStr()), "car");
}

TEST_F(ListBoxTest, TheParentHearsOfASelectionByTheUser)
{
    ListBox list("", ListId, 0, 0, 150, 100, parentControl);
    list.Add("one");
    list.Add("two");
    ClearMessageLog();
    RECT item;
    SendMessageA(list.hwnd, LB_GETITEMRECT, 1, (LPARAM)&item);
    LPARAM at = MAKELPARAM(item.left + 2, item.top + 2);
    SendMessageA(list.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list.hwnd, WM_LBUTTONUP, 0, at);
    PumpMessages();
    bool heard = false;
    for (const LoggedMessage& m : LoggedMessages(WM_COMMAND))
        heard |= LOWORD(m.wParam) == ListId && HIWORD(m.wParam) == LBN_SELCHANGE;
    EXPECT_TRUE(heard);
    EXPECT_EQ(list.SelectedIndex(), 1);
}

}  // namespace
