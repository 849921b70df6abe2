// A viewer of CSV files: File > Open (or a file named on the command line)
// reads the file whole, its first record gives the column titles and the
// rest the rows of a table that fills the window; the status bar tells how
// many rows and columns were read, or the first fault in the file and its
// line. The reading itself is in csv_table.cpp, plain C++ tested apart.
#include <wicker.h>

#include <string>

#include "csv_table.h"

namespace {

enum Command { kOpen = 100, kExit };
const int kTable = 10;
const int kStatus = 11;
// The most rows shown; a larger file is shown in part, and the status bar says so.
const std::size_t kMostRows = 100000;

Form viewer;
TableView table;
StatusBar status;

// A field's text for the table, on one line: each line end in it (CR LF, LF
// or CR) becomes a space. A file marked as UTF-8 is turned into the
// program's code page through UTF-16 (a character the code page lacks
// becomes '?'); other files are shown as they are.
String Shown(const std::string& text, bool utf8)
{
    std::string field;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        field += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
    }
    if (!utf8 || GetACP() == CP_UTF8)
        return String(field);
    int units = MultiByteToWideChar(CP_UTF8, 0, field.data(), static_cast<int>(field.size()), NULL, 0);
    std::wstring wide(units, L'\0');
    if (units > 0)
        MultiByteToWideChar(CP_UTF8, 0, field.data(), static_cast<int>(field.size()), &wide[0], units);
    return AnsiFromWide(wide);
}

void Show(const CsvTable& csv)
{
    // The table is emptied and filled without drawing, then drawn once.
    SendMessageA(table.hwnd, WM_SETREDRAW, FALSE, 0);
    table.Clear();
    std::size_t columns = csv.ColumnCount();
    const CsvRecord* titles = csv.records.empty() ? NULL : &csv.records[0];
    for (std::size_t c = 0; c < columns; ++c) {
        String title = titles != NULL && c < titles->size() ? Shown((*titles)[c], csv.utf8Mark)
                                                             : String("");
        table.AddColumn(title, 120);
    }
    std::size_t rows = csv.records.size() > 1 ? csv.records.size() - 1 : 0;
    std::size_t shown = rows < kMostRows ? rows : kMostRows;
    for (std::size_t r = 0; r < shown; ++r) {
        const CsvRecord& record = csv.records[r + 1];
        TableRow row = table.AddRow(Shown(record[0], csv.utf8Mark));
        for (std::size_t c = 1; c < record.size(); ++c)
            row.SetCellText(static_cast<int>(c), Shown(record[c], csv.utf8Mark));
    }
    SendMessageA(table.hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(table.hwnd, NULL, TRUE);

    std::string summary = std::to_string(rows) + " rows, " + std::to_string(columns) + " columns";
    if (shown < rows)
        summary += ", the first " + std::to_string(shown) + " shown";
    if (!csv.problem.empty())
        summary += "; line " + std::to_string(csv.problemLine) + ": " + csv.problem;
    status.SetText(0, summary);
}

void OpenFile(const String& path)
{
    ByteBuffer bytes;
    if (!ReadWholeFile(path, bytes)) {
        MsgBox(viewer, "Could not read " + path, "CSV viewer", MB_OK | MB_ICONERROR);
        return;
    }
    std::string text(static_cast<std::size_t>(bytes.Length()), '\0');
    bytes.CopyTo(&text[0]);
    Show(ReadCsv(text));
    viewer.Text = "CSV viewer - " + path;
}

INT_PTR CALLBACK ViewerProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_CLOSE:
        PostQuitMessage(0);
        return TRUE;
    case WM_SIZE:
        status.UpdateLayout();
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kOpen:
            if (viewer.OpenFileDialog(""))
                OpenFile(viewer.FileName);
            return TRUE;
        case kExit:
            PostQuitMessage(0);
            return TRUE;
        }
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    viewer.Create("CSV viewer", 0, 0, 100, 100, kFormSizable, true, false);
    viewer.SetClientSize(560, 360, true);
    viewer.SetMinimumClientSize(240, 120);
    viewer.fileDialog.AddFilter("CSV files", "*.csv;*.txt");
    viewer.fileDialog.AddFilter("All files", "*.*");
    MenuBar bar(viewer);
    MenuItem file = bar.AddMenu("&File", 1);
    file.AddItem("&Open...", kOpen);
    file.AddSeparator();
    file.AddItem("E&xit", kExit);
    // The table fills the client area above the status bar and grows with it.
    status.Create("Open a CSV file with File > Open", kStatus, viewer, 1);
    SIZE client = viewer.LogicalClientSize();
    table.Create("", kTable, 0, 0, client.cx, client.cy - status.LogicalSize().cy, viewer);
    table.SetAnchor(Anchor::All);
    viewer.DialogProcedure = ViewerProc;
    viewer.Show();
    if (__argc > 1)
        OpenFile(__argv[1]);

    return viewer.Run();
}
