#include "list_view.h"

#include "basic_control.h"
#include "list_view_text.h"

static_assert(kListViewStyle == (WS_CHILD | WS_TABSTOP | LVS_SHAREIMAGELISTS | LVS_ICON),
              "list view style");

namespace {

const ControlKind kListViewKind = {
    "SysListView32",
    "ListView",
    {kStepText, kStepMove, kStepSize, kStepFont, kStepCentre, kStepDisable, kStepShow, kStepEnd}};

bool Arrange(HWND list, WPARAM how)
{
    return list != NULL && SendMessageA(list, LVM_ARRANGE, how, 0) != 0;
}

}  // namespace

// ---- ListViewItem ----

ListViewItem::ListViewItem() : list(NULL), item(), index(-1), text() {}

bool ListViewItem::Delete()
{
    if (list == NULL || index < 0)
        return false;
    return SendMessageA(list, LVM_DELETEITEM, index, 0) != 0;
}

String ListViewItem::Text()
{
    return ListViewCellText(list, index, 0);
}

// ---- ListView ----

ListView::ListView() : itemCount(0)
{
    ClearBasicControl(*this);
    BindProperties();
}

ListView::ListView(const String& text, int identifier, int x, int y, int width, int height,
                   Control parentControl, bool enabled, bool visible, bool centred, DWORD exStyle)
    : itemCount(0)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred,
           exStyle);
}

void ListView::BindProperties()
{
    SelectedIndex.Bind(this, &ListView::GetSelectedIndex, NULL);
    Count.Bind(this, &ListView::GetCount, NULL);
    BackgroundColor.Bind(this, &ListView::GetBackgroundColor, NULL);
}

bool ListView::Create(const String& text, int identifier, int x, int y, int width, int height,
                      Control parentControl, bool enabled, bool visible, bool centred,
                      DWORD exStyle)
{
    itemCount = 0;
    ControlPlacement place = {text, identifier, x, y, width, height, enabled, visible, centred, exStyle};
    return CreateBasicControl(*this, kListViewKind, kListViewStyle, place, parentControl);
}

int ListView::GetSelectedIndex()
{
    return static_cast<int>(SendToLive(hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                       MAKELPARAM(LVNI_SELECTED, 0), -1));
}

int ListView::GetCount()
{
    return static_cast<int>(SendMessageA(hwnd, LVM_GETITEMCOUNT, 0, 0));
}

COLORREF ListView::GetBackgroundColor()
{
    return static_cast<COLORREF>(SendMessageA(hwnd, LVM_GETBKCOLOR, 0, 0));
}

HIMAGELIST ListView::SetImageList(const ImageList& list)
{
    return ShowKeptImageList(hwnd, LVM_SETIMAGELIST, LVSIL_NORMAL, list);
}

ListViewItem ListView::Add(const String& text, int image)
{
    ListViewItem added;
    if (hwnd == NULL)
        return added;
    LVITEMA item;
    LRESULT index = InsertListViewItem(hwnd, itemCount, text, image, &item);
    itemCount += 1;
    if (index < 0)
        return added;
    // The record names the item where the control put it, so that Delete
    // removes this item and no other. It keeps the text's length as well.
    added.list = hwnd;
    added.item = item;
    added.item.cchTextMax = text.Length;
    added.index = static_cast<int>(index);
    added.text = text;
    return added;
}

String ListView::ItemText(int index)
{
    return ListViewCellText(hwnd, index, 0);
}

bool ListView::DeleteAll()
{
    return hwnd != NULL && SendMessageA(hwnd, LVM_DELETEALLITEMS, 0, 0) != 0;
}

bool ListView::ArrangeDefault()
{
    return Arrange(hwnd, LVA_DEFAULT);
}

bool ListView::ArrangeLeft()
{
    return Arrange(hwnd, LVA_ALIGNLEFT);
}

bool ListView::ArrangeTop()
{
    return Arrange(hwnd, LVA_ALIGNTOP);
}

bool ListView::SnapToGrid()
{
    return Arrange(hwnd, LVA_SNAPTOGRID);
}

bool ListView::SetBackgroundColor(COLORREF colour)
{
    return SetListViewBackground(hwnd, colour);
}

bool ListView::SetTextColor(COLORREF colour)
{
    return SetListViewTextColour(hwnd, colour);
}
