// The property grid driven as a user would: rows selected, values typed or
// chosen in the editor over the value cell, and what the cell, the row, the
// description pane and the grid's parent show afterwards.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "accessible_reader.h"
#include "common_dialogs.h"
#include "dialog_answer.h"
#include "message_log.h"
#include "wicker.h"

namespace {

const int GridId = 801;

std::string Str(const String& text)
{
    return text.CStr();
}

class PropertyGridTest : public ::testing::Test {
protected:
    HWND probe = NULL;
    Control parentControl;
    PropertyGrid* grid = NULL;

    void SetUp() override
    {
        probe = CreateProbeWindow(400, 300);
        ASSERT_NE(probe, (HWND)NULL);
        parentControl = Control(probe);
        grid = new PropertyGrid(GridId, 0, 0, 300, 250, parentControl);
        ASSERT_NE(grid->table.hwnd, (HWND)NULL);
        grid->SetRow("Caption", "Hello", "text", "The <b>title</b> shown", "");
        grid->SetRow("Width", "40", "number", "Pixels", "");
        grid->SetRow("Align", "b", "dropdown", "Where it sits", "a,b,c");
        grid->SetRow("Back", "255", "color", "Background", "");
        grid->SetRow("Odd", "b", "Color", "Not a colour row", "a,b,c");
        PumpMessages();
        ClearMessageLog();
    }
    void TearDown() override
    {
        delete grid;
        DestroyWindow(probe);
        PumpMessages();
        ClearMessageLog();
    }

