#include "rich_text_box.h"

#include <richedit.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "../foundation/dpi_scaling.h"
#include "../foundation/wide_text.h"
#include "rtf_pieces_core.h"

namespace {

const char kRichEditClass[] = "RICHEDIT";
const char kCreationText[] = "RichTextBox";
const char kRtfSignature[] = "{\\rtf";
const DWORD kRichTextBoxStyle = WS_CHILD | WS_TABSTOP;

// The character format record of Rich Edit 1.0 is 60 bytes on every build.
static_assert(sizeof(CHARFORMATA) == 60, "CHARFORMAT of 60 bytes");
static_assert((ENM_CHANGE | ENM_SCROLL) == 5, "change and scroll notices");
static_assert((SCF_SELECTION | SCF_WORD) == 3, "the word at the selection");

// Documents above this size load in pieces of kPieceSize bytes, with the
// program's messages handled between them: Rich Edit 1.0 under Wine reads
// RTF at a few microseconds a byte, so a megabyte taken at once would hold
// the window still for seconds.
const std::size_t kPieceSize = 16 * 1024;
const std::size_t kLoadInPiecesAbove = 4 * kPieceSize;
// Messages are handled between pieces until none is waiting, or for this
// long at most (a window that keeps posting to itself cannot stop the load).
const DWORD kLongestPumpMs = 50;
// The window property holding the number of the load in progress: a load
// that finds another number there was replaced by a newer one.
const char kLoadProperty[] = "WickerRichTextLoad";

// What EM_STREAMIN reads from: up to three stretches of bytes (the lead, the
// text and the tail of a piece) and how far the control has read.
struct StreamSource {
    const char* parts[3];
    std::size_t lengths[3];
    int part;
    std::size_t offset;  // within the current part
    std::size_t total;   // read so far
};

// The control asks for the next piece of at most `size` bytes; a piece of 0
// bytes ends the stream.
DWORD CALLBACK ReadNextPiece(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read)
{
    StreamSource* source = reinterpret_cast<StreamSource*>(cookie);
    std::size_t room = size < 0 ? 0 : static_cast<std::size_t>(size);
    std::size_t count = 0;
    while (count < room && source->part < 3) {
        std::size_t left = source->lengths[source->part] - source->offset;
        std::size_t take = std::min(left, room - count);
        std::memcpy(buffer + count, source->parts[source->part] + source->offset, take);
        count += take;
        source->offset += take;
        if (source->offset == source->lengths[source->part]) {
            ++source->part;
            source->offset = 0;
        }
    }
    source->total += count;
    *read = static_cast<LONG>(count);
    return 0;
}

bool IsRtf(const char* text, std::size_t length)
{
    const std::size_t signatureLength = sizeof kRtfSignature - 1;
    return length >= signatureLength && std::memcmp(text, kRtfSignature, signatureLength) == 0;
}

// Streams the piece's lead, text and tail in; `format` is SF_RTF or SF_TEXT,
// with SFF_SELECTION to replace the selection instead of the whole content.
bool StreamPiece(HWND window, WPARAM format, const std::string& lead, const char* text, std::size_t length,
                 const std::string& tail)
{
    StreamSource source = {{lead.data(), text, tail.data()}, {lead.size(), length, tail.size()}, 0, 0, 0};
    EDITSTREAM stream;
    ZeroMemory(&stream, sizeof stream);
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = ReadNextPiece;
    SendMessageA(window, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0 && source.total == lead.size() + length + tail.size();
}

// Handles the messages waiting for the thread, as the program's own loop
// would, so that its windows repaint and answer the user. Keys sent to the
// window being loaded are dropped: they would edit a document not yet whole.
// False when the window is gone or the program is quitting (the quit message
// is put back for the program's loop).
bool HandleWaitingMessages(HWND window)
{
    DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < kLongestPumpMs && PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (message.hwnd == window && message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST)
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return IsWindow(window) != FALSE;
}

// While a document loads in pieces the window carries this subclass: any
// write to its content that the load did not make itself (a handler run
// between pieces setting Text or RichText, a program's own WM_SETTEXT) ends
// the load, which would otherwise append the rest of the document after it.
// The last write wins, whole.
const UINT_PTR kLoadWatchSubclassId = 0x57524C57;  // "WRLW"
// The window the loader itself is writing to, whose writes go through.
HWND loaderWriting = NULL;

bool WritesContent(UINT message)
{
    switch (message) {
    case WM_SETTEXT:
    case EM_STREAMIN:
    case EM_REPLACESEL:
    case EM_SETTEXTEX:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK LoadWatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR subclassId, DWORD_PTR)
{
    if (WritesContent(message) && loaderWriting != window)
        RemovePropA(window, kLoadProperty);
    else if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, LoadWatchProc, subclassId);
    return DefSubclassProc(window, message, wParam, lParam);
}

// Marks the loader's own messages to the window for the watch above.
class LoaderWrites {
public:
    explicit LoaderWrites(HWND window) : previous(loaderWriting) { loaderWriting = window; }
    ~LoaderWrites() { loaderWriting = previous; }
    LoaderWrites(const LoaderWrites&) = delete;
    LoaderWrites& operator=(const LoaderWrites&) = delete;

private:
    HWND previous;
};

}  // namespace

bool StreamIntoRichEdit(HWND window, const char* text, std::size_t length)
{
    if (window == NULL)
        return false;
    static const std::string none;
    return StreamPiece(window, IsRtf(text, length) ? SF_RTF : SF_TEXT, none, text, length, none);
}

// The first piece replaces the content as a whole load does. Each further
// piece is appended at the end of the text with the control's default
// character format as its starting point, as a whole load has; the caret
// stays at the end meanwhile (moving it walks the document, in Rich Edit
// under Wine, so it is moved back only when the user has moved it). A whole
// load drops the paragraph break that ends the document, which an appended
// piece keeps: it is removed at the end, the undo steps of the appending are
// forgotten, and the caret and the view go to the start, as after a whole
// load.
bool StreamIntoRichEditInPieces(HWND window, const std::string& text, std::size_t pieceSize)
{
    if (window == NULL)
        return false;
    bool rtf = IsRtf(text.data(), text.size());
    std::vector<rtfcore::DocumentPiece> pieces =
        rtf ? rtfcore::CutDocument(text, pieceSize) : rtfcore::CutPlainText(text, pieceSize);
    WPARAM format = rtf ? SF_RTF : SF_TEXT;
    static LONG loads = 0;
    HANDLE load = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(InterlockedIncrement(&loads)));
    SetPropA(window, kLoadProperty, load);
    SetWindowSubclass(window, LoadWatchProc, kLoadWatchSubclassId, 0);
    CHARFORMATA defaultFormat;
    ZeroMemory(&defaultFormat, sizeof defaultFormat);
    defaultFormat.cbSize = sizeof defaultFormat;
    SendMessageA(window, EM_GETCHARFORMAT, FALSE, reinterpret_cast<LPARAM>(&defaultFormat));

