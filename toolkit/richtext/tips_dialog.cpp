#include "tips_dialog.h"

#include <cstdint>
#include <string>
#include <utility>

#include "../foundation/subclass_data.h"
#include "../foundation/whole_characters.h"
#include "../system/accessible_names.h"
#include "../system/replacing_file.h"
#include "rtf_builders.h"
#include "rtf_markup.h"
#include "tips_file.h"

const char kTipsNoFileText[] = "\n\nNo file associated with Control...";
const char kTipsNoTipsText[] = "\n\nNo tips found in the associated file...";
const char kTipsUnreadableText[] = "\n\nAssociated tips file cannot be read...";
const char kTipsPictureName[] = "Picture: a lit light bulb";

namespace {

const char kShowOnStartupText[] = "Show tips on next startup";
const char kPreviousText[] = "< Previous";
const char kNextText[] = "Next >";
// The pane: a vertical scroll bar, multi-line (WS_VSCROLL | WS_TABSTOP | ES_MULTILINE).
const DWORD kTextPaneStyle = 0x210004;
static_assert(kTextPaneStyle == (WS_VSCROLL | WS_TABSTOP | ES_MULTILINE), "tips pane style");
const int kPaneMargin = 20;
const int kFormWidth = 400;

// The picture strip on the dialog's left: a record of its width, height and
// bytes per pixel, then its pixels (blue, green, red, unused), bottom row first.
struct StripPicture {
    std::int32_t width;
    std::int32_t height;
    std::int32_t bytesPerPixel;
    std::uint32_t pixels[64 * 210];
};

std::uint32_t Pixel(int red, int green, int blue)
{
    return static_cast<std::uint32_t>(blue) | static_cast<std::uint32_t>(green) << 8 |
           static_cast<std::uint32_t>(red) << 16;
}

// A night-blue strip growing lighter downwards, with a lit bulb near its top.
StripPicture MakeStrip()
{
    StripPicture strip;
    strip.width = 64;
    strip.height = 210;
    strip.bytesPerPixel = 4;
    const int bulbX = 32, bulbY = 48, bulbRadius = 17;
    for (int row = 0; row < strip.height; ++row) {
        int y = strip.height - 1 - row;  // from the top
        for (int x = 0; x < strip.width; ++x) {
            int red = 20 + y / 5, green = 50 + y / 3, blue = 120 + y / 2;
            int dx = x - bulbX, dy = y - bulbY;
            int distance = dx * dx + dy * dy;
            if (distance <= bulbRadius * bulbRadius) {
                red = 255;
                green = 230 - distance / 8;
                blue = 90;
            } else if (distance <= (bulbRadius + 6) * (bulbRadius + 6)) {
                red = (red + 255) / 2;
                green = (green + 230) / 2;
                blue = (blue + 120) / 2;
            }
            // The bulb's screw base.
            if (y > bulbY + bulbRadius - 2 && y < bulbY + bulbRadius + 12 && dx > -8 && dx < 8)
                red = green = blue = (y % 4 < 2) ? 150 : 200;
            strip.pixels[row * strip.width + x] = Pixel(red, green, blue);
        }
    }
    return strip;
}

const StripPicture& Strip()
{
    static const StripPicture strip = MakeStrip();
    return strip;
}

// The strip at the client origin of the device context (SetDIBitsToDevice).
void DrawStrip(HDC dc)
{
    const StripPicture& strip = Strip();
    BITMAPINFO info;
    ZeroMemory(&info, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = strip.width;
    info.bmiHeader.biHeight = strip.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = strip.width * strip.height * 32 / 8;
    SetDIBitsToDevice(dc, 0, 0, strip.width, strip.height, 0, 0, 0, strip.height, strip.pixels, &info,
                      DIB_RGB_COLORS);
}

// Screen readers hear the strip as one picture; the window's own name is its caption.
int StripPartCount(HWND)
{
    return 1;
}

bool DescribeStrip(HWND, int number, DrawnPart* part)
{
    if (number == 0)
        return true;
    if (number != 1)
        return false;
    part->name = kTipsPictureName;
    part->kind = kDrawnPicture;
    SetRect(&part->place, 0, 0, Strip().width, Strip().height);
    return true;
}

const AccessibleNames kStripNames = {StripPartCount, DescribeStrip};

int ScreenCentredX()
{
    return (GetSystemMetrics(SM_CXSCREEN) - kFormWidth) / 2;
}

int ScreenCentredY()
{
    return (GetSystemMetrics(SM_CYSCREEN) - Strip().height - 80) / 2;
}

// The form's client width, for laying out its controls.
int ClientWidthOf(const Control& form)
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(form.hwnd, &client);
    return client.right - client.left;
}

std::size_t ReadFromHandle(void* context, char* buffer, std::size_t count)
{
    HANDLE file = static_cast<HANDLE>(context);
    std::size_t total = 0;
    while (total < count) {
        DWORD piece = count - total > 0x10000000 ? 0x10000000 : static_cast<DWORD>(count - total);
        DWORD read = 0;
        if (!ReadFile(file, buffer + total, piece, &read, NULL) || read == 0)
            break;
        total += read;
    }
    return total;
}

// The dialog's procedure finds its TipsDialog through this subclass's data,
// never through the window's user-data word, which any other wrapper of the
// window may take (writing BackColor, installing a procedure). The dialog is
// neither copied nor moved, so the pointer stays good until its end.
const UINT_PTR kTipsDialogSubclassId = 0x57544950;  // "WTIP"

LRESULT CALLBACK TipsDialogLinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR subclassId, DWORD_PTR)
{
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, TipsDialogLinkProc, subclassId);
    return DefSubclassProc(window, message, wParam, lParam);
}