    // Selects the row as a click does: the table's selection changes and the
    // grid hears of it through LVN_ITEMCHANGED.
    void Select(const char* name)
    {
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(grid->table.hwnd, LVM_SETITEMSTATE, grid->IndexOf(name), (LPARAM)&state);
    }
    HWND Editor(int id) { return GetDlgItem(grid->table.hwnd, id); }
    // The value-changed notices the parent received, all naming the grid.
    int Notices()
    {
        PumpMessages();
        int count = 0;
        for (const LoggedMessage& logged : LoggedMessages(kPropertyChangedMessage)) {
            EXPECT_EQ(logged.wParam, (WPARAM)GridId);
            EXPECT_EQ(logged.lParam, 0);
            ++count;
        }
        ClearMessageLog();
        return count;
    }
    std::string Cell(const char* name) { return Str(grid->table.CellText(1, grid->IndexOf(name))); }
};

// A screen reader hears the grid's name and each row as "name: value" with a
// colour in words; the table the grid leaves behind still reads its rows.
TEST_F(PropertyGridTest, ScreenReadersHearEachRowAsNameAndValue)
{
    HWND table = grid->table.hwnd;
    EXPECT_EQ(NamesHeard(table, 5),
              "Properties\nCaption: Hello\nWidth: 40\nAlign: b\nBack: red 255, green 0, blue 0\nOdd: b");
    grid->SetValue("Width", "64");
    grid->container.Text = "Window";
    delete grid;
    grid = NULL;
    // The plain table reads its cells as shown.
    EXPECT_EQ(NamesHeard(table, 5), "Window\nCaption: Hello\nWidth: 64\nAlign: b\nBack: 255, 0, 0\nOdd: b");
}

TEST_F(PropertyGridTest, RowsAreAddedOnceAndUpdatedInPlaceWithOneNotice)
{
    EXPECT_EQ(grid->table.RowCount(), 5);
    EXPECT_EQ(Str(grid->table.CellText(0, 2)), "Align");
    EXPECT_EQ(Cell("Width"), "40");
    EXPECT_EQ(Notices(), 0);

    grid->SetRow("Width", "75", "number", "Pixels wide", "");
    EXPECT_EQ(grid->table.RowCount(), 5);
    EXPECT_EQ(Cell("Width"), "75");
    EXPECT_EQ(Str(grid->GetRow("Width").description), "Pixels wide");
    EXPECT_EQ(Notices(), 1);

    struct Case {
        bool notify;
        int notices;
    } cases[] = {{true, 1}, {false, 0}};
    for (const Case& c : cases) {
        grid->SetValue("Caption", c.notify ? "On" : "Off", c.notify);
        EXPECT_EQ(Cell("Caption"), c.notify ? "On" : "Off");
        EXPECT_EQ(Notices(), c.notices);
    }
}

TEST_F(PropertyGridTest, UnknownNamesAndRowTypes)
{
    EXPECT_EQ(Str(grid->GetValue("Missing")), "NULL");
    EXPECT_EQ(grid->IndexOf("Missing"), -1);
    EXPECT_FALSE(grid->Contains("Missing"));
    PropertyRow none = grid->GetRow("Missing");
    EXPECT_EQ(Str(none.name) + Str(none.typeText) + Str(none.value) + Str(none.description),
              "NULLNULLNULLNULL");
    EXPECT_EQ(none.type, -1);
    EXPECT_EQ(Str(none.options), "");
    grid->SetValue("Missing", "x");
    EXPECT_EQ(grid->table.RowCount(), 5);
    EXPECT_EQ(Notices(), 0);

    struct Case {
        const char* typeText;
        int type;
    } cases[] = {{"dropdown", 0}, {"text", 1},  {"number", 2},   {"color", 3},
                 {"file", 4},     {"Color", 0}, {"Text", 0},     {"", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(PropertyRowType(c.typeText), c.type) << c.typeText;
    EXPECT_EQ(PropertyColorValue("32768"), RGB(0, 128, 0));
    EXPECT_EQ(PropertyColorValue("abc"), 0u);
    EXPECT_EQ(PropertyColorValue("-5"), 0u);
}

TEST_F(PropertyGridTest, TypingIntoATextRowCommitsEveryKeystroke)
{
    Select("Caption");
    HWND edit = Editor(kPropertyTextEditorId);
    ASSERT_NE(edit, (HWND)NULL);
    EXPECT_EQ(WindowText(edit), "Hello");
    EXPECT_EQ(Str(grid->descriptionPane.Text), "The title shown");
    // Over the value cell, as wide as the column.
    POINT row = {};
    SendMessageA(grid->table.hwnd, LVM_GETITEMPOSITION, 0, (LPARAM)&row);
    RECT place = RectInParent(edit);
    EXPECT_EQ(place.left, grid->table.ColumnWidth(0) + row.x - 1);
    EXPECT_EQ(place.top, row.y - 1);
    EXPECT_EQ(place.right - place.left, grid->table.ColumnWidth(1) - 3);
    EXPECT_EQ(Notices(), 0);

    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_CHAR, '1', 1);
    SendMessageA(edit, WM_CHAR, '2', 1);
    EXPECT_EQ(Str(grid->GetValue("Caption")), "12");
    EXPECT_EQ(Cell("Caption"), "12");
    EXPECT_EQ(Str(grid->currentRow.value), "12");
    EXPECT_EQ(Notices(), 2);
    EXPECT_TRUE(IsWindow(edit));
}

TEST_F(PropertyGridTest, EachRowTypeOpensItsEditor)
{
    struct Case {
        const char* row;
        int editor;
        DWORD styleSet;
        int selected;  // dropdowns: the selected choice
    } cases[] = {
        {"Caption", kPropertyTextEditorId, WS_BORDER, 0},
        {"Width", kPropertyTextEditorId, WS_BORDER | ES_RIGHT | ES_NUMBER, 0},
        {"Align", kPropertyDropdownEditorId, 0, 1},
        {"Odd", kPropertyDropdownEditorId, 0, 1},
        {"Back", kPropertyColorEditorId, 0, 0},
    };
    for (const Case& c : cases) {
        Select(c.row);
        HWND editor = Editor(c.editor);
        ASSERT_NE(editor, (HWND)NULL) << c.row;
        DWORD style = static_cast<DWORD>(GetWindowLongA(editor, GWL_STYLE));
        EXPECT_EQ(style & c.styleSet, c.styleSet) << c.row;
        if (c.editor == kPropertyTextEditorId) {
            EXPECT_EQ(GetWindowLongA(editor, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
        }
        if (c.editor == kPropertyDropdownEditorId) {
            EXPECT_EQ(SendMessageA(editor, CB_GETCOUNT, 0, 0), 3);
            EXPECT_EQ(SendMessageA(editor, CB_GETCURSEL, 0, 0), c.selected) << c.row;
        }
        // Only one editor is open at a time.
        int open = 0;
        for (int id = kPropertyDropdownEditorId; id <= kPropertyColorEditorId; ++id)
            open += Editor(id) != NULL;
        EXPECT_EQ(open, 1) << c.row;
    }
    EXPECT_EQ(grid->colorEditor.Color(), RGB(255, 0, 0));
    grid->SetValue("Align", "z");
    Select("Align");
    EXPECT_EQ(SendMessageA(Editor(kPropertyDropdownEditorId), CB_GETCURSEL, 0, 0), CB_ERR);
    // A colour row whose value is no number shows black.
    grid->SetValue("Back", "red");
    Select("Back");
    EXPECT_EQ(grid->colorEditor.Color(), 0u);
}

// Each choice is taken at once; the list stays open with the keys, so Down
// and Up go on moving through the choices, each one committed.
TEST_F(PropertyGridTest, ChoicesAreTakenAndTheKeysStayInTheList)
{
    Select("Align");
    HWND combo = Editor(kPropertyDropdownEditorId);
    ASSERT_NE(combo, (HWND)NULL);
    SendMessageA(combo, CB_SETCURSEL, 2, 0);
    SendMessageA(grid->table.hwnd, WM_COMMAND, MAKEWPARAM(kPropertyDropdownEditorId, CBN_SELCHANGE),
                 (LPARAM)combo);
    EXPECT_EQ(Str(grid->GetValue("Align")), "c");
    EXPECT_EQ(Cell("Align"), "c");
    EXPECT_EQ(Notices(), 1);
    ASSERT_TRUE(IsWindow(combo));

    ShowWindow(probe, SW_SHOW);
    SetFocus(combo);
    HWND keys = GetFocus();
    ASSERT_TRUE(keys == combo || IsChild(combo, keys));
    const struct { UINT key; const char* value; } presses[] = {{VK_UP, "b"}, {VK_UP, "a"}, {VK_DOWN, "b"}};
    for (const auto& press : presses) {
        SendMessageA(GetFocus(), WM_KEYDOWN, press.key, 0);
        SendMessageA(GetFocus(), WM_KEYUP, press.key, 0);
        PumpMessages();
        EXPECT_EQ(Str(grid->GetValue("Align")), press.value);
        EXPECT_TRUE(IsWindow(combo));
        HWND focus = GetFocus();
        EXPECT_TRUE(focus == combo || IsChild(combo, focus)) << "the keys left the list";
    }
    // Closed by a scroll: the keys go to the table, not nowhere.
    grid->CloseEditor();
    EXPECT_EQ(GetFocus(), grid->table.hwnd);
}

// A colour row shows its colour: "R, G, B" and, after a full repaint, a
// swatch of that colour at the right end of the value cell.
TEST_F(PropertyGridTest, ColourRowsShowTheColourItself)
{
    ShowWindow(probe, SW_SHOW);
    const struct { const char* value; const char* shown; COLORREF colour; } colours[] = {
        {"16777184", "224, 255, 255", RGB(224, 255, 255)},
        {"8388608", "0, 0, 128", RGB(0, 0, 128)},
        {"not a number", "0, 0, 0", RGB(0, 0, 0)},
    };
    for (const auto& c : colours) {
        SCOPED_TRACE(c.value);
        grid->SetValue("Back", c.value, false);
        EXPECT_EQ(Cell("Back"), c.shown);
        EXPECT_EQ(Str(grid->GetValue("Back")), c.value);
        RedrawWindow(grid->table.hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        RECT cell = {LVIR_BOUNDS, 1, 0, 0};
        ASSERT_TRUE(SendMessageA(grid->table.hwnd, LVM_GETSUBITEMRECT, grid->IndexOf("Back"), (LPARAM)&cell));
        HDC dc = GetDC(grid->table.hwnd);
        const int middle = (cell.top + cell.bottom) / 2;
        const int side = cell.bottom - cell.top - 4;
        EXPECT_EQ(GetPixel(dc, cell.right - 3 - side / 2, middle), c.colour);
        ReleaseDC(grid->table.hwnd, dc);
    }
    // Rows of other types show their value as it is.
    EXPECT_EQ(Cell("Width"), "40");
}

// A grid created again starts from no rows; Clear and RemoveRow empty it.
TEST_F(PropertyGridTest, CreatedAgainClearedAndRowsRemoved)
{
    Select("Align");
    EXPECT_TRUE(grid->RemoveRow("Align"));
    EXPECT_FALSE(grid->RemoveRow("Align"));
    EXPECT_EQ(Editor(kPropertyDropdownEditorId), (HWND)NULL);
    EXPECT_EQ(grid->table.RowCount(), 4);
    EXPECT_EQ(grid->IndexOf("Back"), 2);
    EXPECT_EQ(Cell("Back"), grid->table.CellText(1, 2).CStr());
    grid->Clear();
    EXPECT_EQ(grid->table.RowCount(), 0);
    EXPECT_TRUE(grid->rows.empty());
    grid->SetRow("After", "1", "text", "", "");
    EXPECT_EQ(grid->table.RowCount(), 1);

    // A dialog opened a second time: its grid is made anew.
    HWND oldContainer = grid->container.hwnd;
    DestroyWindow(oldContainer);
    ASSERT_TRUE(grid->Create(GridId, 0, 0, 300, 250, parentControl));
    EXPECT_TRUE(grid->rows.empty());
    EXPECT_EQ(grid->table.RowCount(), 0);
    grid->SetRow("Caption", "Again", "text", "", "");
    EXPECT_EQ(grid->table.RowCount(), 1);
    EXPECT_EQ(Cell("Caption"), "Again");
}

// The columns share the table's client area, which already leaves out the
// edge and the scroll bar: nothing is subtracted twice, nothing left empty.
TEST_F(PropertyGridTest, ColumnsFillTheTablesClientWidth)
{
    delete grid;
    grid = new PropertyGrid(GridId, 0, 0, 340, 250, parentControl);
    for (int rowCount : {3, 40}) {
        SCOPED_TRACE(rowCount);
        for (int k = grid->table.RowCount(); k < rowCount; ++k)
            grid->SetRow(("Row " + std::to_string(k)).c_str(), "v", "text", "", "");
        PumpMessages();
        RECT client;
        GetClientRect(grid->table.hwnd, &client);
        int width = client.right;
        if (rowCount == 40 && !(GetWindowLongA(grid->table.hwnd, GWL_STYLE) & WS_VSCROLL))
            width -= GetSystemMetrics(SM_CXVSCROLL);
        EXPECT_EQ(grid->table.ColumnWidth(0), width / 2);
        EXPECT_EQ(grid->table.ColumnWidth(0) + grid->table.ColumnWidth(1), width);
    }
}

TEST_F(PropertyGridTest, ScrollingClickingOrTheWheelClosesTheEditorWithoutCommitting)
{
    const UINT closers[] = {WM_VSCROLL, WM_HSCROLL, WM_MOUSEWHEEL, WM_LBUTTONDOWN, WM_SIZE};
    for (UINT message : closers) {
        Select("Caption");
        HWND edit = Editor(kPropertyTextEditorId);
        ASSERT_NE(edit, (HWND)NULL);
        SendMessageA(grid->table.hwnd, message, 0, MAKELPARAM(10, 180));
        EXPECT_FALSE(IsWindow(edit)) << message;
        EXPECT_EQ(grid->openEditor, (Control*)NULL);
        EXPECT_EQ(Str(grid->GetValue("Caption")), "Hello");
        // Deselect, so the next selection is a change.
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED;
        SendMessageA(grid->table.hwnd, LVM_SETITEMSTATE, -1, (LPARAM)&state);
    }
    EXPECT_EQ(Notices(), 0);
}

TEST_F(PropertyGridTest, ColourDialogOpensOnTheValueAndStoresTheChoice)
{
    Select("Back");
    HWND swatch = Editor(kPropertyColorEditorId);
    ASSERT_NE(swatch, (HWND)NULL);
    int shown[3] = {-1, -1, -1};
    DialogAnswer answer("Color", IDOK, GetCurrentProcessId(), 10000, [&shown](HWND box) {
        for (int i = 0; i < 3; ++i)
            shown[i] = GetDlgItemInt(box, 706 + i, NULL, FALSE);  // COLOR_RED, _GREEN, _BLUE
        SetDlgItemInt(box, 706, 0, FALSE);
        SetDlgItemInt(box, 707, 128, FALSE);
        SetDlgItemInt(box, 708, 0, FALSE);
    });
    SendMessageA(grid->table.hwnd, WM_COMMAND, MAKEWPARAM(kPropertyColorEditorId, BN_CLICKED),
                 (LPARAM)swatch);
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(shown[0], 255);
    EXPECT_EQ(shown[1], 0);
    EXPECT_EQ(shown[2], 0);
    EXPECT_EQ(Str(grid->GetValue("Back")), "32768");
    EXPECT_EQ(Cell("Back"), "0, 128, 0");
    EXPECT_EQ(grid->colorEditor.Color(), RGB(0, 128, 0));
    EXPECT_EQ(Notices(), 1);
}

TEST_F(PropertyGridTest, FileDialogChoiceBecomesTheValueAndTheCaption)
{
    char program[MAX_PATH] = "";
    GetModuleFileNameA(NULL, program, MAX_PATH);
    grid->SetRow("Picture", "none.txt", "file", "A file", "", false);
    Select("Picture");
    HWND button = Editor(kPropertyFileEditorId);
    ASSERT_NE(button, (HWND)NULL);
    EXPECT_EQ(WindowText(button), "none.txt");
    std::string chosen = program;
    DialogAnswer answer("Open", IDOK, GetCurrentProcessId(), 10000,
                        [&chosen](HWND box) { TypeFileName(box, chosen); });
    SendMessageA(grid->table.hwnd, WM_COMMAND, MAKEWPARAM(kPropertyFileEditorId, BN_CLICKED),
                 (LPARAM)button);
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(Str(grid->GetValue("Picture")), chosen);
    EXPECT_EQ(Cell("Picture"), chosen);
    EXPECT_EQ(WindowText(button), chosen);
    EXPECT_EQ(Notices(), 1);
}

TEST_F(PropertyGridTest, ReplacingTheOpenRowsTypeRebuildsItsEditor)
{
    Select("Caption");
    ASSERT_NE(Editor(kPropertyTextEditorId), (HWND)NULL);
    grid->SetRow("Caption", "b", "dropdown", "Now a <i>choice</i>", "a,b", false);
    EXPECT_EQ(Editor(kPropertyTextEditorId), (HWND)NULL);
    HWND combo = Editor(kPropertyDropdownEditorId);
    ASSERT_NE(combo, (HWND)NULL);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Str(grid->descriptionPane.Text), "Now a choice");
    EXPECT_EQ(Notices(), 0);
}

TEST_F(PropertyGridTest, GridGoingWhileAnEditorIsOpenLeavesAPlainTable)
{
    Select("Caption");
    HWND table = grid->table.hwnd;
    HWND edit = Editor(kPropertyTextEditorId);
    delete grid;
    grid = NULL;
    EXPECT_FALSE(IsWindow(edit));
    ASSERT_TRUE(IsWindow(table));
    // The windows no longer call the grid that went.
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageA(table, LVM_SETITEMSTATE, 1, (LPARAM)&state);
    SendMessageA(table, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(GetDlgItem(table, kPropertyTextEditorId), (HWND)NULL);
    EXPECT_EQ(Notices(), 0);
}

}  // namespace
