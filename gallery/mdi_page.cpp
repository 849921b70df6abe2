// MDI: a button opens a frame window holding three child forms; its Window
// menu cascades, tiles and arranges them and lists them by caption. Closing
// the frame or a child only hides it; the button shows them again.
#include "pages.h"

namespace {

enum {
    kOpen = 1,
    kWindowMenu = 100,
    kCascade,
    kTileVertical,
    kTileHorizontal,
    kArrangeIcons,
};

MDIForm frame;
Form children[3];
Control page;

// The frame's procedure: the Window menu's commands, and closing that hides
// the frame instead of ending the program. The frame keeps its client area
// filled by itself.
INT_PTR CALLBACK FrameProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_CLOSE) {
        frame.Hide();
        return TRUE;
    }
    if (message != WM_COMMAND)
        return FALSE;
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
    case kArrangeIcons:
        frame.ArrangeIcons();
        return TRUE;
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
    // Over the right of the gallery, beside the button that opens it, so the
    // page and the frame show together.
    RECT area;
    GetWindowRect(page.hwnd, &area);
    frame.Create("MDI window", area.left + LogicalToPixels(page, 180),
                 area.top + LogicalToPixels(page, 60), 430, 360, kFormStandard, true, false);
    frame.DialogProcedure = FrameProc;
    frame.SetBackColor(RGB(96, 112, 128));

    MenuBar bar(frame);
    MenuItem window = bar.AddMenu("&Window", kWindowMenu);
    window.AddItem("&Cascade", kCascade);
    window.AddItem("Tile &vertically", kTileVertical);
    window.AddItem("Tile &horizontally", kTileHorizontal);
    window.AddItem("&Arrange icons", kArrangeIcons);
    frame.SetWindowMenu(window.subMenu);

    const char* const captions[] = {"Letter", "Shopping list", "Notes"};
    const char* const texts[] = {"Dear Tuckle,\r\nthe pets are back.",
                                 "Apples\r\nPears\r\nCarrots", "Cascade and tile the windows."};
    for (int i = 0; i < 3; ++i) {
        children[i] = frame.AddChild(captions[i], 10 + 30 * i, 10 + 30 * i, 220, 150, kFormStandard);
        TextBox text;
        text.Create(texts[i], 1, 0, 0, 200, 100, children[i], true, true, false, true);
        text.FillParent();
    }
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
    Label("An MDI frame holds child forms that the user moves inside it; its Window menu "
          "cascades and tiles them and lists them by caption.",
          0, 10, 10, 560, 40, pageForm);
    Button("Open MDI window", kOpen, 10, 60, 160, 28, pageForm);
}
