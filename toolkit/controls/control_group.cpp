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
    members.push_back(&control);
}

void ControlGroup::Clear()
{
    members.clear();
}

int ControlGroup::DisableAll()
{
    for (Control* member : members)
        EnableWindow(member->hwnd, FALSE);
    return GetCount();
}

int ControlGroup::EnableAll()
{
    for (Control* member : members)
        EnableWindow(member->hwnd, TRUE);
    return GetCount();
}

int ControlGroup::HideAll()
{
    for (Control* member : members)
        ShowWindow(member->hwnd, SW_HIDE);
    return GetCount();
}

int ControlGroup::ShowAll()
{
    for (Control* member : members)
        ShowWindow(member->hwnd, SW_SHOW);
    return GetCount();
}
