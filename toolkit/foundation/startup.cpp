// The process-wide objects, defined in this one unit so that the language's
// rules fix their order: construction follows the order of definition below,
// and destruction runs in the reverse order after the program's entry point
// returns. The init_priority attribute puts all of them ahead of the ordinary
// globals of the program and its other libraries, so those may use `App`,
// `Screen` and the rest from their own constructors.
#include "startup.h"

#include <commctrl.h>

#include <iostream>

#include "app.h"
#include "controls/tree_item.h"
#include "image.h"
#include "screen.h"
#include "system/icon_object.h"
#include "system/mouse.h"
#include "system/system.h"

#define WICKER_STARTUP_ORDER __attribute__((init_priority(101)))

namespace {

const char kRichEditLibrary[] = "riched32.dll";

// Every class bit from list view to native font control.
const DWORD kAllCommonControlClasses =
    ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES |
    ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS | ICC_HOTKEY_CLASS | ICC_ANIMATE_CLASS |
    ICC_DATE_CLASSES | ICC_USEREX_CLASSES | ICC_COOL_CLASSES | ICC_INTERNET_CLASSES |
    ICC_PAGESCROLLER_CLASS | ICC_NATIVEFNTCTL_CLASS;
static_assert(kAllCommonControlClasses == 0x3fff, "all fourteen common-control class bits");

// Runs one start-up step from its constructor, so that steps and objects
// interleave in the order of definition.
struct StartupStep {
    explicit StartupStep(void (*step)()) { step(); }
};

// Loads the rich edit library; the handle is kept for the life of the process (LoadLibraryA).
void LoadRichEdit()
{
    RichEditModule = LoadLibraryA(kRichEditLibrary);
}

// Registers every common-control class (InitCommonControlsEx).
void RegisterCommonControls()
{
    INITCOMMONCONTROLSEX classes;
    classes.dwSize = sizeof classes;
    classes.dwICC = kAllCommonControlClasses;
    CommonControlsResult = InitCommonControlsEx(&classes);
}

}  // namespace

extern const int WickerStartupAnchor = 1;

HMODULE RichEditModule = NULL;
BOOL CommonControlsResult = FALSE;

// Standard streams first, so that they outlive every toolkit object.
static std::ios_base::Init streamInit WICKER_STARTUP_ORDER;
static StartupStep richEditStep WICKER_STARTUP_ORDER(LoadRichEdit);
static StartupStep commonControlsStep WICKER_STARTUP_ORDER(RegisterCommonControls);
TreeItem TreeRoot WICKER_STARTUP_ORDER(NULL, TVI_ROOT);
SystemObject System WICKER_STARTUP_ORDER;
MouseObject Mouse WICKER_STARTUP_ORDER;
AppObject App WICKER_STARTUP_ORDER;
ScreenObject Screen WICKER_STARTUP_ORDER;
StartupFlag StartupDone WICKER_STARTUP_ORDER(true);
StringList EmptyList WICKER_STARTUP_ORDER;
Image EmptyImage WICKER_STARTUP_ORDER;
IconObject EmptyIcon WICKER_STARTUP_ORDER;
