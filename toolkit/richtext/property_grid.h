/// \file
/// The property grid: a two-column table of named values, each edited in place
/// by an editor chosen by the row's type, above a pane describing the selected row.
#ifndef WICKER_RICHTEXT_PROPERTY_GRID_H
#define WICKER_RICHTEXT_PROPERTY_GRID_H

#include <windows.h>

#include <vector>

#include "controls/button.h"
#include "controls/color_button.h"
#include "controls/combo_box.h"
#include "controls/edit_boxes.h"
#include "controls/form.h"
#include "controls/table_view.h"
#include "foundation/control.h"
#include "foundation/string.h"
#include "rich_text_box.h"
#include "system/file_dialog.h"

/// The notice posted to the window holding the grid after a value changed
/// (WM_USER + 2001): wParam is the grid's identifier, lParam 0. The receiver
/// reads the new value with GetValue.
const UINT kPropertyChangedMessage = WM_USER + 2001;

/// Row types, from the type text (see PropertyRowType).
enum {
    kPropertyDropdown = 0,  ///< "dropdown": a combo box of the options
    kPropertyText = 1,      ///< "text": a text box
    kPropertyNumber = 2,    ///< "number": a right-aligned text box taking digits only
    kPropertyColor = 3,     ///< "color": a ColorButton; the value is a COLORREF in decimal
    kPropertyFile = 4,      ///< "file": a button captioned with the path, opening a file dialog
};

///@{
/// Identifiers of the grid's windows.
const int kPropertyDescriptionId = 110;
const int kPropertyTableId = 111;
///@}
///@{
/// What screen readers call the grid while its container has no text.
extern const char kPropertyGridName[];
const int kPropertyDropdownEditorId = 112;
const int kPropertyTextEditorId = 113;
const int kPropertyFileEditorId = 114;
const int kPropertyColorEditorId = 115;
///@}

/// The type of a type text, compared exactly: anything unknown ("Color" too)
/// is a dropdown.
int PropertyRowType(const String& typeText);
/// The colour a colour row's value names: its leading decimal number,
/// truncated; 0 (black) when it does not start with one.
COLORREF PropertyColorValue(const String& value);

/// One row of the grid.
struct PropertyRow {
    /// The key, unique in the grid, shown in the first column.
    String name;
    ///@{
    /// The caller's type text and the type it gives (-1 for no row).
    String typeText;
    int type;
    ///@}
    /// Shown in the second column.
    String value;
    /// Markup (RtfFromMarkup) shown in the pane when the row is selected.
    String description;
    /// A dropdown row's choices, separated by ",".
    String options;

    /// No row: every text "NULL", type -1, no options.
    PropertyRow();
};

/// A child form holding a report table of names and values (no column
/// headers, one row selected at a time) and, below it, a read-only rich text
/// pane 49 pixels high describing the selected row. Selecting a row (a click,
/// or the selection set by code) opens that row's editor over its value cell;
/// every committed edit (a choice in the list, each keystroke in a text box,
/// OK in the colour or file dialog) updates the cell and the row at once and
/// posts kPropertyChangedMessage to the grid's parent. Scrolling, clicking
/// into the table, resizing it or turning the wheel closes the editor.
///
///     PropertyGrid grid(20, 10, 10, 260, 300, form);
///     grid.SetRow("Caption", "Hello", "text", "The window's <b>title</b>.", "");
///     grid.SetRow("Align", "left", "dropdown", "Where the text sits.", "left,centre,right");
///     ... in the form's procedure:
///     if (message == kPropertyChangedMessage && wParam == 20)
///         label.Text = grid.GetValue("Caption");
///
/// Its windows find the grid through the table, so the grid stays where it
/// was made (it is neither copied nor moved); when the grid goes first, the
/// editor is closed and its windows stay on the screen as a plain table.
struct PropertyGrid {
    ///@{
    /// The child form holding the table and the pane; its identifier is the grid's.
    Form container;
    ComboBox dropdownEditor;
    TextBox textEditor;
    FileDialog fileDialog;
    Button fileEditor;
    ColorButton colorEditor;
    ///@}
    ///@{
    /// The editor on show, one of the four above; null when none is.
    Control* openEditor;
    std::vector<PropertyRow> rows;
    ///@}
    /// A copy of the selected row, taken when it was selected and after each edit.
    PropertyRow currentRow;
    ///@{
    /// The selected row's index; -1 until a row is selected.
    int currentIndex;
    TableView table;
    RichTextBox descriptionPane;
    ///@}

