/// \file
/// The status bar along the bottom of a window, split into equal parts.
#ifndef WICKER_CONTROLS_STATUS_BAR_H
#define WICKER_CONTROLS_STATUS_BAR_H

#include <windows.h>

#include <vector>

#include "../foundation/control.h"
#include "../foundation/property.h"
#include "../foundation/string.h"
#include "../foundation/string_list.h"

///@{
/// The most parts a status bar has, and the longest text a part shows.
const int kStatusBarMaxParts = 100;
const int kStatusPartTextLimit = 1027;
///@}

/// A "msctls_statusbar32" window with a size grip, placed by the control
/// itself along the bottom of its parent. Its parts share the parent's width
/// equally, the last one reaching the right end; a raised part is drawn
/// popped out (SBT_POPOUT). The parent's WM_SIZE should call UpdateLayout so
/// the bar follows the parent's size.
///
///     StatusBar status("Ready;;", 1, form, 3);
///     status.SetText(2, "12:00");
struct StatusBar : Control {
    /// The part texts as last set (SetText, SetTexts).
    StringList texts;
    /// One flag per part: the part is drawn raised. Grows with Parts, never shrinks.
    std::vector<bool> raised;
    /// The number of parts (SB_GETPARTS). Writing splits the bar again into
    /// that many equal parts; counts below 1 give 1, above 100 give 100.
    Property<StatusBar, int> Parts;

    /// No window, no parent.
    StatusBar();
    /// Creates the window at once, as Create does with the same arguments.
    StatusBar(const String& partTexts, int identifier, Control parentControl, int parts = 1,
              bool enabled = true, bool visible = true, DWORD exStyle = 0);

    /// Creates the bar with `parts` parts showing the texts, separated by ";"
    /// (an empty piece leaves its part empty); false when it could not be created.
    bool Create(const String& partTexts, int identifier, Control parentControl, int parts = 1,
                bool enabled = true, bool visible = true, DWORD exStyle = 0);

    /// Shows the text in the part (SB_SETTEXTA, raised parts SBT_POPOUT) and
    /// keeps it in `texts`; texts longer than 1,027 bytes are cut there, after
    /// the last whole character.
    /// False for a part the bar does not have.
    bool SetText(int part, const String& text);
    /// Sets each part that the list has a non-empty text for; empty texts
    /// leave their parts as they are, texts past the last part are only kept.
    /// `texts` becomes the list. Nothing happens for an empty list.
    void SetTexts(const StringList& list);
    /// SetTexts with the pieces of the text between ";".
    void SetTextsFrom(const String& text);
    /// The part's text as shown (SB_GETTEXTA), whole; empty for a part the bar
    /// does not have.
    String Text(int part);
    /// Draws the part raised (SBT_POPOUT, whose edge the bar draws itself where
    /// a themed bar would leave it flat) or flat; every part is drawn again
    /// with its style.
    void SetRaised(int part, bool isRaised);
    /// Places the bar along its parent's bottom edge again (WM_SIZE) and
    /// repaints it. The parts keep their right edges: write Parts to share the
    /// new width again.
    void UpdateLayout();

private:
    void BindProperties();
    int GetParts();
    void SetParts(int count);
};

/// Window style before WS_VISIBLE.
const DWORD kStatusBarStyle = 0x40000100;  ///< WS_CHILD | SBARS_SIZEGRIP

#endif
