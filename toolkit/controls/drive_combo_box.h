/// \file
/// A combo box listing the machine's drives with their icons and labels.
#ifndef WICKER_CONTROLS_DRIVE_COMBO_BOX_H
#define WICKER_CONTROLS_DRIVE_COMBO_BOX_H

#include <windows.h>

#include "../foundation/image_list.h"
#include "../foundation/string.h"
#include "../foundation/string_list.h"
#include "combo_box.h"

/// The name of the timer WatchDrives starts.
extern const char kDrivesChangeTimer[];

/// A ComboBox whose items are the drives, in the order the system lists
/// them, each as its label and letter ("Data (E:)", " (F:)" for a drive
/// without a label) with the shell's icon of its root, and item data -1. The
/// list is read at creation and again by Refresh, but never twice within the
/// refresh interval. The wrapper serves its window's timer, so it is neither
/// copied nor moved, and must live as long as the watch it starts; destroying
/// it stops the watch and leaves the window with the items it shows.
struct DriveComboBox : ComboBox {
    /// The small icons of the drives, one per drive, in list order.
    ImageList icons;
    /// The drive letters as last read ("C", "E" ...).
    StringList letters;
    /// The tick count of the last refresh; 0 before the first.
    DWORD lastRefresh;
    /// The shortest time between two refreshes, in milliseconds (2000).
    DWORD refreshInterval;

    /// No window, no parent.
    DriveComboBox();
    ///@{
    /// Creates the combo box and reads the drives once.
    DriveComboBox(const String& text, int identifier, int x, int y, int width, int height,
                  Control parentControl, bool enabled = true, bool visible = true,
                  bool centred = false, bool listOnly = false, DWORD exStyle = 0);
    DriveComboBox(const DriveComboBox&) = delete;
    DriveComboBox& operator=(const DriveComboBox&) = delete;
    ~DriveComboBox();
    ///@}

    /// Creates the window, installs the box's window procedure and reads the
    /// drives; false when the window could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, bool listOnly = false, DWORD exStyle = 0);
    /// Reads the drives again and rebuilds the list, keeping the selected
    /// position when the new list still has it. Nothing happens within
    /// refreshInterval of the last refresh (the tick count may wrap round);
    /// true when the list was rebuilt.
    bool Refresh();
    /// Refreshes once, `intervalMs` from now (the timer kDrivesChangeTimer,
    /// which stops when it fires); false when that timer is running already
    /// or cannot be started.
    bool WatchDrives(UINT intervalMs);
    /// The drive at the position, as its letter and a colon ("E:"); empty
    /// outside the list.
    String DriveAt(int index) const;

private:
    void Watch();
    void Unwatch();
    friend LRESULT CALLBACK DriveComboBoxProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
};

/// The drive box's subclass procedure (SetWindowSubclass, the box as its
/// data): the kDrivesChangeTimer tick refreshes the list and stops the timer.
/// Every message, that one included, then goes on to the combo box.
LRESULT CALLBACK DriveComboBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR subclassId, DWORD_PTR box);

/// The refresh interval a new drive box has, in milliseconds.
const DWORD kDriveRefreshInterval = 2000;

#endif
