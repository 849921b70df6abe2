// Controls: every member of the basic control family. The check box under
// the "Text" section enables and disables the whole section through a
// ControlGroup; the slider drives the progress bar; clicks are reported in
// the line at the bottom.
#include "pages.h"

namespace {

enum {
    kPushId = 1,
    kDefaultId,
    kIconButtonId,
    kSmallId,
    kLargeId,
    kSoundId,
    kNameId,
    kEnableTextId,
    kSliderId,
    kScrollId,
};

Button pushButton, defaultButton, iconButton;
RadioButton smallSize, largeSize;
CheckBox sound, enableText;
Label nameLabel, passwordLabel, readOnlyLabel, countLabel, status;
TextBox name;
PasswordBox password;
ReadOnlyBox readOnly;
spinBox count;
Guage progress, level;
Track slider;
ScrollBar horizontalBar, verticalBar;
ControlGroup textSection;

INT_PTR CALLBACK ControlsProc(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case kEnableTextId:
            if (enableText.Checked)
                textSection.EnableAll();
            else
                textSection.DisableAll();
            return TRUE;
        case kPushId:
        case kDefaultId:
        case kIconButtonId:
            // The button's window comes with the command.
            status.Text = "Clicked: " + Control(reinterpret_cast<HWND>(lParam)).Text();
            return TRUE;
        case kSmallId:
        case kLargeId:
            status.Text = String("Size: ") + (largeSize.Checked ? "large" : "small");
            return TRUE;
        case kSoundId:
            status.Text = String("Sound: ") + (sound.Checked ? "on" : "off");
            return TRUE;
        }
    }
    if (message == WM_HSCROLL) {
        // The slider moved: the progress bar follows it.
        progress.Position = slider.Position;
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void controls_page(Form& page)
{
    // Buttons, radio buttons and a check box in a group box.
    GroupBox("Buttons", 0, 10, 10, 280, 130, page);
    pushButton.Create("Push me", kPushId, 25, 32, 115, 28, page);
    defaultButton.Create("Default", kDefaultId, 155, 32, 115, 28, page, true, true, false, true);
    iconButton.Create("", kIconButtonId, 25, 74, 48, 48, page, true, true, false, false, 0, true,
                      IconObject(LoadIconA(NULL, IDI_INFORMATION)));
    smallSize.Create("Small", kSmallId, 90, 76, 80, 20, page);
    largeSize.Create("Large", kLargeId, 90, 100, 80, 20, page);
    smallSize.Checked = true;
    sound.Create("Sound", kSoundId, 185, 76, 90, 20, page, true);

    // The text section, which the check box below it enables and disables.
    VisibleGroupBox("Text", 0, 10, 150, 280, 150, page);
    nameLabel.Create("Name:", 0, 25, 175, 70, 20, page);
    name.Create("Tuckle", kNameId, 100, 172, 175, 22, page, true, true, false, false,
                WS_EX_CLIENTEDGE);
    passwordLabel.Create("Password:", 0, 25, 205, 70, 20, page);
    password.Create("secret", 0, 100, 202, 175, 22, page, true, true, false, false,
                    WS_EX_CLIENTEDGE);
    readOnlyLabel.Create("Read only:", 0, 25, 235, 70, 20, page);
    readOnly.Create("You cannot change this", 0, 100, 232, 175, 22, page, true, true, false, false,
                    WS_EX_CLIENTEDGE);
    countLabel.Create("Count:", 0, 25, 265, 70, 20, page);
    count.Create("3", 0, 100, 262, 80, 22, page, true, true, false, WS_EX_CLIENTEDGE);
    Control* section[] = {&nameLabel, &name, &passwordLabel, &password, &readOnlyLabel,
                          &readOnly, &countLabel, &count};
    for (Control* control : section)
        textSection.Add(*control);
    enableText.Create("Enable the text section", kEnableTextId, 15, 310, 250, 20, page, true);

    // Pictures.
    FrameBox("Pictures", 0, 310, 10, 280, 90, page);
    IconBox("", 0, 330, 40, 32, 32, page, IconObject(LoadIconA(NULL, IDI_WARNING)));
    // A bitmap of the system's (OBM_CHECKBOXES), in a box of its size.
    Bitmap checks(LoadBitmapA(NULL, MAKEINTRESOURCEA(32759)));
    BmpBox("", 0, 400, 35, checks.Width, checks.Height, page, checks);
    Label("An icon", 0, 322, 76, 60, 18, page);
    Label("The system's check box bitmap", 0, 400, 76, 180, 18, page);

    // Progress bars and a slider that drives the first.
    FrameBox("Progress", 0, 310, 110, 280, 120, page);
    progress.Create(0, 325, 135, 220, 20, page);
    progress.Position = 60;
    level.Create(0, 560, 130, 18, 90, page, false, true, true, false, true);
    level.Position = 35;
    slider.Create(kSliderId, 320, 170, 230, 40, page, true, true, false, false, 0, 0, 100);
    slider.Position = 60;

    // Scroll bars.
    FrameBox("Scroll bars", 0, 310, 240, 280, 90, page);
    horizontalBar.Create(kScrollId, 325, 265, 220, 18, page, 1, true, true, false, 0, 0, 100);
    horizontalBar.Position = 30;
    verticalBar.Create(kScrollId, 560, 258, 18, 64, page, 0, true, true, false, 0, 0, 100);

    // A sunken line above the status line.
    SunkenFrame(10, 345, 580, 2, page);
    status.Create("Click something.", 0, 10, 355, 580, 20, page);

    page.DialogProcedure = ControlsProc;
}
