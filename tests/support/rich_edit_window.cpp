#include "rich_edit_window.h"

#include "wicker.h"

RichEditWindow::RichEditWindow(const std::string& rtf)
{
    window = CreateWindowExA(0, "RICHEDIT", "", WS_POPUP | ES_MULTILINE, 0, 0, 400, 300, NULL, NULL,
                             GetModuleHandleA(NULL), NULL);
    SendMessageA(window, EM_EXLIMITTEXT, 0, 0x7fffffff);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    Load(rtf);
}

void RichEditWindow::Load(const std::string& rtf)
{
    StreamIntoRichEdit(window, rtf.data(), rtf.size());
}

RichEditWindow::~RichEditWindow()
{
    DestroyWindow(window);
}

std::string RichEditWindow::Text() const
{
    int length = static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = static_cast<int>(SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0])));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

CHARFORMATA RichEditWindow::FormatAt(int position) const
{
    SendMessageA(window, EM_SETSEL, position, position + 1);
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    SendMessageA(window, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
}

PARAFORMAT RichEditWindow::ParagraphAt(int position) const
{
    SendMessageA(window, EM_SETSEL, position, position);
    PARAFORMAT format = {};
    format.cbSize = sizeof format;
    SendMessageA(window, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    return format;
}
