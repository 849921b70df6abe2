// Table: three hundred numbers in five columns with check boxes; the
// multiples of seven start ticked. The chosen row and the number of ticked
// rows show below.
#include "pages.h"

namespace {

enum {
    kNumbers = 1,
    kTickAll,
    kClearAll,
    kSummary,
};

const int kRows = 300;

TableView numbers;
Label summary;
// Set while many rows change at once, so the summary is counted once after.
bool filling = false;

void ShowSummary()
{
    if (filling)
        return;
    int ticked = 0;
    for (int i = 0; i < numbers.RowCount(); ++i)
        ticked += numbers.Row(i).IsChecked() ? 1 : 0;
    int row = numbers.SelectedRow;
    String chosen = row < 0 ? String("no row chosen")
                            : "row " + NumberString(row + 1, 0) + " chosen (" +
                                  numbers.CellText(4, row) + ")";
    summary.Text = NumberString(ticked, 0) + " of " + NumberString(numbers.RowCount(), 0) +
                   " rows ticked; " + chosen;
}

void TickAll(bool tick)
{
    filling = true;
    for (int i = 0; i < numbers.RowCount(); ++i) {
        if (tick)
            numbers.Row(i).Check();
        else
            numbers.Row(i).Uncheck();
    }
    filling = false;
    ShowSummary();
}

INT_PTR CALLBACK TableProc(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        const NMHDR* notice = reinterpret_cast<const NMHDR*>(lParam);
        if (notice->idFrom == kNumbers && notice->code == LVN_ITEMCHANGED)
            ShowSummary();
        return FALSE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wParam)) {
    case kTickAll:
        TickAll(true);
        return TRUE;
    case kClearAll:
        TickAll(false);
        return TRUE;
    }
    return FALSE;
}

String Words(int n)
{
    const char* ones[] = {"zero", "one", "two", "three", "four", "five", "six", "seven",
                          "eight", "nine"};
    String words;
    String digits = NumberString(n, 0);
    for (int i = 0; i < digits.Length; ++i) {
        if (i > 0)
            words += " ";
        words += ones[digits.CStr()[i] - '0'];
    }
    return words;
}

}  // namespace

void table_page(Form& page)
{
    page.DialogProcedure = TableProc;

    numbers.Create("", kNumbers, 10, 10, 580, 340, page);
    numbers.Checkboxes = true;
    numbers.AddColumn("Number", 80);
    numbers.AddColumn("Square", 80);
    numbers.AddColumn("Cube", 100);
    numbers.AddColumn("Hex", 70);
    numbers.AddColumn("In words", 220);

    ImageList pictures;
    int even = pictures.AddIconHandle(LoadIconA(NULL, IDI_INFORMATION));
    int odd = pictures.AddIconHandle(LoadIconA(NULL, IDI_QUESTION));
    numbers.SetImageList(pictures);

    filling = true;
    for (int n = 1; n <= kRows; ++n) {
        TableRow row = numbers.AddRow(NumberString(n, 0), n % 2 == 0 ? even : odd);
        row.SetCellText(1, NumberString(n * n, 0));
        row.SetCellText(2, NumberString(static_cast<double>(n) * n * n, 0));
        row.SetCellText(3, HexString(n));
        row.Cell(4).Text = Words(n);
        if (n % 7 == 0)
            row.Check();
        else
            row.Uncheck();
    }

    filling = false;
    Button tickAll("Tick every row", kTickAll, 10, 360, 150, 28, page);
    Button clearAll("Clear every row", kClearAll, 170, 360, 150, 28, page);
    summary.Create("", kSummary, 10, 400, 580, 20, page);
    // More rows and wider columns on a bigger page; the buttons stay below.
    numbers.SetAnchor(Anchor::All);
    tickAll.SetAnchor(Anchor::Left | Anchor::Bottom);
    clearAll.SetAnchor(Anchor::Left | Anchor::Bottom);
    summary.SetAnchor(Anchor::Left | Anchor::Right | Anchor::Bottom);
    ShowSummary();
}
