// Wrappers without a window never act on the whole desktop: a repaint asked
// of a null window (InvalidateRect(NULL, ...)) invalidates and erases every
// window of every program, and waits on any that does not answer. Nor do
// they report success: a message to a null or destroyed window answers 0,
// which must not read as "found at 0", "selected 0" or "added as item 0".
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "wicker.h"

namespace {

// A visible top-level window with nothing left to paint: any repaint asked of
// the whole desktop leaves it an update region.
class WindowlessWrapperTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bystander = CreateWindowExA(0, "STATIC", "bystander", WS_POPUP | WS_VISIBLE, 0, 0, 120, 80,
                                    NULL, NULL, GetModuleHandleA(NULL), NULL);
        ASSERT_NE(bystander, nullptr);
        UpdateWindow(bystander);
        ValidateRect(bystander, NULL);
    }
    void TearDown() override { DestroyWindow(bystander); }

    bool BystanderWasInvalidated() { return GetUpdateRect(bystander, NULL, FALSE) != FALSE; }

    HWND bystander = NULL;
};

TEST_F(WindowlessWrapperTest, RepaintsLeaveOtherWindowsAlone)
{
    // The bystander itself can be invalidated from here: the check can see.
    InvalidateRect(NULL, NULL, TRUE);
    ASSERT_TRUE(BystanderWasInvalidated()) << "a desktop-wide repaint reaches this window";
    ValidateRect(bystander, NULL);

    const struct {
        const char* what;
        std::function<void()> operation;
    } rows[] = {
        {"StatusBar::UpdateLayout", [] { StatusBar().UpdateLayout(); }},
        {"CoolBar::UpdateLayout", [] { CoolBar().UpdateLayout(); }},
        {"MCListBox::SetColumnWidth", [] { MCListBox().SetColumnWidth(40); }},
        {"Form::UpdateLayout", [] { Form().UpdateLayout(); }},
        {"Control::Refresh", [] { Control().Refresh(); }},
        {"Control::BackColor", [] { Control control; control.BackColor = RGB(1, 2, 3); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        row.operation();
        EXPECT_FALSE(BystanderWasInvalidated());
        ValidateRect(bystander, NULL);
    }
}

// One wrapper of each list-like class, either never given a window or with
// its window destroyed under it.
struct ListWrappers {
    ListBox list;
    MCListBox columns;
    ComboBox combo;
    ListView view;
    TableView table;
    Tab tab;

    explicit ListWrappers(HWND parent)
    {
        Control owner(parent);
        list.Create("", 1, 0, 0, 100, 100, owner);
        columns.Create("", 2, 0, 0, 100, 100, owner);
        combo.Create("", 3, 0, 0, 100, 100, owner);
        view.Create("", 4, 0, 0, 100, 100, owner);
        table.Create("", 5, 0, 0, 100, 100, owner);
        tab.Create("", 6, 0, 0, 100, 100, owner);
        for (HWND window : {list.hwnd, columns.hwnd, combo.hwnd, view.hwnd, table.hwnd, tab.hwnd}) {
            EXPECT_NE(window, nullptr);
            DestroyWindow(window);
        }
    }
    ListWrappers() = default;
};

TEST_F(WindowlessWrapperTest, WrappersWithoutALiveWindowReportNothing)
{
    HWND parent = CreateWindowExA(0, "STATIC", "parent", WS_POPUP, 0, 0, 300, 300, NULL, NULL,
                                  GetModuleHandleA(NULL), NULL);
    ASSERT_NE(parent, nullptr);
    const struct { const char* state; std::shared_ptr<ListWrappers> w; } states[] = {
        {"never had a window", std::make_shared<ListWrappers>()},
        {"window destroyed", std::make_shared<ListWrappers>(parent)},
    };
    for (const auto& state : states) {
        ListWrappers& w = *state.w;
        // Each answer and what it must be: -1 for searches, selections and
        // additions, 0 for counts, false (0) for operations.
        const struct { const char* what; std::function<long long()> answer; long long expected; } rows[] = {
            {"ListBox::FindString", [&] { return w.list.FindString("a"); }, -1},
            {"ListBox::FindStringExact", [&] { return w.list.FindStringExact("a"); }, -1},
            {"ListBox::SelectString", [&] { return w.list.SelectString("a"); }, -1},
            {"ListBox::SelectedIndex", [&] { return static_cast<int>(w.list.SelectedIndex); }, -1},
            {"ListBox::Add", [&] { return w.list.Add("a", 0); }, -1},
            {"ListBox::Delete", [&] { return w.list.Delete(0); }, 0},
            {"ListBox::SetSelectedIndex", [&] { return w.list.SetSelectedIndex(0); }, 0},
            {"ListBox::Count", [&] { return w.list.Count(); }, 0},
            {"MCListBox::FindString", [&] { return w.columns.FindString("a"); }, -1},
            {"MCListBox::FindStringExact", [&] { return w.columns.FindStringExact("a"); }, -1},
            {"MCListBox::SelectedIndex", [&] { return static_cast<int>(w.columns.SelectedIndex); }, -1},
            {"MCListBox::Add", [&] { return w.columns.Add("a", 0); }, -1},
            {"MCListBox::Delete", [&] { return w.columns.Delete(0); }, 0},
            {"ComboBox::FindString", [&] { return w.combo.FindString("a"); }, -1},
            {"ComboBox::FindStringExact", [&] { return w.combo.FindStringExact("a"); }, -1},
            {"ComboBox::SelectedIndex", [&] { return static_cast<int>(w.combo.SelectedIndex); }, -1},
            {"ComboBox::Add (count)", [&] { return w.combo.Add("a", 0, -1); }, 0},
            {"ComboBox::Delete", [&] { return w.combo.Delete(0); }, 0},
            {"ComboBox::SetSelectedIndex", [&] { return w.combo.SetSelectedIndex(0); }, 0},
            {"ListView::Add (index)", [&] { return w.view.Add("a").index; }, -1},
            {"ListView::SelectedIndex", [&] { return static_cast<int>(w.view.SelectedIndex); }, -1},
            {"TableView::AddColumn (index)", [&] { return w.table.AddColumn("c").index; }, -1},
            {"TableView::AddRow (index)", [&] { return w.table.AddRow("r").index; }, -1},
            {"TableView::RowCount", [&] { return w.table.RowCount(); }, 0},
            {"Tab::AddPage (index)", [&] { return w.tab.AddPage("p").index; }, -1},
            {"Tab::AddPage (window)", [&] { return w.tab.AddPage("p").tabWindow != NULL; }, 0},
            {"Tab::Selection", [&] { return w.tab.Selection(); }, -1},
            {"Tab::SetSelection", [&] { return w.tab.SetSelection(0); }, -1},
        };
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(state.state) + ": " + row.what);
            EXPECT_EQ(row.answer(), row.expected);
        }
    }
    DestroyWindow(parent);
}

}  // namespace
