// A hidden rich edit window ("RICHEDIT", loaded by the toolkit's start-up)
// holding an RTF document, for tests that read back what the control shows.
#ifndef TESTS_SUPPORT_RICH_EDIT_WINDOW_H
#define TESTS_SUPPORT_RICH_EDIT_WINDOW_H

#include <windows.h>
#include <richedit.h>

#include <string>

class RichEditWindow {
public:
    // Creates the window with the toolkit's text font (DEFAULT_GUI_FONT, as
    // its rich text box sets it) and streams the document in as the rich
    // text box does (StreamIntoRichEdit).
    explicit RichEditWindow(const std::string& rtf);
    ~RichEditWindow();
    RichEditWindow(const RichEditWindow&) = delete;
    RichEditWindow& operator=(const RichEditWindow&) = delete;

    HWND Handle() const { return window; }
    // Replaces the whole document with another, streamed in the same way.
    void Load(const std::string& rtf);
    // The plain text the control shows (WM_GETTEXT): paragraphs end in CR LF.
    std::string Text() const;
    // Character format of the one character at the position (EM_GETCHARFORMAT).
    CHARFORMATA FormatAt(int position) const;
    // Paragraph format at the position (EM_GETPARAFORMAT).
    PARAFORMAT ParagraphAt(int position) const;

private:
    HWND window;
};

#endif
