// MDI: a button opens a frame window holding three child forms, with a bar of
// buttons at its top that cascade and tile them. Closing the frame or a child
// only hides it; the button shows the frame again.
#include "pages.h"

namespace {

enum {
    kOpen = 1,
    kCascade,
    kTileVertical,
    kTileHorizontal,
};

const int kBarHeight = 34;

MDIForm frame;
Form children[3];
Control page;

// The frame's procedure: the client area below the bar of buttons, the
// buttons' commands, and closing that hides instead of ending the program.
INT_PTR CALLBACK FrameProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_CLOSE:
        frame.Hide();
        return TRUE;
    case WM_SIZE:
        MoveWindow(frame.container.hwnd, 0, kBarHeight, frame.ClientWidth,
                   frame.ClientHeight - kBarHeight, TRUE);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kCascade:
            frame.Cascade(false);
            return TRUE;
        case kTileVertical:
            frame.TileVertical(false);
            return TRUE;
        case kTileHorizontal:
            frame.TileHorizontal(false);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

void OpenFrame()
{
    if (frame.Exists()) {
        for (Form& child : children)
            child.Show();
        frame.Show();
        return;
    }
    // Over the right of the gallery, so the page and the frame show together.
    RECT area;
    GetWindowRect(page.hwnd, &area);
    frame.Create("MDI window", area.left + 150, area.top + 60, 460, 360, kFormStandard, true,
                 false);
    frame.DialogProcedure = FrameProc;
    frame.SetBackColor(RGB(96, 112, 128));
    Button("Cascade", kCascade, 6, 4, 90, 26, frame);
    Button("Tile vertical", kTileVertical, 102, 4, 100, 26, frame);
    Button("Tile horizontal", kTileHorizontal, 208, 4, 110, 26, frame);

    const char* const captions[] = {"Letter", "Shopping list", "Notes"};
    const char* const texts[] = {"Dear Tuckle,\r\nthe pets are back.",
                                 "Apples\r\nPears\r\nCarrots", "Cascade and tile the windows."};
    for (int i = 0; i < 3; ++i) {
        children[i] = frame.AddChild(captions[i], 10 + 30 * i, 10 + 30 * i, 220, 150, kFormStandard);
        TextBox text;
        text.Create(texts[i], 1, 0, 0, 200, 100, children[i], true, true, false, true);
        text.FillParent();
    }
    frame.UpdateLayout();
    frame.Show();
}

INT_PTR CALLBACK MdiPageProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && LOWORD(wParam) == kOpen && HIWORD(wParam) == BN_CLICKED) {
        OpenFrame();
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void mdi_page(Form& pageForm)
{
    page = Control(pageForm.hwnd);
    pageForm.DialogProcedure = MdiPageProc;
    Label("An MDI frame holds child forms that the user moves inside it; the buttons "
          "along its top cascade and tile them.",
          0, 10, 10, 560, 40, pageForm);
    Button("Open MDI window", kOpen, 10, 60, 160, 28, pageForm);
}
