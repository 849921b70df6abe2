// A small text editor: File > Open and Save through the common dialogs, a
// text box that grows with the window (an anchor), the file's name in the
// status bar, and Tools > Settings, a modal form that makes the text read
// only or hides the status bar. The file is saved whole or not at all
// (ReplacingFile), so a full disk never leaves half a file.
#include <wicker.h>

namespace {

enum Command { kOpen = 100, kSave, kSettings, kExit };
const int kTextBox = 10;
const int kStatus = 11;
const int kReadOnlyBox = 20;
const int kStatusBarBox = 21;

Form editor;
TextBox text;
StatusBar status;
Form settings;
CheckBox readOnly;
CheckBox showStatus;

void ShowName()
{
    status.SetText(0, editor.FileName.empty() ? String("(new file)") : editor.FileName);
}

void OpenFile()
{
    if (!editor.OpenFileDialog(""))
        return;
    TextFile file;
    if (!file.Open(editor.FileName)) {
        MsgBox(editor, "Could not open " + editor.FileName, "Text editor", MB_OK | MB_ICONERROR);
        return;
    }
    text.Text = file.ReadAll();
    ShowName();
}

void SaveFile()
{
    if (editor.FileName.empty() && !editor.SaveFileDialog("untitled.txt"))
        return;
    String content = text.Text;
    ReplacingFile file(editor.FileName);
    if (!file.Write(content.data(), content.size()) || !file.Commit())
        MsgBox(editor, "Could not save " + editor.FileName, "Text editor", MB_OK | MB_ICONERROR);
    ShowName();
}

// The settings form answers OK and Cancel; ShowModal does the rest.
INT_PTR CALLBACK SettingsProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK)
        settings.EndModal(IDOK);
    return FALSE;
}

void ChangeSettings()
{
    readOnly.Checked = (GetWindowLongPtrA(text.hwnd, GWL_STYLE) & ES_READONLY) != 0;
    showStatus.Checked = status.Visible();
    if (settings.ShowModal(editor) != IDOK)
        return;
    SendMessageA(text.hwnd, EM_SETREADONLY, readOnly.Checked() ? TRUE : FALSE, 0);
    status.Visible = showStatus.Checked();
    editor.UpdateLayout();
}

INT_PTR CALLBACK EditorProc(HWND, UINT message, WPARAM wParam, LPARAM)
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
        case kOpen: OpenFile(); return TRUE;
        case kSave: SaveFile(); return TRUE;
        case kSettings: ChangeSettings(); return TRUE;
        case kExit: PostQuitMessage(0); return TRUE;
        }
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    editor.Create("Text editor", 0, 0, 480, 320, kFormSizable, true, true, false, false, true);
    editor.fileDialog.AddFilter("Text files", "*.txt");
    editor.fileDialog.AddFilter("All files", "*.*");
    MenuBar bar(editor);
    MenuItem file = bar.AddMenu("&File", 1);
    file.AddItem("&Open...", kOpen);
    file.AddItem("&Save", kSave);
    file.AddSeparator();
    file.AddItem("E&xit", kExit);
    bar.AddMenu("&Tools", 2).AddItem("&Settings...", kSettings);
    // The text box takes the client area above the status bar and keeps
    // its distances to the edges as the window is resized.
    status.Create("", kStatus, editor, 1);
    text.Create("", kTextBox, 0, 0, 100, 100, editor, true, true, false, true, WS_EX_CLIENTEDGE);
    text.Resize(editor.ClientWidth(), editor.ClientHeight() - status.Height(), false);
    text.SetAnchor(Anchor::All);
    ShowName();

    settings.Create("Settings", 0, 0, 240, 110, kFormDialog, true, false, false, false, true);
    readOnly.Create("&Read only", kReadOnlyBox, 12, 10, 200, 22, settings);
    showStatus.Create("Show the &status bar", kStatusBarBox, 12, 36, 200, 22, settings);
    Button ok("OK", IDOK, 50, 70, 70, 26, settings);
    Button cancel("Cancel", IDCANCEL, 130, 70, 70, 26, settings);
    settings.DialogProcedure = SettingsProc;
    editor.DialogProcedure = EditorProc;

    return editor.Run();
}
