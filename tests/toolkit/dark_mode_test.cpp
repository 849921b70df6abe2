// Dark mode read back as pixels: every class drawn dark with readable text
// after a full repaint, scroll bars still dark after the system redrew them,
// light given back pixel for pixel, a program's own colours kept, and the
// system's setting followed at the start and when it changes. This file also
// runs in a prefix whose setting is dark (TUCKLE_DARK_PREFIX=1).
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "message_log.h"
#include "window_pixels.h"
#include "wicker.h"

namespace {

const char kPersonalize[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

double Luminance(COLORREF colour)
{
    auto channel = [](int value) {
        double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(GetRValue(colour)) + 0.7152 * channel(GetGValue(colour)) +
           0.0722 * channel(GetBValue(colour));
}

double Contrast(COLORREF one, COLORREF other)
{
    double a = Luminance(one) + 0.05, b = Luminance(other) + 0.05;
    return a > b ? a / b : b / a;
}

bool IsLight(COLORREF colour)
{
    return Luminance(colour) > 0.35;
}

// What a window shows, in the terms of the checks: its most common colour,
// the colour of its text, and whether
// a block of light pixels 6 wide and 6 high shows anywhere (a patch: text
// strokes are thinner).
struct Look {
    COLORREF background = 0;
    COLORREF ink = 0;
    int inkPixels = 0;
    bool lightPatch = false;
    RECT patch = {};
};

Look LookOf(const PixelGrid& grid)
{
    Look look;
    std::map<COLORREF, int> counts;
    for (COLORREF colour : grid.colours)
        ++counts[colour];
    int most = 0;
    for (const auto& each : counts)
        if (each.second > most) {
            most = each.second;
            look.background = each.first;
        }
    // The ink: of the colours standing apart from the background (by 2 : 1),
    // the one of highest contrast that more than a few pixels have; the
    // pixels of all of them are counted.
    double best = 0;
    for (const auto& each : counts) {
        const double contrast = Contrast(each.first, look.background);
        if (contrast < 2.0)
            continue;
        look.inkPixels += each.second;
        if (each.second >= 8 && contrast > best) {
            best = contrast;
            look.ink = each.first;
        }
    }
    // Light pixels in runs: a column count of light pixels above each one.
    const int side = 6;
    std::vector<int> above(static_cast<size_t>(grid.width), 0);
    for (int y = 0; y < grid.height && !look.lightPatch; ++y) {
        int run = 0;
        for (int x = 0; x < grid.width; ++x) {
            above[x] = IsLight(grid.At(x, y)) ? above[x] + 1 : 0;
            run = above[x] >= side ? run + 1 : 0;
            if (run >= side) {
                look.lightPatch = true;
                look.patch = {x - side + 1, y - side + 1, x + 1, y + 1};
                break;
            }
        }
    }
    return look;
}

std::string Describe(const Look& look)
{
    char text[160];
    std::snprintf(text, sizeof text, "background %06lX, ink %06lX (%d px), light patch at %ld,%ld",
                  static_cast<unsigned long>(look.background), static_cast<unsigned long>(look.ink),
                  look.inkPixels, look.patch.left, look.patch.top);
    return text;
}

// The user's setting, written straight into the registry, and told to the
// program's windows as the system tells it.
void WriteSystemSetting(bool dark)
{
    HKEY key = NULL;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kPersonalize, 0, NULL, 0,
                                             KEY_SET_VALUE, NULL, &key, NULL));
    DWORD light = dark ? 0 : 1;
    RegSetValueExA(key, "AppsUseLightTheme", 0, REG_DWORD, reinterpret_cast<BYTE*>(&light),
                   sizeof light);
    RegCloseKey(key);
}

void AnnounceSettingChange(HWND window)
{
    SendMessageA(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("ImmersiveColorSet"));
}

bool DarkPrefix()
{
    const char* value = std::getenv("TUCKLE_DARK_PREFIX");
    return value != nullptr && value[0] == '1';
}

// The common controls of version 6 for the windows made while it lives, as
// a program with the manifest the toolkit gives programs gets them: their
// own buttons, edit and list boxes, and the visual style.
class CommonControlsSix {
public:
    CommonControlsSix()
    {
        char folder[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, folder);
        path_ = std::string(folder) + "dark_mode_test.manifest";
        const char manifest[] =
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\n"
            "<dependency><dependentAssembly><assemblyIdentity type=\"win32\" "
            "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" "
            "processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>"
            "</dependentAssembly></dependency>\n</assembly>\n";
        HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        DWORD written = 0;
        WriteFile(file, manifest, sizeof manifest - 1, &written, NULL);
        CloseHandle(file);
        ACTCTXA context = {};
        context.cbSize = sizeof context;
        context.lpSource = path_.c_str();
        handle_ = CreateActCtxA(&context);
        active_ = handle_ != INVALID_HANDLE_VALUE && ActivateActCtx(handle_, &cookie_);
    }
    ~CommonControlsSix()
    {
        if (active_)
            DeactivateActCtx(0, cookie_);
        if (handle_ != INVALID_HANDLE_VALUE)
            ReleaseActCtx(handle_);
        DeleteFileA(path_.c_str());
    }
    CommonControlsSix(const CommonControlsSix&) = delete;
    CommonControlsSix& operator=(const CommonControlsSix&) = delete;
    bool Active() const { return active_; }

private:
    std::string path_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

// Each case runs with the controls of user32 and comctl32 5, as a program
// without a manifest has them, and with those of comctl32 6 (true).
class DarkModeTest : public ::testing::TestWithParam<bool> {
protected:
    Form form;
    std::unique_ptr<CommonControlsSix> six;

