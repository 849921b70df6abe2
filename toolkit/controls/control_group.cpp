#include "control_group.h"

ControlGroup::ControlGroup()
{
    BindProperties();
}

void ControlGroup::BindProperties()
{
    Count.Bind(this, &ControlGroup::GetCount, NULL);
}

int ControlGroup::GetCount()
{
    return static_cast<int>(members.size());
}

void ControlGroup::Add(Control& control)
{
    members.push_back(control.hwnd);
}

void ControlGroup::Clear()
{
    members.clear();
}

int ControlGroup::DisableAll()
{
    for (HWND member : members)
        EnableWindow(member, FALSE);
    return GetCount();
}

int ControlGroup::EnableAll()
{
    for (HWND member : members)
        EnableWindow(member, TRUE);
    return GetCount();
}

int ControlGroup::HideAll()
{
    for (HWND member : members)
        ShowWindow(member, SW_HIDE);
    return GetCount();
}

int ControlGroup::ShowAll()
{
    for (HWND member : members)
        ShowWindow(member, SW_SHOW);
    return GetCount();
}