    bool ok = true;
    bool pumping = true;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const rtfcore::DocumentPiece& piece = pieces[k];
        const char* bytes = text.data() + piece.from;
        std::size_t length = piece.to - piece.from;
        if (k == 0) {
            LoaderWrites own(window);
            ok = StreamPiece(window, format, piece.lead, bytes, length, piece.tail);
            continue;
        }
        if (pumping)
            pumping = HandleWaitingMessages(window);
        if (!IsWindow(window))
            return false;
        if (GetPropA(window, kLoadProperty) != load) {
            // Replaced by a later write. A newer load watches on; the watch
            // goes when no load is left.
            if (GetPropA(window, kLoadProperty) == NULL)
                RemoveWindowSubclass(window, LoadWatchProc, kLoadWatchSubclassId);
            return false;
        }
        LoaderWrites own(window);
        // Moving the caret costs a walk through the document in Rich Edit
        // under Wine: it is moved only when the user has moved it.
        int end = GetWindowTextLengthA(window);
        CHARRANGE caret = {0, 0};
        SendMessageA(window, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
        if (caret.cpMin != end || caret.cpMax != end)
            SendMessageA(window, EM_SETSEL, end, end);
        SendMessageA(window, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&defaultFormat));
        ok = StreamPiece(window, format | SFF_SELECTION, piece.lead, bytes, length, piece.tail) && ok;
    }
    LoaderWrites own(window);
    if (pieces.size() > 1 && rtf) {
        int end = GetWindowTextLengthA(window);
        char last[3] = {};
        TEXTRANGEA range = {{end - 2, end}, last};
        if (end >= 2 && SendMessageA(window, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range)) == 2 &&
            last[0] == '\r' && last[1] == '\n') {
            SendMessageA(window, EM_SETSEL, end - 2, end);
            SendMessageA(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
        }
    }
    if (pieces.size() > 1) {
        // Where a whole load leaves the caret and the view: at the start.
        SendMessageA(window, EM_SETSEL, 0, 0);
        SendMessageA(window, EM_SCROLLCARET, 0, 0);
        SendMessageA(window, EM_EMPTYUNDOBUFFER, 0, 0);
    }
    RemovePropA(window, kLoadProperty);
    RemoveWindowSubclass(window, LoadWatchProc, kLoadWatchSubclassId);
    return ok;
}