TipsDialog* TipsDialogOf(HWND window)
{
    return reinterpret_cast<TipsDialog*>(SubclassData(window, TipsDialogLinkProc, kTipsDialogSubclassId));
}

bool WriteAll(ReplacingFile& file, const std::string& bytes)
{
    return file.Write(bytes.data(), bytes.size());
}

}  // namespace

TipsDialog::TipsDialog(const String& path, const String& caption, const Control& parentControl,
                       bool visible)
    : Form(caption, ScreenCentredX(), ScreenCentredY(), kFormWidth, Strip().height + 70,
           kFormToolWindow, true, visible, false, false, false, parentControl, false, WS_EX_TOPMOST),
      current(0),
      storedCurrent(0),
      textPane(kTipsNoFileText, kTipsTextPaneId, Strip().width, 0, ClientWidthOf(*this) - Strip().width,
               Strip().height, *this, true, true, false, kTextPaneStyle, 0),
      ShowOnStartup(kShowOnStartupText, kTipsShowOnStartupId, 20, Strip().height + 15, 150, 20, *this,
                    false, true, true, false, 0),
      previousButton(kPreviousText, kTipsPreviousId, ClientWidthOf(*this) - 160, Strip().height + 10, 70,
                     25, *this, true, true, false, false, 0, false),
      nextButton(kNextText, kTipsNextId, ClientWidthOf(*this) - 90, Strip().height + 10, 70, 25, *this,
                 true, true, false, false, 0, false)
{
    BindProperties();
    // The bit alone does not lift a window above the others: SetWindowPos does.
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    textPane.ReadOnly = true;
    textPane.LeftMargin = kPaneMargin;
    textPane.RightMargin = kPaneMargin;
    DialogProcedure = TipsDialogProc;
    SetWindowSubclass(hwnd, TipsDialogLinkProc, kTipsDialogSubclassId, reinterpret_cast<DWORD_PTR>(this));
    GiveAccessibleNames(hwnd, &kStripNames);
    // Placing the controls repainted the form before its procedure could
    // draw the strip, and left it valid: paint it again, strip and all.
    Refresh();
    if (!path.empty())
        LoadTips(path);
}

TipsDialog::~TipsDialog()
{
    if (IsLiveWindow(hwnd))
        RemoveWindowSubclass(hwnd, TipsDialogLinkProc, kTipsDialogSubclassId);
}

void TipsDialog::BindProperties()
{
    Count.Bind(this, &TipsDialog::GetCount, NULL);
    Current.Bind(this, &TipsDialog::GetCurrent, &TipsDialog::SetCurrent);
}