    /// No windows yet.
    PropertyGrid();
    ///@{
    /// Creates the windows at once (Create).
    PropertyGrid(int identifier, int x, int y, int width, int height, const Control& parentControl,
                 DWORD exStyle = 0);
    PropertyGrid(const PropertyGrid&) = delete;
    PropertyGrid& operator=(const PropertyGrid&) = delete;
    ///@}
    /// Closes the open editor and lets go of the windows, which stay as they are.
    ~PropertyGrid();

    /// Creates the container (visible, with the extended style), the pane and
    /// the table, starting from no rows (a grid created again, for a dialog
    /// opened a second time, shows what is added to it then); false when any
    /// of them could not be created.
    bool Create(int identifier, int x, int y, int width, int height, const Control& parentControl,
                DWORD exStyle = 0);

    /// Replaces the fields of the row of that name and shows its value, with
    /// the notice when `notify` is set; or appends a row. An editor open on a
    /// replaced row is opened anew for its new type and value.
    void SetRow(const String& name, const String& value, const String& typeText,
                const String& description, const String& options, bool notify = true);
    /// Sets and shows the row's value, with the notice when `notify` is set;
    /// nothing for an unknown name. An editor open on the row shows it too.
    void SetValue(const String& name, const String& value, bool notify = true);
    /// The row's value; "NULL" for an unknown name.
    String GetValue(const String& name) const;
    /// A copy of the row; an empty PropertyRow for an unknown name.
    PropertyRow GetRow(const String& name) const;
    ///@{
    /// The row's 0-based position; -1 for an unknown name.
    int IndexOf(const String& name) const;
    bool Contains(const String& name) const;
    ///@}
    /// Destroys the open editor's window, if any; the keys it had go to the table.
    void CloseEditor();
    /// Removes every row (the table is emptied, the editor closed).
    void Clear();
    /// Removes the row of that name; false for an unknown name.
    bool RemoveRow(const String& name);
    /// Selects the row in the table as a click does, which opens its editor;
    /// false for an unknown name.
    bool Select(const String& name);

    /// What the grid's window procedures call.
    /// Makes the row current: describes it and opens its editor over its value cell.
    void SelectRow(int index);
    /// Rows as high as a combo box's field at the window's DPI, so that an
    /// editor covers its own row only: the list view makes its rows as high
    /// as its small pictures.
    void SetRowHeight();
    /// Places the table and the pane in the container, then sets the column widths.
    void LayOut();
    /// Both columns fill the table's width, less the scroll bar's when it shows.
    void SetColumnWidths();
    /// The command from an editor, sent to the table; false when it is to be
    /// swallowed instead of going on to the table.
    bool EditorCommand(int identifier, int code);
    /// The table's window is going: the grid no longer shows anything.
    void TableGone();
    /// NM_CUSTOMDRAW from the table: the swatch beside a colour row's value.
    LRESULT CustomDraw(NMLVCUSTOMDRAW* draw);

private:
    ///@{
    /// The row's text and value become the value; refreshes the current-row
    /// copy and posts the notice.
    void Commit(int index, const String& value);
    void PostChanged();
    void OpenEditor(const PropertyRow& row);
    void PlaceEditor(int index);
    void ShowDescription(const PropertyRow& row);
    ///@}
};

/// The container's dialog procedure: a click on a row or a change of the
/// selection selects the row, WM_COMMAND goes on to the container's parent,
/// WM_SIZE lays the grid out. Returns 0.
INT_PTR CALLBACK PropertyGridContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
/// The table's subclass procedure (the grid as reference data): closes the
/// editor before scrolling, clicks, sizes and the wheel, and commits the
/// editors' commands.
LRESULT CALLBACK PropertyGridTableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR subclassId, DWORD_PTR data);

#endif
