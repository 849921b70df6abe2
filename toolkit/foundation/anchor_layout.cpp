// Each parent with anchored children carries one record, the data of a
// comctl32 subclass (SetWindowSubclass) and found again through it: the children, each with the
// rectangle and the parent size its distances are measured from, and the
// parent's minimum size. The record goes with the parent's WM_NCDESTROY.
//
// Every child's place is computed from its reference rectangle and the
// reference size, never from its last place, so shrinking a form below its
// controls and growing it back puts every control back exactly.
#include "anchor_layout.h"

#include <commctrl.h>

#include <vector>

#include "dpi_scaling.h"
#include "subclass_data.h"

namespace {

const UINT_PTR kAnchorSubclassId = 0x57414E43;  // "WANC"

struct AnchoredChild {
    HWND window;
    Anchor anchor;
    // Where the child was, in the parent's client area, when the parent's
    // client area had the size `area`: the distances are measured there.
    RECT reference;
    SIZE area;
    // Where the child was after the last layout; a child found elsewhere
    // was moved by the program.
    RECT placed;
};

struct AnchorLayout {
    std::vector<AnchoredChild> children;
    // The client size of the last layout (or of the first anchoring).
    SIZE laidOut;
    // The smallest size; 0 for none. In the window's pixels, or logical
    // (of the outer size or of the client area) and turned into the
    // window's pixels at its DPI whenever the system asks.
    SIZE minimum;
    MinimumSizeUnit unit;
};

// The minimum outer size in the window's pixels now.
SIZE MinimumInPixels(HWND window, const AnchorLayout& layout)
{
    SIZE size = layout.minimum;
    if (layout.unit == MinimumSizeUnit::Pixels)
        return size;
    UINT dpi = ScalingDpi(window);
    if (layout.unit == MinimumSizeUnit::LogicalOuter) {
        SIZE scaled = ScaledFrameSize(size.cx, size.cy, GetWindowLongA(window, GWL_STYLE),
                                      GetWindowLongA(window, GWL_EXSTYLE), dpi);
        return SIZE{size.cx > 0 ? scaled.cx : 0, size.cy > 0 ? scaled.cy : 0};
    }
    // The client area's: the frame, menu bar and all, as the window has it now.
    RECT outer = {0, 0, 0, 0};
    RECT client = {0, 0, 0, 0};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    int frameWidth = (outer.right - outer.left) - client.right;
    int frameHeight = (outer.bottom - outer.top) - client.bottom;
    return SIZE{size.cx > 0 ? ScaleBetweenDpi(size.cx, kLogicalDpi, dpi) + frameWidth : 0,
                size.cy > 0 ? ScaleBetweenDpi(size.cy, kLogicalDpi, dpi) + frameHeight : 0};
}

RECT RectInParent(HWND child, HWND parent)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(child, &rect);
    MapWindowPoints(NULL, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE ClientSize(HWND window)
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(window, &client);
    SIZE size = {client.right, client.bottom};
    return size;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// One direction of a child: its near and far coordinates for the new extent
// of the parent, from those at the reference extent.
void Span(LONG& nearEdge, LONG& farEdge, LONG before, LONG now, bool keepNear, bool keepFar)
{
    LONG length = farEdge - nearEdge;
    // A stretched child squeezed past its own size has a negative size, which
    // the system takes as 0.
    if (keepNear && keepFar) {
        farEdge += now - before;
    } else if (keepFar) {
        nearEdge += now - before;
        farEdge = nearEdge + length;
    } else if (!keepNear && before > 0) {
        // The centre keeps its share of the extent.
        LONG centreTwice = MulDiv(nearEdge + farEdge, now, before);
        nearEdge = (centreTwice - length) / 2;
        farEdge = nearEdge + length;
    }
}

RECT Place(const AnchoredChild& child, SIZE area)
{
    RECT rect = child.reference;
    Span(rect.left, rect.right, child.area.cx, area.cx, HasAnchor(child.anchor, Anchor::Left),
         HasAnchor(child.anchor, Anchor::Right));
    Span(rect.top, rect.bottom, child.area.cy, area.cy, HasAnchor(child.anchor, Anchor::Top),
         HasAnchor(child.anchor, Anchor::Bottom));
    return rect;
}

// Children that died or went to another parent leave the layout.
void Prune(HWND parent, AnchorLayout& layout)
{
    std::vector<AnchoredChild>& children = layout.children;
    for (size_t i = children.size(); i-- > 0;)
        if (!IsWindow(children[i].window) || GetParent(children[i].window) != parent)
            children.erase(children.begin() + i);
}

void LayOut(HWND parent, AnchorLayout& layout)
{
    Prune(parent, layout);
    if (layout.children.empty() || IsIconic(parent))
        return;
    SIZE area = ClientSize(parent);
    // Moves come first in one batch, then every child's place is read back:
    // children that refuse a size (list boxes of whole lines) are not taken
    // for moved by the program the next time.
    std::vector<HWND> windows;
    HDWP batch = BeginDeferWindowPos(static_cast<int>(layout.children.size()));
    for (AnchoredChild& child : layout.children) {
        RECT now = RectInParent(child.window, parent);
        if (!SameRect(now, child.placed)) {
            child.reference = now;
            child.area = layout.laidOut;
        }
        RECT target = Place(child, area);
        if (SameRect(target, now))
            continue;
        // A combo box given the height of its closed box keeps the height of
        // its list.
        int width = target.right - target.left;
        int height = target.bottom - target.top;
        // A moved child is painted afresh instead of having its old picture
        // copied along: inside a parent that is itself being laid out, that
        // picture may not have been drawn yet.
        const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOCOPYBITS;
        if (batch != NULL)
            batch = DeferWindowPos(batch, child.window, NULL, target.left, target.top, width, height,
                                   flags);
        // A batch that failed is gone: the rest are placed one by one.
        if (batch == NULL)
            SetWindowPos(child.window, NULL, target.left, target.top, width, height, flags);
        windows.push_back(child.window);
    }
    layout.laidOut = area;
    if (batch != NULL)
        EndDeferWindowPos(batch);
    // The children's own WM_SIZE handlers may have anchored more children:
    // every record is looked up again.
    for (AnchoredChild& child : layout.children)
        child.placed = RectInParent(child.window, parent);
}

LRESULT CALLBACK AnchorLayoutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR, DWORD_PTR data)
{
    AnchorLayout* layout = reinterpret_cast<AnchorLayout*>(data);
    switch (message) {
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            LayOut(window, *layout);
        break;
    case WM_GETMINMAXINFO: {
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lParam);
        SIZE minimum = MinimumInPixels(window, *layout);
        if (minimum.cx > info->ptMinTrackSize.x)
            info->ptMinTrackSize.x = minimum.cx;
        if (minimum.cy > info->ptMinTrackSize.y)
            info->ptMinTrackSize.y = minimum.cy;
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, AnchorLayoutProc, kAnchorSubclassId);
        delete layout;
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// The window's layout record; with `make`, a new one when it has none.
AnchorLayout* LayoutOf(HWND window, bool make)
{
    if (window == NULL || !IsWindow(window))
        return NULL;
    AnchorLayout* found = reinterpret_cast<AnchorLayout*>(
        SubclassData(window, AnchorLayoutProc, kAnchorSubclassId));
    if (found != NULL || !make)
        return found;
    AnchorLayout* layout = new AnchorLayout();
    layout->laidOut = ClientSize(window);
    layout->minimum.cx = 0;
    layout->minimum.cy = 0;
    layout->unit = MinimumSizeUnit::Pixels;
    if (!SetWindowSubclass(window, AnchorLayoutProc, kAnchorSubclassId,
                           reinterpret_cast<DWORD_PTR>(layout))) {
        delete layout;
        return NULL;
    }
    return layout;
}

AnchoredChild* Find(AnchorLayout* layout, HWND child)
{
    if (layout == NULL)
        return NULL;
    for (AnchoredChild& entry : layout->children)
        if (entry.window == child)
            return &entry;
    return NULL;
}

}  // namespace

bool AnchorWindow(HWND child, Anchor anchor)
{
    if (child == NULL || !IsWindow(child) || (GetWindowLongA(child, GWL_STYLE) & WS_CHILD) == 0)
        return false;
    HWND parent = GetParent(child);
    bool stays = anchor == (Anchor::Left | Anchor::Top);
    AnchorLayout* layout = LayoutOf(parent, !stays);
    if (layout == NULL)
        return stays;
    Prune(parent, *layout);
    AnchoredChild* entry = Find(layout, child);
    if (stays) {
        if (entry != NULL)
            layout->children.erase(layout->children.begin() + (entry - layout->children.data()));
        return true;
    }
    if (entry == NULL) {
        layout->children.push_back(AnchoredChild());
        entry = &layout->children.back();
        entry->window = child;
    }
    entry->anchor = anchor & Anchor::All;
    entry->reference = RectInParent(child, parent);
    entry->placed = entry->reference;
    entry->area = ClientSize(parent);
    layout->laidOut = entry->area;
    return true;
}

Anchor WindowAnchor(HWND child)
{
    AnchoredChild* entry = Find(LayoutOf(GetParent(child), false), child);
    return entry != NULL ? entry->anchor : Anchor::Left | Anchor::Top;
}

bool RememberAnchorDistances(HWND parent)
{
    AnchorLayout* layout = LayoutOf(parent, false);
    if (layout == NULL)
        return false;
    Prune(parent, *layout);
    SIZE area = ClientSize(parent);
    for (AnchoredChild& child : layout->children) {
        child.reference = RectInParent(child.window, parent);
        child.placed = child.reference;
        child.area = area;
    }
    layout->laidOut = area;
    return !layout->children.empty();
}

bool LayOutAnchoredChildren(HWND parent)
{
    AnchorLayout* layout = LayoutOf(parent, false);
    if (layout == NULL)
        return false;
    LayOut(parent, *layout);
    return !layout->children.empty();
}

bool SetMinimumWindowSize(HWND window, int width, int height, MinimumSizeUnit unit)
{
    AnchorLayout* layout = LayoutOf(window, true);
    if (layout == NULL)
        return false;
    layout->minimum.cx = width > 0 ? width : 0;
    layout->minimum.cy = height > 0 ? height : 0;
    layout->unit = unit;
    return true;
}