    void SetUp() override
    {
        if (GetParam()) {
            six = std::make_unique<CommonControlsSix>();
            ASSERT_TRUE(six->Active());
        }
        SetDarkMode(DarkMode::Off);
        ASSERT_TRUE(form.Create("Dark", 10, 10, 640, 460, kFormDialog));
        // The pixels are read from the screen: nothing may cover the form.
        SetWindowPos(form.hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        PumpMessages(50);
    }
    void TearDown() override
    {
        SetDarkMode(DarkMode::Off);
        form.Destroy();
        PumpMessages();
        six.reset();
    }
};

INSTANTIATE_TEST_SUITE_P(Controls, DarkModeTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Version6" : "Classic";
                         });

// One control of each class the toolkit makes, with or without text of its
// own, placed below the tool bar, which takes the top of the form.
struct Sample {
    const char* name;
    std::function<HWND(Form&)> make;
    bool hasText;
};

std::vector<Sample> Samples()
{
    return {
        {"label", [](Form& f) { return Label("Some words here", 101, 10, 55, 150, 20, f).hwnd; }, true},
        {"button", [](Form& f) { return Button("Push me", 102, 10, 85, 100, 28, f).hwnd; }, true},
        {"check box",
         [](Form& f) { return CheckBox("Checked", 103, 10, 120, 120, 22, f, true).hwnd; }, true},
        {"radio button",
         [](Form& f) {
             RadioButton radio("Chosen", 104, 10, 145, 120, 22, f);
             radio.Checked = true;
             return radio.hwnd;
         },
         true},
        {"group box", [](Form& f) { return GroupBox("Group", 105, 10, 175, 150, 60, f).hwnd; }, true},
        {"edit box", [](Form& f) { return TextBox("Typed text", 106, 10, 245, 150, 24, f).hwnd; }, true},
        {"rich text box",
         [](Form& f) {
             RichTextBox box("Rich words", 107, 10, 280, 150, 60, f, true, true, false,
                             ES_MULTILINE, WS_EX_CLIENTEDGE);
             return box.hwnd;
         },
         true},
        {"list box",
         [](Form& f) {
             ListBox list("", 108, 10, 350, 150, 80, f);
             for (int i = 0; i < 12; ++i)
                 list.Add("Item " + NumberString(i, 0));
             return list.hwnd;
         },
         true},
        {"combo box",
         [](Form& f) {
             ComboBox combo("", 109, 180, 55, 150, 200, f, true, true, false, true);
             combo.Add("Chosen item");
             combo.SetSelectedIndex(0);
             return combo.hwnd;
         },
         true},
        {"table",
         [](Form& f) {
             TableView table("", 110, 180, 90, 200, 90, f);
             table.AddColumn("Name", 100);
             table.AddColumn("Size", 80);
             table.AddRow("notes.txt");
             return table.hwnd;
         },
         true},
        {"tree",
         [](Form& f) {
             TreeView tree("", 111, 180, 190, 200, 80, f);
             TreeItem top = tree.Add(TreeRoot, "Animals");
             tree.Add(top, "Cats");
             top.Expand();
             return tree.hwnd;
         },
         true},
        {"tab",
         [](Form& f) {
             Tab tab("", 112, 180, 280, 200, 90, f);
             tab.AddPage("First");
             tab.AddPage("Second");
             return tab.hwnd;
         },
         true},
        {"status bar",
         [](Form& f) {
             StatusBar bar("Ready;Page 1", 113, f, 2);
             return bar.hwnd;
         },
         true},
        {"tool bar",
         [](Form& f) {
             ToolBar bar(114, f);
             bar.ShowText(true);
             bar.AddButton("Open", -1, 1001);
             bar.AddButton("Save", -1, 1002);
             return bar.hwnd;
         },
         true},
        {"progress bar",
         [](Form& f) {
             Guage bar(115, 400, 85, 200, 20, f);
             bar.Position = 30;
             return bar.hwnd;
         },
         false},
        {"track bar", [](Form& f) { return Track(116, 400, 115, 200, 30, f).hwnd; }, false},
        {"scroll bar", [](Form& f) { return ScrollBar(117, 400, 155, 200, 18, f).hwnd; }, false},
        {"spin box", [](Form& f) { return spinBox("7", 118, 400, 185, 100, 24, f).hwnd; }, true},
        {"date picker",
         [](Form& f) { return DateTimePicker("", 125, 180, 385, 200, 24, f).hwnd; }, true},
        {"month calendar",
         [](Form& f) { return MonthCalendar("", 119, 400, 220, 220, 160, f).hwnd; }, true},
    };
}

// Gives the form a menu bar of two items.
void GiveMenuBar(HWND form)
{
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 1, "&File");
    AppendMenuA(bar, MF_STRING, 2, "&Help");
    SetMenu(form, bar);
}

// The menu bar's pixels out of the whole window's.
PixelGrid MenuBarPixels(HWND form)
{
    MENUBARINFO info = {};
    info.cbSize = sizeof info;
    GetMenuBarInfo(form, OBJID_MENU, 0, &info);
    RECT frame;
    GetWindowRect(form, &frame);
    const PixelGrid whole = WholeWindowPixels(form);
    PixelGrid bar;
    bar.width = info.rcBar.right - info.rcBar.left;
    bar.height = info.rcBar.bottom - info.rcBar.top;
    for (int y = 0; y < bar.height; ++y)
        for (int x = 0; x < bar.width; ++x)
            bar.colours.push_back(
                whole.At(info.rcBar.left - frame.left + x, info.rcBar.top - frame.top + y));
    return bar;
}

// A control whose parts are other windows is looked at through them all.
std::vector<HWND> Parts(HWND control)
{
    std::vector<HWND> parts = {control};
    for (HWND child = GetWindow(control, GW_CHILD); child != NULL;
         child = GetWindow(child, GW_HWNDNEXT))
        parts.push_back(child);
    return parts;
}

TEST_P(DarkModeTest, EveryClassIsDarkWithReadableText)
{
    // Half the controls are there before the switch, half come after it.
    GiveMenuBar(form.hwnd);
    std::vector<Sample> samples = Samples();
    std::vector<HWND> windows(samples.size());
    for (size_t i = 0; i < samples.size(); i += 2)
        windows[i] = samples[i].make(form);
    SetDarkMode(DarkMode::On);
    EXPECT_TRUE(DarkModeOn());
    for (size_t i = 1; i < samples.size(); i += 2)
        windows[i] = samples[i].make(form);
    RepaintWholly(form.hwnd, 200);

    const Look formLook = LookOf(WholeWindowPixels(form.hwnd));
    EXPECT_LT(Luminance(formLook.background), 0.05) << "form: " << Describe(formLook);
    const Look menuLook = LookOf(MenuBarPixels(form.hwnd));
    EXPECT_LT(Luminance(menuLook.background), 0.05) << "menu bar: " << Describe(menuLook);
    EXPECT_FALSE(menuLook.lightPatch) << "menu bar: " << Describe(menuLook);
    EXPECT_GE(Contrast(menuLook.ink, menuLook.background), 4.5) << "menu bar: " << Describe(menuLook);
    for (size_t i = 0; i < samples.size(); ++i) {
        ASSERT_NE(windows[i], nullptr) << samples[i].name;
        for (HWND part : Parts(windows[i])) {
            if (!IsWindowVisible(part))
                continue;
            const Look look = LookOf(WholeWindowPixels(part));
            EXPECT_LT(Luminance(look.background), 0.05) << samples[i].name << ": " << Describe(look);
            EXPECT_FALSE(look.lightPatch) << samples[i].name << ": " << Describe(look);
            if (samples[i].hasText && part == windows[i]) {
                EXPECT_GT(look.inkPixels, 10) << samples[i].name << ": " << Describe(look);
                EXPECT_GE(Contrast(look.ink, look.background), 4.5)
                    << samples[i].name << ": " << Describe(look);
            }
        }
    }
}

// The form's procedure: its "Push me" button chooses light.
INT_PTR CALLBACK ChooseLightProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && LOWORD(wParam) == 102)
        SetDarkMode(DarkMode::Off);
    return FALSE;
}

