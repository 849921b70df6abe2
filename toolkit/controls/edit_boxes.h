/// \file
/// Edit boxes: the plain text box, the password box and the read-only box.
#ifndef WICKER_CONTROLS_EDIT_BOXES_H
#define WICKER_CONTROLS_EDIT_BOXES_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/property.h"
#include "../foundation/string.h"

/// An "EDIT" window without a text limit, WS_VISIBLE from creation when
/// visible; the multi-line kind scrolls both ways. Its parent receives
/// WM_COMMAND (identifier, EN_CHANGE ...) as the text changes.
struct TextBox : Control {
    /// Read only: the number of lines (EM_GETLINECOUNT).
    Property<TextBox, int> LineCount;

    /// No window, no parent.
    TextBox();
    /// For a layout, which gives it its place and size: no place of its own,
    /// and the sunken edge (WS_EX_CLIENTEDGE) of a box in a form.
    TextBox(const String& text, int identifier, Control parentControl, bool multiLine = false);
    /// Creates the window at once, as Create does with the same arguments.
    TextBox(const String& text, int identifier, int x, int y, int width, int height,
            Control parentControl, bool enabled = true, bool visible = true,
            bool centred = false, bool multiLine = false, DWORD exStyle = 0);

    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, bool multiLine = false, DWORD exStyle = 0);
    /// Replaces the selection with the text (EM_REPLACESEL, not undoable).
    int ReplaceSelection(const String& text);
    /// The line holding the character index (EM_LINEFROMCHAR).
    int LineFromChar(int index);
    /// The character index where the line starts (EM_LINEINDEX).
    int LineIndex(int line);
    /// The length of the line holding the character index (EM_LINELENGTH).
    int LineLength(int index);
    /// Selects from start up to end (EM_SETSEL).
    int SetSelection(int start, int end);
    /// Undoes the last edit (EM_UNDO).
    int Undo();

private:
    void BindProperties();
    int GetLineCount();
};

/// An edit box that shows its text as asterisks (ES_PASSWORD).
struct PasswordBox : Control {
    PasswordBox();
    /// Creates the window at once, as Create does with the same arguments.
    PasswordBox(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, bool multiLine = false, DWORD exStyle = 0);
    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, bool multiLine = false, DWORD exStyle = 0);
};

/// An edit box the user can read and select in but not change (ES_READONLY).
struct ReadOnlyBox : Control {
    ReadOnlyBox();
    /// Creates the window at once, as Create does with the same arguments.
    ReadOnlyBox(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, bool multiLine = false, DWORD exStyle = 0);
    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, bool multiLine = false, DWORD exStyle = 0);
};

///@{
/// Window styles before WS_VISIBLE.
const DWORD kTextBoxStyle = 0x40010000;            ///< WS_CHILD | WS_TABSTOP
const DWORD kTextBoxMultiLineStyle = 0x003000C4;   ///< added: scroll bars, auto-scroll, ES_MULTILINE
const DWORD kPasswordBoxStyle = 0x40010020;        ///< WS_CHILD | WS_TABSTOP | ES_PASSWORD
const DWORD kPasswordBoxMultiLineStyle = 0x403100E4;
const DWORD kReadOnlyBoxStyle = 0x40010800;        ///< WS_CHILD | WS_TABSTOP | ES_READONLY
const DWORD kReadOnlyBoxMultiLineStyle = 0x403108C4;
///@}

#endif