// Reads the file through ReadTipsFile: whole records only, each field within
// its 1000 bytes, at most kMaxTipsRead tips, and a failed read ends the
// reading with the tips read so far.
void TipsDialog::LoadTips(const String& path)
{
    HANDLE file = CreateFileA(path.CStr(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        // A file that is there but cannot be opened (held by another
        // program, or a folder) is named as unreadable; a missing one is not.
        if (GetFileAttributesA(path.CStr()) != INVALID_FILE_ATTRIBUTES)
            textPane.Caption = kTipsUnreadableText;
        return;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size)) {
        CloseHandle(file);
        textPane.Caption = kTipsUnreadableText;
        return;
    }
    TipsFileContent content = ReadTipsFile(static_cast<unsigned long long>(size.QuadPart), ReadFromHandle, file);
    CloseHandle(file);
    switch (content.outcome) {
    case kTipsFileTooShort:
        return;
    case kTipsFileEmpty:
        textPane.Caption = kTipsNoTipsText;
        return;
    case kTipsFileUnreadable:
        textPane.Caption = kTipsUnreadableText;
        return;
    case kTipsFileRead:
        break;
    }
    storedCurrent = content.storedCurrent;
    tips.reserve(tips.size() + content.tips.size());
    for (TipRecord& record : content.tips)
        tips.push_back(Tip{String(std::move(record.title)), String(std::move(record.text))});
    ShowTip(StartingTip(storedCurrent, tips.size()));
}

void TipsDialog::AddTip(const String& title, const String& text)
{
    tips.push_back(Tip{title, text});
    if (tips.size() == 1)
        ShowTip(1);
}

void TipsDialog::ShowTip(int position)
{
    if (tips.empty() || position < 1 || static_cast<std::size_t>(position) > tips.size())
        return;
    current = position;
    textPane.RichText = TipDocument(tips[position - 1]);
}

void TipsDialog::NextTip()
{
    if (tips.empty())
        return;
    ShowTip(current >= static_cast<int>(tips.size()) ? 1 : current + 1);
}

void TipsDialog::PreviousTip()
{
    if (tips.empty())
        return;
    ShowTip(current <= 1 ? static_cast<int>(tips.size()) : current - 1);
}

bool TipsDialog::SaveTips(const String& path, int position)
{
    // Written beside the file and put in its place only when whole: a failed
    // save (a full disk) leaves the previous tips as they were.
    ReplacingFile out(path);
    bool written = WriteAll(out, TipsFileHeader(position == -1 ? current : position));
    for (std::size_t i = 0; written && i < tips.size(); ++i)
        // Each field holds at most kTipFieldSize - 1 bytes: a longer text is
        // cut here at a whole character of the program's code page (the
        // record's own cut knows only UTF-8).
        written = WriteAll(out, TipsFileRecord(WholeCharactersPrefix(tips[i].title, kTipFieldSize - 1),
                                                WholeCharactersPrefix(tips[i].text, kTipFieldSize - 1)));
    return written && out.Commit();
}

int TipsDialog::GetCount()
{
    return static_cast<int>(tips.size());
}

int TipsDialog::GetCurrent()
{
    return current;
}

void TipsDialog::SetCurrent(int position)
{
    ShowTip(position);
}

// The title is not markup: RtfPlainText shows it as written, braces and
// backslashes included, where inserting it raw would break the document.
String TipDocument(const Tip& tip)
{
    return RtfHeader() + RtfParagraphs(1) + RtfGreen(RtfBold(RtfFontSize(RtfPlainText(tip.title), 16))) +
           RtfParagraphs(3) + RtfFromMarkup(tip.text) + RtfEnd();
}

// Painted in answer to WM_PAINT, between BeginPaint and EndPaint: drawn
// before the default handling, the strip would be erased again by the
// background the default handling paints.
INT_PTR CALLBACK TipsDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    TipsDialog* dialog = TipsDialogOf(window);
    switch (message) {
    case WM_CLOSE:
        ShowWindow(window, SW_HIDE);
        return TRUE;
    case WM_COMMAND:
        if (dialog == NULL)
            return FALSE;
        if (LOWORD(wParam) == kTipsNextId)
            dialog->NextTip();
        else if (LOWORD(wParam) == kTipsPreviousId)
            dialog->PreviousTip();
        return FALSE;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        DrawStrip(dc);
        EndPaint(window, &paint);
        return TRUE;
    }
    default:
        return FALSE;
    }
}
