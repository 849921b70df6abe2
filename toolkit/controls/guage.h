/// \file
/// A progress bar.
#ifndef WICKER_CONTROLS_GUAGE_H
#define WICKER_CONTROLS_GUAGE_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/property.h"

/// A "msctls_progress32" window over the control's own range, 0 to 100.
struct Guage : Control {
    /// The position last written, 0 to 100.
    int position;
    /// Read: `position`; write: clamped to 0..100, kept and shown (PBM_SETPOS).
    Property<Guage, int> Position;

    /// No window, no parent.
    Guage();
    /// Creates the window at once, as Create does with the same arguments.
    Guage(int identifier, int x, int y, int width, int height, Control parentControl,
          bool horizontal = true, bool enabled = true, bool visible = true, bool centred = false,
          bool smooth = false, DWORD exStyle = 0);
    /// Creates the window; false when it could not be created.
    bool Create(int identifier, int x, int y, int width, int height, Control parentControl,
                bool horizontal = true, bool enabled = true, bool visible = true,
                bool centred = false, bool smooth = false, DWORD exStyle = 0);

private:
    void BindProperties();
    int GetPosition();
    void SetPosition(int value);
};

/// Window style before PBS_VERTICAL and PBS_SMOOTH.
const DWORD kGuageStyle = 0x40000000;  ///< WS_CHILD

#endif