RichTextBox::RichTextBox() : Control(), readOnly(false), leftMargin(0), rightMargin(0)
{
    BindProperties();
}

RichTextBox::RichTextBox(const String& text, int identifier, int x, int y, int width, int height,
                         const Control& parentControl, bool enabled, bool visible, bool centred,
                         DWORD style, DWORD exStyle)
    : Control(), readOnly(false), leftMargin(0), rightMargin(0)
{
    BindProperties();
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred, style, exStyle);
}

RichTextBox::RichTextBox(HWND window) : Control(window), readOnly(false), leftMargin(0), rightMargin(0)
{
    BindProperties();
}

void RichTextBox::BindProperties()
{
    RichText.Bind(this, &RichTextBox::GetRichText, &RichTextBox::SetRichText);
    SelectedText.Bind(this, &RichTextBox::GetSelectedText, &RichTextBox::SetSelectedText);
    HasSelection.Bind(this, &RichTextBox::GetHasSelection, NULL);
    SelectionStart.Bind(this, &RichTextBox::GetSelectionStart, NULL);
    SelectionEnd.Bind(this, &RichTextBox::GetSelectionEnd, NULL);
    SelectionLength.Bind(this, &RichTextBox::GetSelectionLength, NULL);
    CaretPosition.Bind(this, &RichTextBox::GetCaretPosition, &RichTextBox::SetCaretPosition);
    LineCount.Bind(this, &RichTextBox::GetLineCount, NULL);
    CurrentLine.Bind(this, &RichTextBox::GetCurrentLine, NULL);
    CurrentLineStart.Bind(this, &RichTextBox::GetCurrentLineStart, NULL);
    CurrentLineLength.Bind(this, &RichTextBox::GetCurrentLineLength, NULL);
    FirstVisibleChar.Bind(this, &RichTextBox::GetFirstVisibleChar, NULL);
    TopRightChar.Bind(this, &RichTextBox::GetTopRightChar, NULL);
    BottomLeftChar.Bind(this, &RichTextBox::GetBottomLeftChar, NULL);
    BottomRightChar.Bind(this, &RichTextBox::GetBottomRightChar, NULL);
    ReadOnly.Bind(this, &RichTextBox::GetReadOnly, &RichTextBox::SetReadOnly);
    LeftMargin.Bind(this, &RichTextBox::GetLeftMargin, &RichTextBox::SetLeftMargin);
    RightMargin.Bind(this, &RichTextBox::GetRightMargin, &RichTextBox::SetRightMargin);
}

bool RichTextBox::Create(const String& text, int identifier, int x, int y, int width, int height,
                         const Control& parentControl, bool enabled, bool visible, bool centred,
                         DWORD style, DWORD exStyle)
{
    id = identifier;
    parent = parentControl.hwnd;
    ScaleNewWindowBounds(parent, x, y, width, height);
    hwnd = CreateWindowExA(exStyle, kRichEditClass, kCreationText, style | kRichTextBoxStyle, x, y,
                           width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(NULL), NULL);
    if (hwnd == NULL)
        return false;
    LRESULT mask = SendMessageA(hwnd, EM_GETEVENTMASK, 0, 0);
    SendMessageA(hwnd, EM_SETEVENTMASK, 0, mask | ENM_CHANGE | ENM_SCROLL);
    SetWindowTextA(hwnd, text.CStr());
    MoveWindow(hwnd, x, y, width, height, TRUE);
    SendMessageA(hwnd, EM_EXLIMITTEXT, 0, 0);
    SetDefaultFont();
    if (centred)
        Centre();
    if (!enabled)
        Disable();
    if (visible)
        Show();
    return true;
}

