// Dark mode: three choices switch the whole gallery between following the
// system's setting, light and dark while it runs; a few controls below show
// the colours on this page (every other page shows them too).
#include "pages.h"

namespace {

enum { kFollow = 10, kLight, kDark, kState };

RadioButton choices[3];
Label state;

// What the gallery does now, and what the system's setting says.
void ShowState()
{
    String now = DarkModeOn() ? "dark" : "light";
    String system = SystemUsesDarkMode() ? "dark" : "light";
    state.Text = "The windows are " + now + " now; the system's setting for apps is " + system + ".";
}

INT_PTR CALLBACK DarkModeProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case kFollow:
        SetDarkMode(DarkMode::FollowSystem);
        break;
    case kLight:
        SetDarkMode(DarkMode::Off);
        break;
    case kDark:
        SetDarkMode(DarkMode::On);
        break;
    default:
        return FALSE;
    }
    ShowState();
    return TRUE;
}

}  // namespace

void darkmode_page(Form& page)
{
    int id = 20;
    GroupBox choice("Colours", id++, page);
    choices[0] = RadioButton("Follow the system's setting", kFollow, page);
    choices[0].AddStyle(WS_GROUP);
    choices[1] = RadioButton("Light", kLight, page);
    choices[2] = RadioButton("Dark", kDark, page);
    const DarkMode mode = DarkModeSetting();
    choices[mode == DarkMode::FollowSystem ? 0 : mode == DarkMode::Off ? 1 : 2].Checked = true;
    state = Label("", kState, page);
    ShowState();

    GroupBox sample("A few controls", id++, page);
    Label nameLabel("Name:", id++, page);
    TextBox name("Ada", id++, page);
    Label sizeLabel("Size:", id++, page);
    ComboBox size("", id++, page, true);
    for (const char* each : {"Small", "Medium", "Large"})
        size.Add(each);
    size.SetSelectedIndex(1);
    CheckBox reminder("Remind me tomorrow", id++, page, true);
    ListBox colours("", id++, page);
    for (const char* each : {"Red", "Orange", "Yellow", "Green", "Blue", "Indigo", "Violet",
                             "Black", "White"})
        colours.Add(each);
    Guage progress(id++, 0, 0, 200, 18, page);
    progress.Position = 60;
    Button apply("Apply", id++, page);
    Button disabled("Not now", id++, page);
    disabled.Enabled = false;

    BoxLayout ways(LayoutDirection::Column);
    ways.Add(choices[0]).Add(choices[1]).Add(choices[2]).AddSpace(4).Add(state);

    GridLayout fields;
    fields.Add(nameLabel, 0, 0).Add(name, 0, 1, LayoutOptions().Characters(14));
    fields.Add(sizeLabel, 1, 0).Add(size, 1, 1);
    fields.Add(reminder, 2, 0, LayoutOptions().Span(1, 2));
    fields.Add(progress, 3, 0, LayoutOptions().Span(1, 2));
    fields.SetColumnWeight(1, 1);

    BoxLayout row(LayoutDirection::Row);
    row.SetSpacing(10);
    row.Add(fields, LayoutOptions().Weight(1)).Add(colours, LayoutOptions().Characters(12).Lines(6));

    BoxLayout buttons(LayoutDirection::Row);
    buttons.AddStretch().Add(apply).Add(disabled);

    BoxLayout inside(LayoutDirection::Column);
    inside.SetSpacing(8);
    inside.Add(row).Add(buttons);

    BoxLayout column(LayoutDirection::Column);
    column.SetMargins(10).SetSpacing(10);
    column.Add(choice, ways).Add(sample, inside).AddStretch();
    page.SetLayout(column, LayoutFit::KeepSize);
    page.DialogProcedure = DarkModeProc;
}
