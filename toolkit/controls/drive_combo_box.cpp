#include "drive_combo_box.h"

#include <commctrl.h>

#include "../system/icon_object.h"
#include "drive_source.h"

const char kDrivesChangeTimer[] = "__driveschange";

namespace {

const UINT_PTR kDriveBoxSubclassId = 0x44726976;  // "Driv"

}  // namespace

DriveComboBox::DriveComboBox()
    : ComboBox(), icons(), letters(), lastRefresh(0), refreshInterval(kDriveRefreshInterval)
{
}

DriveComboBox::DriveComboBox(const String& text, int identifier, int x, int y, int width,
                             int height, Control parentControl, bool enabled, bool visible,
                             bool centred, bool listOnly, DWORD exStyle)
    : ComboBox(), icons(), letters(), lastRefresh(0), refreshInterval(kDriveRefreshInterval)
{
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred,
           listOnly, exStyle);
}

// The window keeps its own holder of the icon list, so the icons it shows
// stay valid after the box is gone; only the box's holder goes here.
DriveComboBox::~DriveComboBox()
{
    KillTimerByName(kDrivesChangeTimer);
    Unwatch();
}

bool DriveComboBox::Create(const String& text, int identifier, int x, int y, int width,
                           int height, Control parentControl, bool enabled, bool visible,
                           bool centred, bool listOnly, DWORD exStyle)
{
    Unwatch();
    if (!ComboBox::Create(text, identifier, x, y, width, height, parentControl, enabled, visible,
                          centred, listOnly, exStyle))
        return false;
    Watch();
    refreshInterval = kDriveRefreshInterval;
    lastRefresh = 0;
    Refresh();
    return true;
}

// A comctl32 subclass rather than a replaced window procedure: it chains with
// the toolkit's other subclasses (the handles a window keeps) in any order.
void DriveComboBox::Watch()
{
    SetWindowSubclass(hwnd, DriveComboBoxProc, kDriveBoxSubclassId,
                      reinterpret_cast<DWORD_PTR>(this));
}

void DriveComboBox::Unwatch()
{
    if (hwnd != NULL && IsWindow(hwnd))
        RemoveWindowSubclass(hwnd, DriveComboBoxProc, kDriveBoxSubclassId);
}

bool DriveComboBox::Refresh()
{
    if (hwnd == NULL)
        return false;
    int selected = SelectedIndex();
    DriveSource source = DriveSourceInUse();
    DWORD now = source.tickCount();
    // Unsigned difference: right across the tick count's wrap after 49.7 days.
    if (lastRefresh != 0 && now - lastRefresh < refreshInterval)
        return false;
    lastRefresh = now;
    letters = source.drives();
    source.driveTypes();
    StringList labels = source.volumeNames();

    icons.RemoveAll();
    Clear();
    int count = letters.Count;
    for (int i = 0; i < count; ++i) {
        IconObject icon = source.rootIcon(letters.Item(i) + ":\\");
        // Each drive's picture is the one at its own position, so a drive
        // without an icon still takes a place (the system's plain one), or
        // every later drive would show its neighbour's.
        if (icons.AddIcon(icon) < 0)
            icons.AddIconHandle(LoadIconA(NULL, IDI_APPLICATION));
        icon.Destroy();
    }
    SetImageList(icons);
    int labelCount = labels.Count;
    for (int i = 0; i < count; ++i) {
        String label = i < labelCount ? labels.Item(i) : String();
        Add(label + " (" + letters.Item(i) + ":)", -1, i);
    }
    if (selected >= 0 && selected < Count())
        SetSelectedIndex(selected);
    return true;
}

bool DriveComboBox::WatchDrives(UINT intervalMs)
{
    return AddTimer(kDrivesChangeTimer, intervalMs);
}

String DriveComboBox::DriveAt(int index) const
{
    if (index < 0 || index >= letters.Count())
        return String();
    return letters.Item(index) + ":";
}

LRESULT CALLBACK DriveComboBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR subclassId, DWORD_PTR data)
{
    DriveComboBox* box = reinterpret_cast<DriveComboBox*>(data);
    if (message == WM_TIMER && box != NULL && box->hwnd == window) {
        int timer = box->TimerId(kDrivesChangeTimer);
        if (timer != -1 && wParam == static_cast<WPARAM>(timer)) {
            box->Refresh();
            box->KillTimerByName(kDrivesChangeTimer);
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, DriveComboBoxProc, subclassId);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}
