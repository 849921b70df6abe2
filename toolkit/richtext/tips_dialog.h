/// \file
/// The ready-made tip-of-the-day window.
#ifndef WICKER_RICHTEXT_TIPS_DIALOG_H
#define WICKER_RICHTEXT_TIPS_DIALOG_H

#include <windows.h>

#include <vector>

#include "controls/button.h"
#include "controls/check_boxes.h"
#include "controls/form.h"
#include "foundation/property.h"
#include "foundation/string.h"
#include "rich_text_box.h"

/// One tip: a title, shown as written, and a text in the markup of RtfFromMarkup.
struct Tip {
    /// The tip's title, shown above it.
    String title;
    /// The tip itself.
    String text;
};

///@{
/// Identifiers of the dialog's controls.
const int kTipsTextPaneId = 198;
const int kTipsShowOnStartupId = 199;
const int kTipsNextId = 200;
const int kTipsPreviousId = 201;
///@}

///@{
/// The pane's texts when there is no tip to show.
extern const char kTipsNoFileText[];
extern const char kTipsNoTipsText[];
extern const char kTipsUnreadableText[];
///@}
/// What screen readers call the picture strip.
extern const char kTipsPictureName[];

/// A small always-on-top tool window: a picture strip on the left, a read-only
/// rich text pane showing one tip, a "Show tips on next startup" check box
/// (which the program reads; the dialog never does) and "< Previous" /
/// "Next >" buttons that walk the tips round. Closing it hides it; it can be
/// shown again. Tips come from a tips file (see tips_file.h) or AddTip, and
/// SaveTips writes them to one.
///
/// The window's user-data word names the dialog, so the dialog must stay
/// where it is while its window lives (keep it, or move it, never copy it).
struct TipsDialog : Form {
    /// The tips in the order they were added; positions are 1-based.
    std::vector<Tip> tips;
    /// The position of the tip on show; 0 while there is none.
    int current;
    ///@{
    /// The header's fourth value from the last tips file read.
    int storedCurrent;
    RichTextBox textPane;
    CheckBox ShowOnStartup;
    Button previousButton;
    Button nextButton;
    ///@}
    /// Read only: the number of tips.
    Property<TipsDialog, int> Count;
    /// The position on show; writing shows that tip (ShowTip).
    Property<TipsDialog, int> Current;

    ///@{
    /// Builds the window, centred on the screen, with its controls, then reads
    /// the tips file when `path` is not empty. A missing file leaves the pane's
    /// first text; a file without tips, or one that cannot be read, says so.
    TipsDialog(const String& path, const String& caption, const Control& parentControl,
               bool visible);
    TipsDialog(const TipsDialog&) = delete;
    ///@}
    ///@{
    /// The window stays (hidden or shown) and stops answering Next and
    /// Previous, which need this object.
    ~TipsDialog();
    TipsDialog& operator=(const TipsDialog&) = delete;
    ///@}

    /// Appends a tip; the first one is shown at once.
    void AddTip(const String& title, const String& text);
    /// Shows the tip at the 1-based position; nothing for an empty list or a
    /// position outside 1 to Count.
    void ShowTip(int position);
    ///@{
    /// The next or previous tip, from the last round to the first and back.
    void NextTip();
    void PreviousTip();
    ///@}
    /// Writes every tip to a tips file that names `position` as the tip on
    /// show (-1 for the current one); a title or text longer than 999 bytes is
    /// cut. False when the file cannot be created or fully written.
    bool SaveTips(const String& path, int position);

private:
    void BindProperties();
    void LoadTips(const String& path);
    int GetCount();
    int GetCurrent();
    void SetCurrent(int position);
};

/// The RTF document the pane shows for a tip: the title green, bold, 16
/// points, as written; three paragraph breaks; the converted text.
String TipDocument(const Tip& tip);

/// The dialog's procedure: hides on close, walks the tips on the buttons and
/// paints the picture strip.
INT_PTR CALLBACK TipsDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