TEST_P(DarkModeTest, SwitchingBackGivesTheLightPixelsBack)
{
    GiveMenuBar(form.hwnd);
    form.DialogProcedure = ChooseLightProc;
    for (const Sample& sample : Samples())
        sample.make(form);
    SetFocus(GetDlgItem(form.hwnd, 102));
    RepaintWholly(form.hwnd, 200);
    const PixelGrid light = WholeWindowPixels(form.hwnd);
    EXPECT_GT(Luminance(LookOf(light).background), 0.35);

    SetDarkMode(DarkMode::On);
    RepaintWholly(form.hwnd, 200);
    EXPECT_LT(Luminance(LookOf(WholeWindowPixels(form.hwnd)).background), 0.05);

    // Back to light from a click, as a program's own switch does it: the
    // button that was clicked is drawn light too.
    // The switch repaints everything: nothing is repainted here.
    SendMessageA(GetDlgItem(form.hwnd, 102), BM_CLICK, 0, 0);
    EXPECT_FALSE(DarkModeOn());
    PumpMessages(200);
    const PixelGrid again = WholeWindowPixels(form.hwnd);
    ASSERT_EQ(light.colours.size(), again.colours.size());
    int differing = 0;
    for (size_t i = 0; i < light.colours.size(); ++i)
        differing += light.colours[i] != again.colours[i] ? 1 : 0;
    EXPECT_EQ(differing, 0);
}

