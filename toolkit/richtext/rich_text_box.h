/// \file
/// The toolkit's wrapper of the Rich Edit 1.0 control ("RICHEDIT", whose
/// library the start-up loads).
#ifndef WICKER_RICHTEXT_RICH_TEXT_BOX_H
#define WICKER_RICHTEXT_RICH_TEXT_BOX_H

#include <windows.h>
#include <richedit.h>

#include <cstddef>
#include <string>

#include "foundation/control.h"
#include "foundation/property.h"
#include "foundation/string.h"

/// Replaces the whole content of a rich edit window by streaming the text in
/// (EM_STREAMIN): as RTF when it begins with "{\rtf", else as plain text.
/// True when the control took every byte without an error.
bool StreamIntoRichEdit(HWND window, const char* text, std::size_t length);

/// The same in pieces of about `pieceSize` bytes (RTF cut before paragraph
/// breaks, plain text after line feeds), with the thread's waiting messages
/// handled between two pieces, so that the program's windows repaint and
/// answer the user while a large document loads (the view follows the end of
/// the text meanwhile); keys sent to this window are dropped until the load
/// ends. When the call returns, the content is whole and equal to what
/// StreamIntoRichEdit gives, with the caret and the view at the start. False
/// when a piece was not taken, or when the window was destroyed or given
/// another document (by code run between the pieces) before the last piece.
bool StreamIntoRichEditInPieces(HWND window, const std::string& text, std::size_t pieceSize);

/// A rich edit window with the selection, line, search and formatting
/// operations of the control. Positions and lengths count bytes of the window
/// text as the program reads it (Text), in every code page: under UTF-8 "ü"
/// is two bytes, and a paragraph break counts as the "\r\n" the text holds.
/// The control itself counts UTF-16 units; the conversion is made on each call.
struct RichTextBox : Control {
    /// Read: the window text (plain, as the control shows it). Write: replaces
    /// the content; text beginning with "{\rtf" is read as an RTF document. A
    /// document of more than 64 KB is loaded in pieces with the program's
    /// messages handled between them (StreamIntoRichEditInPieces); it is
    /// whole when the write returns.
    Property<RichTextBox, String> RichText;
    /// The selected characters; writing replaces the selection and selects
    /// what was inserted.
    Property<RichTextBox, String> SelectedText;
    /// Read only: start and end of the selection differ.
    Property<RichTextBox, bool> HasSelection;
    ///@{
    /// Read only: the selection (EM_EXGETSEL) and its length.
    Property<RichTextBox, int> SelectionStart;
    Property<RichTextBox, int> SelectionEnd;
    Property<RichTextBox, int> SelectionLength;
    ///@}
    /// The selection start; writing collapses the selection there.
    Property<RichTextBox, int> CaretPosition;
    ///@{
    /// Read only: EM_GETLINECOUNT, and the line of the selection start, its
    /// first character and its length.
    Property<RichTextBox, int> LineCount;
    Property<RichTextBox, int> CurrentLine;
    Property<RichTextBox, int> CurrentLineStart;
    Property<RichTextBox, int> CurrentLineLength;
    ///@}
    ///@{
    /// Read only: the character nearest each corner of the client area (EM_CHARFROMPOS).
    Property<RichTextBox, int> FirstVisibleChar;
    Property<RichTextBox, int> TopRightChar;
    Property<RichTextBox, int> BottomLeftChar;
    Property<RichTextBox, int> BottomRightChar;
    ///@}
    /// Read: the value last written (false at first). Write: EM_SETREADONLY.
    Property<RichTextBox, bool> ReadOnly;
    ///@{
    /// Read: the value last written (0 at first). Write: EM_SETMARGINS, in pixels.
    Property<RichTextBox, int> LeftMargin;
    Property<RichTextBox, int> RightMargin;
    ///@}