// The window text: what the control shows, paragraphs ending in "\r\n".
String RichTextBox::GetRichText()
{
    return Text.Read();
}

// Streamed in rather than set as window text: Rich Edit 1.0 reads RTF only
// from a stream, and a stream is also how it takes a large document fastest.
// A large document is streamed in pieces with the program's messages handled
// between them (StreamIntoRichEditInPieces); the content is whole when the
// setter returns.
void RichTextBox::SetRichText(const String& text)
{
    if (text.size() > kLoadInPiecesAbove)
        StreamIntoRichEditInPieces(hwnd, text, kPieceSize);
    else
        StreamIntoRichEdit(hwnd, text.data(), text.size());
}

// The control counts positions in UTF-16 units; the program counts bytes of
// the String it reads (see wide_text.h). A position of the control becomes
// bytes over the window text, read at the time of the call.
CHARRANGE RichTextBox::Selection()
{
    CHARRANGE range = {0, 0};
    if (hwnd != NULL)
        SendMessageA(hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

int RichTextBox::BytesOf(const String& text, LONG units)
{
    if (units < 0)
        return units;
    return static_cast<int>(BytesFromUnits(text, static_cast<std::size_t>(units)));
}

int RichTextBox::ByteOffset(LONG units)
{
    if (units <= 0)
        return units;
    return BytesOf(Text.Read(), units);
}

LONG RichTextBox::UnitsOf(const String& text, int bytes)
{
    if (bytes <= 0)
        return bytes;
    return static_cast<LONG>(UnitsFromBytes(text, static_cast<std::size_t>(bytes)));
}

LONG RichTextBox::UnitOffset(int bytes)
{
    if (bytes <= 0)
        return bytes;
    return UnitsOf(Text.Read(), bytes);
}

// The selection's ends in bytes of the window text.
CHARRANGE RichTextBox::SelectionBytes(const String& text)
{
    CHARRANGE range = Selection();
    range.cpMin = BytesOf(text, range.cpMin);
    range.cpMax = BytesOf(text, range.cpMax);
    return range;
}

// The bytes between the selection's ends, taken from the window text.
String RichTextBox::GetSelectedText()
{
    String text = Text.Read();
    CHARRANGE range = SelectionBytes(text);
    if (range.cpMax <= range.cpMin || range.cpMin < 0)
        return String();
    if (static_cast<std::size_t>(range.cpMin) >= text.size())
        return String();
    return String(text.substr(static_cast<std::size_t>(range.cpMin),
                              static_cast<std::size_t>(range.cpMax - range.cpMin)));
}

// EM_REPLACESEL, then EM_SETSEL over the inserted text (as many units as
// the text makes).
void RichTextBox::SetSelectedText(const String& text)
{
    CHARRANGE before = Selection();
    ReplaceSelection(text);
    LONG units = static_cast<LONG>(WideFromAnsi(text).size());
    SendMessageA(hwnd, EM_SETSEL, before.cpMin, before.cpMin + units);
}

bool RichTextBox::GetHasSelection()
{
    CHARRANGE range = Selection();
    return range.cpMin != range.cpMax;
}

int RichTextBox::GetSelectionStart()
{
    return SelectionBytes(Text.Read()).cpMin;
}

int RichTextBox::GetSelectionEnd()
{
    return SelectionBytes(Text.Read()).cpMax;
}

int RichTextBox::GetSelectionLength()
{
    CHARRANGE range = SelectionBytes(Text.Read());
    return range.cpMax - range.cpMin;
}

int RichTextBox::GetCaretPosition()
{
    return ByteOffset(Selection().cpMin);
}

void RichTextBox::Select(int start, int end)
{
    String text = Text.Read();
    CHARRANGE range;
    range.cpMin = start <= 0 ? 0 : UnitsOf(text, start);
    range.cpMax = end < 0 ? -1 : UnitsOf(text, end);
    SendMessageA(hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

// EM_SETSEL with both ends at the position.
void RichTextBox::SetCaretPosition(int position)
{
    LONG units = UnitOffset(position);
    SendMessageA(hwnd, EM_SETSEL, units, units);
}

int RichTextBox::GetLineCount()
{
    return static_cast<int>(SendMessageA(hwnd, EM_GETLINECOUNT, 0, 0));
}

// EM_EXLINEFROMCHAR of the selection start.
int RichTextBox::GetCurrentLine()
{
    return static_cast<int>(SendMessageA(hwnd, EM_EXLINEFROMCHAR, 0, Selection().cpMin));
}

int RichTextBox::GetCurrentLineStart()
{
    return LineStart(GetCurrentLine());
}

int RichTextBox::GetCurrentLineLength()
{
    return LineLength(GetCurrentLine());
}

// A rich edit control takes the point of EM_CHARFROMPOS by address (POINTL),
// where a plain edit control takes packed coordinates.
int RichTextBox::CharFromPoint(int x, int y)
{
    if (hwnd == NULL)
        return 0;
    POINTL point = {x, y};
    return ByteOffset(
        static_cast<LONG>(SendMessageA(hwnd, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&point))));
}

int RichTextBox::GetFirstVisibleChar()
{
    return CharFromPoint(0, 0);
}

int RichTextBox::GetTopRightChar()
{
    return CharFromPoint(ClientWidth.Read(), 0);
}

int RichTextBox::GetBottomLeftChar()
{
    return CharFromPoint(0, ClientHeight.Read());
}

int RichTextBox::GetBottomRightChar()
{
    return CharFromPoint(ClientWidth.Read(), ClientHeight.Read());
}

bool RichTextBox::GetReadOnly()
{
    return readOnly;
}

void RichTextBox::SetReadOnly(bool value)
{
    readOnly = value;
    SendMessageA(hwnd, EM_SETREADONLY, value ? TRUE : FALSE, 0);
}

int RichTextBox::GetLeftMargin()
{
    return leftMargin;
}

// EM_SETMARGINS, EC_LEFTMARGIN: the width in the low word.
void RichTextBox::SetLeftMargin(int pixels)
{
    leftMargin = pixels;
    SendMessageA(hwnd, EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(pixels, 0));
}

int RichTextBox::GetRightMargin()
{
    return rightMargin;
}

// EM_SETMARGINS, EC_RIGHTMARGIN: the width in the high word.
void RichTextBox::SetRightMargin(int pixels)
{
    rightMargin = pixels;
    SendMessageA(hwnd, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, pixels));
}

// EM_SETCHARFORMAT on the selection with the effect in both mask and effects.
void RichTextBox::SetCharacterEffect(DWORD effect)
{
    CHARFORMATA format;
    ZeroMemory(&format, sizeof format);
    format.cbSize = sizeof format;
    format.dwMask = effect;
    format.dwEffects = effect;
    SendMessageA(hwnd, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

void RichTextBox::SetSelectionBold()
{
    SetCharacterEffect(CFM_BOLD);
}

void RichTextBox::SetSelectionItalic()
{
    SetCharacterEffect(CFM_ITALIC);
}

void RichTextBox::SetSelectionUnderline()
{
    SetCharacterEffect(CFM_UNDERLINE);
}

// EM_SETCHARFORMAT with CFM_COLOR over the range the flags name.
void RichTextBox::SetCharacterColor(COLORREF color, WPARAM range)
{
    CHARFORMATA format;
    ZeroMemory(&format, sizeof format);
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.dwEffects = 0;
    format.crTextColor = color;
    SendMessageA(hwnd, EM_SETCHARFORMAT, range, reinterpret_cast<LPARAM>(&format));
}

void RichTextBox::SetSelectionColor(COLORREF color)
{
    SetCharacterColor(color, SCF_SELECTION);
}

void RichTextBox::SetAllTextColor(COLORREF color)
{
    SetCharacterColor(color, SCF_ALL);
}

void RichTextBox::SetWordColor(COLORREF color)
{
    SetCharacterColor(color, SCF_SELECTION | SCF_WORD);
}

void RichTextBox::SetBackColor(COLORREF color)
{
    SendMessageA(hwnd, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(color));
}

void RichTextBox::HideSelection()
{
    SendMessageA(hwnd, EM_HIDESELECTION, TRUE, 0);
}

void RichTextBox::ShowSelection()
{
    SendMessageA(hwnd, EM_HIDESELECTION, FALSE, 0);
}

void RichTextBox::ReplaceSelection(const String& text)
{
    SendMessageA(hwnd, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text.CStr()));
}

int RichTextBox::LineStart(int line)
{
    return ByteOffset(static_cast<LONG>(SendMessageA(hwnd, EM_LINEINDEX, line, 0)));
}

// EM_LINELENGTH takes a character of the line, here its first.
CHARRANGE RichTextBox::LineUnits(int line)
{
    CHARRANGE units = {static_cast<LONG>(SendMessageA(hwnd, EM_LINEINDEX, line, 0)), 0};
    if (units.cpMin >= 0)
        units.cpMax = units.cpMin + static_cast<LONG>(SendMessageA(hwnd, EM_LINELENGTH, units.cpMin, 0));
    return units;
}

// The distance in bytes between the line's ends in the window text.
int RichTextBox::LineLength(int line)
{
    CHARRANGE units = LineUnits(line);
    if (units.cpMin < 0)
        return 0;
    String text = Text.Read();
    return BytesOf(text, units.cpMax) - BytesOf(text, units.cpMin);
}

int RichTextBox::LineFromChar(int position)
{
    return static_cast<int>(SendMessageA(hwnd, EM_LINEFROMCHAR, UnitOffset(position), 0));
}

void RichTextBox::Undo()
{
    SendMessageA(hwnd, EM_UNDO, 0, 0);
}

// EM_FINDTEXTEXW downwards over the control's units [start, end) (end -1:
// to the end of the text), the text given as UTF-16: the ANSI message does
// not find a text of a multi-byte code page. The match's start in bytes;
// -1 when none, or when the text is longer than the range.
int RichTextBox::FindInRange(const String& text, LONG start, LONG end, bool wholeWord)
{
    std::wstring wide = WideFromAnsi(text);
    if (hwnd == NULL || (end >= 0 && static_cast<LONG>(wide.size()) > end - start))
        return -1;
    FINDTEXTEXW find;
    ZeroMemory(&find, sizeof find);
    find.chrg.cpMin = start;
    find.chrg.cpMax = end;
    find.lpstrText = wide.c_str();
    WPARAM flags = wholeWord ? FR_DOWN | FR_WHOLEWORD : FR_DOWN;
    LONG found = static_cast<LONG>(
        SendMessageA(hwnd, EM_FINDTEXTEXW, flags, reinterpret_cast<LPARAM>(&find)));
    return ByteOffset(found);
}

int RichTextBox::Find(const String& text, bool wholeWord)
{
    return FindInRange(text, 0, -1, wholeWord);
}

int RichTextBox::FindInLine(const String& text, int line, bool wholeWord)
{
    CHARRANGE units = LineUnits(line);
    if (units.cpMin < 0)
        return -1;
    return FindInRange(text, units.cpMin, units.cpMax, wholeWord);
}

// The file's size in text mode is an upper bound of what a read gives: CR LF
// pairs come back as one byte and the rest of the buffer stays zero.
bool RichTextBox::LoadFile(const String& path)
{
    if (hwnd == NULL)
        return false;
    FILE* file = std::fopen(path.CStr(), "r");
    if (file == NULL)
        return false;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0)
        size = std::ftell(file);
    if (size < 0 || size == LONG_MAX || std::fseek(file, 0, SEEK_SET) != 0) {
        std::fclose(file);
        return false;
    }
    std::vector<char> buffer(static_cast<std::size_t>(size) + 1, '\0');
    std::size_t read = std::fread(buffer.data(), 1, static_cast<std::size_t>(size), file);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return false;
    buffer[read] = '\0';
    // The window is kept first: program code run between the pieces of a
    // large document may end this wrapper.
    HWND window = hwnd;
    SetRichText(String(buffer.data()));
    InvalidateWhole(window);
    return true;
}