TEST_P(DarkModeTest, GroupBoxStaysWhenItsFormPaintsUnderIt)
{
    GroupBox group("Group", 124, 10, 60, 200, 80, form);
    SetDarkMode(DarkMode::On);
    RepaintWholly(form.hwnd, 100);
    // The form paints again without the group box: a group box is
    // transparent, so the form paints under it.
    InvalidateRect(form.hwnd, NULL, TRUE);
    UpdateWindow(form.hwnd);
    PumpMessages(50);
    const Look look = LookOf(WholeWindowPixels(group.hwnd));
    EXPECT_GT(look.inkPixels, 200) << Describe(look);
}

TEST_P(DarkModeTest, TaskDialogsBuiltOfWindowsTurnDarkToo)
{
    SetDarkMode(DarkMode::On);
    TaskDialog dialog;
    dialog.caption = "Dark task";
    dialog.mainInstruction = "A question";
    dialog.content = "Some words of content.";
    dialog.commonButtons = TDCBF_CANCEL_BUTTON;
    dialog.timer = true;
    Look look;
    bool seen = false;
    dialog.callback = [&](TaskDialog& shown, HWND window, UINT notification, WPARAM, LPARAM) {
        if (notification == TDN_TIMER && !seen) {
            seen = true;
            RECT client;
            GetClientRect(window, &client);
            look = LookOf(RepaintedPixels(window, client, 100));
            shown.ClickButton(IDCANCEL);
        }
        return false;
    };
    dialog.Show(form);
    ASSERT_TRUE(seen);
    EXPECT_LT(Luminance(look.background), 0.05) << Describe(look);
    EXPECT_FALSE(look.lightPatch) << Describe(look);
    EXPECT_GE(Contrast(look.ink, look.background), 4.5) << Describe(look);
}