    /// No window, no parent.
    RichTextBox();
    /// Creates the window at once (Create).
    RichTextBox(const String& text, int identifier, int x, int y, int width, int height,
                const Control& parentControl, bool enabled, bool visible, bool centred, DWORD style,
                DWORD exStyle);
    /// Creates the window on the parent: class "RICHEDIT", style | WS_CHILD |
    /// WS_TABSTOP, change and scroll notices on, the text, place and size given,
    /// the default text limit, DEFAULT_GUI_FONT; centred in the parent when
    /// `centred`, disabled unless `enabled`, shown when `visible`. False when
    /// the window could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                const Control& parentControl, bool enabled, bool visible, bool centred, DWORD style,
                DWORD exStyle);
    /// Adopts an existing rich edit window.
    explicit RichTextBox(HWND window);

    ///@{
    /// Switch the effect on for the selection (EM_SETCHARFORMAT, SCF_SELECTION); never off.
    void SetSelectionBold();
    void SetSelectionItalic();
    void SetSelectionUnderline();
    ///@}
    ///@{
    /// Text colour of the selection, of all the text, of the word at the selection.
    void SetSelectionColor(COLORREF color);
    void SetAllTextColor(COLORREF color);
    void SetWordColor(COLORREF color);
    ///@}
    /// Background colour of the whole control (EM_SETBKGNDCOLOR).
    void SetBackColor(COLORREF color);
    ///@{
    /// EM_HIDESELECTION TRUE / FALSE.
    void HideSelection();
    void ShowSelection();
    ///@}
    /// EM_REPLACESEL.
    void ReplaceSelection(const String& text);
    /// Selects the bytes from start up to end (EM_EXSETSEL); an end of -1
    /// selects to the end of the text.
    void Select(int start, int end);
    ///@{
    /// First character of the line (EM_LINEINDEX), its length, the line of a position.
    int LineStart(int line);
    int LineLength(int line);
    int LineFromChar(int position);
    ///@}
    /// EM_UNDO.
    void Undo();
    /// Where the first match of the text starts in the whole text (whole words
    /// only when asked), or -1.
    int Find(const String& text, bool wholeWord);
    /// The same within one line.
    int FindInLine(const String& text, int line, bool wholeWord);
    /// Reads the file (text mode) and shows it through RichText, repainting
    /// the whole control; false, with nothing changed, when the file cannot be
    /// opened or read.
    bool LoadFile(const String& path);

private:
    bool readOnly;
    int leftMargin;
    int rightMargin;

    void BindProperties();
    void SetCharacterColor(COLORREF color, WPARAM range);
    void SetCharacterEffect(DWORD effect);
    CHARRANGE Selection();
    int FindInRange(const String& text, LONG start, LONG end, bool wholeWord);
    ///@{
    /// Positions of the control (UTF-16 units) in bytes of the window text, and back.
    static int BytesOf(const String& text, LONG units);
    static LONG UnitsOf(const String& text, int bytes);
    ///@}
    ///@{
    /// The line's first unit and its length in units; a start of -1 for no such line.
    CHARRANGE LineUnits(int line);
    int ByteOffset(LONG units);
    LONG UnitOffset(int bytes);
    CHARRANGE SelectionBytes(const String& text);
    int CharFromPoint(int x, int y);
    ///@}

    String GetRichText();
    void SetRichText(const String& text);
    String GetSelectedText();
    void SetSelectedText(const String& text);
    bool GetHasSelection();
    int GetSelectionStart();
    int GetSelectionEnd();
    int GetSelectionLength();
    int GetCaretPosition();
    void SetCaretPosition(int position);
    int GetLineCount();
    int GetCurrentLine();
    int GetCurrentLineStart();
    int GetCurrentLineLength();
    int GetFirstVisibleChar();
    int GetTopRightChar();
    int GetBottomLeftChar();
    int GetBottomRightChar();
    bool GetReadOnly();
    void SetReadOnly(bool value);
    int GetLeftMargin();
    void SetLeftMargin(int pixels);
    int GetRightMargin();
    void SetRightMargin(int pixels);
};

#endif
