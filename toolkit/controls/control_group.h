/// \file
/// Controls enabled, disabled, shown or hidden together.
#ifndef WICKER_CONTROLS_CONTROL_GROUP_H
#define WICKER_CONTROLS_CONTROL_GROUP_H

#include <vector>

#include "../foundation/control.h"
#include "../foundation/property.h"

/// A list of controls, for example the fields of one section of a form. The
/// group keeps each member's window, not its wrapper, and owns neither: the
/// wrappers may move or go, and a window destroyed meanwhile is passed over.
struct ControlGroup {
    /// Read only: the number of members.
    Property<ControlGroup, int> Count;

    ControlGroup();

    /// Appends the control's window (the one it has now).
    void Add(Control& control);
    /// Removes every member; the controls are untouched.
    void Clear();
    ///@{
    /// EnableWindow FALSE / TRUE on every member in order; the number of members.
    int DisableAll();
    int EnableAll();
    ///@}
    ///@{
    /// ShowWindow SW_HIDE / SW_SHOW on every member in order; the number of members.
    int HideAll();
    int ShowAll();
    ///@}

private:
    void BindProperties();
    int GetCount();

    std::vector<HWND> members;
};

#endif