TEST_P(DarkModeTest, ScrollBarsStayDarkWhenTheSystemRedrawsThem)
{
    ListBox list("", 120, 10, 10, 160, 100, form);
    for (int i = 0; i < 40; ++i)
        list.Add("Line " + NumberString(i, 0));
    SetDarkMode(DarkMode::On);
    RepaintWholly(form.hwnd, 100);
    // Scrolling moves the thumb: the system draws the bar there and then,
    // with no WM_NCPAINT.
    SendMessageA(list.hwnd, LB_SETTOPINDEX, 25, 0);
    SendMessageA(list.hwnd, WM_VSCROLL, SB_LINEUP, 0);
    PumpMessages(100);
    const Look look = LookOf(WholeWindowPixels(list.hwnd));
    EXPECT_FALSE(look.lightPatch) << Describe(look);
}

TEST_P(DarkModeTest, ProgramColoursStayAndRichTextKeepsItsOwn)
{
    TableView table("", 121, 10, 10, 200, 80, form);
    table.AddColumn("Name", 100);
    const COLORREF cream = RGB(250, 240, 200);
    SendMessageA(table.hwnd, LVM_SETBKCOLOR, 0, cream);
    RichTextBox box("", 122, 10, 100, 300, 80, form, true, true, false, ES_MULTILINE, 0);
    box.RichText = "{\\rtf1{\\colortbl;\\red200\\green0\\blue0;}plain \\cf1 red\\cf0  plain}";
    SendMessageA(box.hwnd, EM_SETMODIFY, FALSE, 0);

    auto colourAt = [&](LONG position) {
        CHARRANGE range = {position, position + 1};
        SendMessageA(box.hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        CHARFORMAT2W format = {};
        format.cbSize = sizeof format;
        format.dwMask = CFM_COLOR;
        SendMessageW(box.hwnd, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return (format.dwEffects & CFE_AUTOCOLOR) != 0 ? CLR_DEFAULT : format.crTextColor;
    };

    SetDarkMode(DarkMode::On);
    EXPECT_EQ(cream, static_cast<COLORREF>(SendMessageA(table.hwnd, LVM_GETBKCOLOR, 0, 0)));
    EXPECT_EQ(CurrentSchemeColours().text, colourAt(0));
    EXPECT_EQ(RGB(200, 0, 0), colourAt(6));
    EXPECT_EQ(CurrentSchemeColours().text, colourAt(11));
    EXPECT_FALSE(SendMessageA(box.hwnd, EM_GETMODIFY, 0, 0));
    // Text that comes in while dark is light too, though it asks for the
    // automatic colour (\\cf0).
    box.RichText = "{\\rtf1{\\colortbl;\\red200\\green0\\blue0;}\\cf0 new words}";
    EXPECT_EQ(CurrentSchemeColours().text, colourAt(1));

    SetDarkMode(DarkMode::Off);
    EXPECT_EQ(CLR_DEFAULT, colourAt(1));
    EXPECT_EQ(cream, static_cast<COLORREF>(SendMessageA(table.hwnd, LVM_GETBKCOLOR, 0, 0)));
}

TEST_P(DarkModeTest, FollowsTheSystemSettingAndItsChange)
{
    Label words("Words", 123, 10, 10, 200, 20, form);
    const bool startsDark = SystemUsesDarkMode();
    EXPECT_EQ(DarkPrefix(), startsDark);
    SetDarkMode(DarkMode::FollowSystem);
    EXPECT_EQ(startsDark, DarkModeOn());

    WriteSystemSetting(!startsDark);
    AnnounceSettingChange(form.hwnd);
    EXPECT_EQ(!startsDark, DarkModeOn());
    RepaintWholly(form.hwnd, 100);
    const double changed = Luminance(LookOf(WholeWindowPixels(words.hwnd)).background);
    EXPECT_TRUE(startsDark ? changed > 0.35 : changed < 0.05) << changed;

    // Told to be light, the program stays light through the next change.
    SetDarkMode(DarkMode::Off);
    WriteSystemSetting(true);
    AnnounceSettingChange(form.hwnd);
    EXPECT_FALSE(DarkModeOn());

    WriteSystemSetting(startsDark);
}

}  // namespace
