#include "edit_boxes.h"

#include "basic_control.h"

static_assert(kTextBoxStyle == (WS_CHILD | WS_TABSTOP), "text box style");
static_assert(kTextBoxMultiLineStyle == (WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL |
                                         ES_AUTOVSCROLL | ES_MULTILINE),
              "multi-line bits");
static_assert(kPasswordBoxStyle == (WS_CHILD | WS_TABSTOP | ES_PASSWORD), "password box style");
static_assert(kPasswordBoxMultiLineStyle == (kPasswordBoxStyle | kTextBoxMultiLineStyle),
              "multi-line password box style");
static_assert(kReadOnlyBoxStyle == (WS_CHILD | WS_TABSTOP | ES_READONLY), "read-only box style");
static_assert(kReadOnlyBoxMultiLineStyle == (kReadOnlyBoxStyle | kTextBoxMultiLineStyle),
              "multi-line read-only box style");

namespace {

// The text box takes its place, size and visibility from CreateWindowExA.
const ControlKind kTextBoxKind = {
    "EDIT", NULL, {kStepFont, kStepLimit, kStepCentre, kStepDisable, kStepEnd}};
const ControlKind kPasswordBoxKind = {
    "EDIT",
    NULL,
    {kStepLimit, kStepText, kStepMove, kStepSize, kStepFont, kStepCentre, kStepDisable, kStepShow,
     kStepEnd}};
const ControlKind kReadOnlyBoxKind = {
    "EDIT",
    NULL,
    {kStepText, kStepMove, kStepSize, kStepFont, kStepCentre, kStepDisable, kStepShow, kStepEnd}};

}  // namespace

// ---- TextBox ----

TextBox::TextBox()
{
    ClearBasicControl(*this);
    BindProperties();
}

TextBox::TextBox(const String& text, int identifier, int x, int y, int width, int height,
                 Control parentControl, bool enabled, bool visible, bool centred, bool multiLine,
                 DWORD exStyle)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred,
           multiLine, exStyle);
}

TextBox::TextBox(const String& text, int identifier, Control parentControl, bool multiLine)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, 0, 0, 0, 0, parentControl, true, true, false, multiLine, WS_EX_CLIENTEDGE);
}

void TextBox::BindProperties()
{
    LineCount.Bind(this, &TextBox::GetLineCount, NULL);
}

bool TextBox::Create(const String& text, int identifier, int x, int y, int width, int height,
                     Control parentControl, bool enabled, bool visible, bool centred,
                     bool multiLine, DWORD exStyle)
{
    DWORD style = kTextBoxStyle;
    if (visible)
        style |= WS_VISIBLE;
    if (multiLine)
        style |= kTextBoxMultiLineStyle;
    ControlPlacement place = {text, identifier, x, y, width, height, enabled, visible, centred, exStyle};
    return CreateBasicControl(*this, kTextBoxKind, style, place, parentControl);
}

int TextBox::GetLineCount()
{
    return static_cast<int>(SendMessageA(hwnd, EM_GETLINECOUNT, 0, 0));
}

int TextBox::ReplaceSelection(const String& text)
{
    return static_cast<int>(
        SendMessageA(hwnd, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text.CStr())));
}

int TextBox::LineFromChar(int index)
{
    return static_cast<int>(SendMessageA(hwnd, EM_LINEFROMCHAR, index, 0));
}

int TextBox::LineIndex(int line)
{
    return static_cast<int>(SendMessageA(hwnd, EM_LINEINDEX, line, 0));
}

int TextBox::LineLength(int index)
{
    return static_cast<int>(SendMessageA(hwnd, EM_LINELENGTH, index, 0));
}

int TextBox::SetSelection(int start, int end)
{
    return static_cast<int>(SendMessageA(hwnd, EM_SETSEL, start, end));
}

int TextBox::Undo()
{
    return static_cast<int>(SendMessageA(hwnd, EM_UNDO, 0, 0));
}

// ---- PasswordBox ----

PasswordBox::PasswordBox()
{
    ClearBasicControl(*this);
}

PasswordBox::PasswordBox(const String& text, int identifier, int x, int y, int width, int height,
                         Control parentControl, bool enabled, bool visible, bool centred,
                         bool multiLine, DWORD exStyle)
{
    ClearBasicControl(*this);
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred,
           multiLine, exStyle);
}

bool PasswordBox::Create(const String& text, int identifier, int x, int y, int width, int height,
                         Control parentControl, bool enabled, bool visible, bool centred,
                         bool multiLine, DWORD exStyle)
{
    DWORD style = multiLine ? kPasswordBoxMultiLineStyle : kPasswordBoxStyle;
    ControlPlacement place = {text, identifier, x, y, width, height, enabled, visible, centred, exStyle};
    return CreateBasicControl(*this, kPasswordBoxKind, style, place, parentControl);
}

// ---- ReadOnlyBox ----

ReadOnlyBox::ReadOnlyBox()
{
    ClearBasicControl(*this);
}

ReadOnlyBox::ReadOnlyBox(const String& text, int identifier, int x, int y, int width, int height,
                         Control parentControl, bool enabled, bool visible, bool centred,
                         bool multiLine, DWORD exStyle)
{
    ClearBasicControl(*this);
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred,
           multiLine, exStyle);
}

bool ReadOnlyBox::Create(const String& text, int identifier, int x, int y, int width, int height,
                         Control parentControl, bool enabled, bool visible, bool centred,
                         bool multiLine, DWORD exStyle)
{
    DWORD style = multiLine ? kReadOnlyBoxMultiLineStyle : kReadOnlyBoxStyle;
    ControlPlacement place = {text, identifier, x, y, width, height, enabled, visible, centred, exStyle};
    return CreateBasicControl(*this, kReadOnlyBoxKind, style, place, parentControl);
}
