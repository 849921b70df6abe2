#include "splitter.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdarg>
#include <utility>

#include "../foundation/dpi_scaling.h"
#include "../foundation/runtime_check.h"
#include "../foundation/subclass_data.h"

namespace {

const UINT_PTR kSplitterSubclassId = 0x5753504C;  // "WSPL"
// WS_CHILD | SS_NOTIFY, and WS_VISIBLE for a visible bar: SS_NOTIFY lets the
// mouse messages reach the bar instead of passing through to the container.
const DWORD kBarStyle = WS_CHILD | SS_NOTIFY;

// The two resize cursors every splitter shows, loaded at the first message a
// splitter receives.
HCURSOR upDownCursor = NULL;
HCURSOR leftRightCursor = NULL;
// The container's device context, held while a bar is dragged (one drag at a
// time: the mouse capture sees to that).
HDC dragDC = NULL;
HWND dragDCWindow = NULL;

void LoadCursors()
{
    if (upDownCursor == NULL)
        upDownCursor = LoadCursorA(NULL, IDC_SIZENS);
    if (leftRightCursor == NULL)
        leftRightCursor = LoadCursorA(NULL, IDC_SIZEWE);
}

void ReleaseDragDC()
{
    if (dragDC != NULL)
        ReleaseDC(dragDCWindow, dragDC);
    dragDC = NULL;
    dragDCWindow = NULL;
}

// A window's rectangle in its parent's client coordinates.
RECT PlaceInParent(HWND window)
{
    RECT box = {0, 0, 0, 0};
    GetWindowRect(window, &box);
    MapWindowPoints(NULL, GetParent(window), reinterpret_cast<POINT*>(&box), 2);
    return box;
}

}  // namespace

Splitter::Splitter()
    : Control(),
      thickness(kSplitterThickness),
      minimum(0),
      maximum(0),
      dragging(false),
      position(0),
      horizontal(false),
      container(),
      dragPosition(0)
{
    hwnd = NULL;
    parent = NULL;
    BindProperties();
}

Splitter::Splitter(int identifier, const Control& containerControl, bool isHorizontal,
                   int barThickness, bool visible, DWORD exStyle)
    : Splitter()
{
    Create(identifier, containerControl, isHorizontal, barThickness, visible, exStyle);
}

Splitter::Splitter(const Splitter& other) : Control(other), container(other.container)
{
    CopyFields(other);
    BindProperties();
}

Splitter::Splitter(Splitter&& other) noexcept
    : Control(std::move(other)),
      thickness(other.thickness),
      minimum(other.minimum),
      maximum(other.maximum),
      dragging(other.dragging),
      position(other.position),
      horizontal(other.horizontal),
      container(other.container),
      dragPosition(other.dragPosition),
      before(std::move(other.before)),
      after(std::move(other.after))
{
    BindProperties();
    TakeLinkFrom(other);
}

Splitter& Splitter::operator=(const Splitter& other)
{
    if (this != &other) {
        LeaveLink();
        Control::operator=(other);
        container = other.container;
        CopyFields(other);
    }
    return *this;
}

Splitter& Splitter::operator=(Splitter&& other) noexcept
{
    if (this != &other) {
        LeaveLink();
        Control::operator=(std::move(other));
        container = other.container;
        CopyPlace(other);
        before = std::move(other.before);
        after = std::move(other.after);
        TakeLinkFrom(other);
    }
    return *this;
}

Splitter::~Splitter()
{
    LeaveLink();
}

void Splitter::CopyPlace(const Splitter& other)
{
    thickness = other.thickness;
    minimum = other.minimum;
    maximum = other.maximum;
    dragging = other.dragging;
    position = other.position;
    horizontal = other.horizontal;
    dragPosition = other.dragPosition;
}

void Splitter::CopyFields(const Splitter& other)
{
    CopyPlace(other);
    before = other.before;
    after = other.after;
}

void Splitter::TakeLinkFrom(const Splitter& from)
{
    if (hwnd != NULL && SubclassData(hwnd, SplitterProc, kSplitterSubclassId) ==
                            reinterpret_cast<DWORD_PTR>(&from))
        SetWindowSubclass(hwnd, SplitterProc, kSplitterSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void Splitter::LeaveLink()
{
    if (IsLiveWindow(hwnd) &&
        SubclassData(hwnd, SplitterProc, kSplitterSubclassId) == reinterpret_cast<DWORD_PTR>(this))
        SetWindowSubclass(hwnd, SplitterProc, kSplitterSubclassId, 0);
}

void Splitter::BindProperties()
{
    Thickness.Bind(this, &Splitter::GetThickness, NULL);
    Position.Bind(this, &Splitter::GetPosition, &Splitter::SetPosition);
}

bool Splitter::Create(int identifier, const Control& containerControl, bool isHorizontal,
                      int barThickness, bool visible, DWORD exStyle)
{
    thickness = ScaleBetweenDpi(barThickness, kLogicalDpi, ScalingDpi(containerControl.hwnd));
    id = identifier;
    dragging = false;

    Control holder(containerControl.hwnd);
    int width = isHorizontal ? holder.ClientWidth : thickness;
    int height = isHorizontal ? thickness : holder.ClientHeight;
    hwnd = CreateWindowExA(exStyle, "STATIC", "", kBarStyle | (visible ? WS_VISIBLE : 0), 0, 0,
                           width, height, containerControl.hwnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)),
                           GetModuleHandleA(NULL), NULL);
    if (!RuntimeCheck(hwnd != NULL, "Slitter_Window_Handle != NULL", __FILE__, __LINE__, __DATE__,
                      __TIME__))
        return false;
    // The static class redraws the whole bar on every resize (for the whole
    // program; the class keeps its other bits).
    SetClassLongA(hwnd, GCL_STYLE, GetClassLongA(hwnd, GCL_STYLE) | CS_HREDRAW | CS_VREDRAW);

    horizontal = isHorizontal;
    parent = containerControl.hwnd;
    container = ControlView(containerControl);
    SetDefaultFont();
    minimum = 0;
    maximum = horizontal ? holder.ClientHeight : holder.ClientWidth;

    // A comctl32 subclass: it chains with the toolkit's other subclasses in
    // any order, and its data names this wrapper. The user-data word names
    // it too, for ControlFromWindow, but the bar's procedure never reads it:
    // any other wrapper of the window may take it.
    SetUserData(this);
    return SetWindowSubclass(hwnd, SplitterProc, kSplitterSubclassId,
                             reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

int Splitter::GetThickness()
{
    return thickness;
}

int Splitter::GetPosition()
{
    return BarPlace();
}

int Splitter::BarPlace()
{
    return horizontal ? Top : Left;
}

void Splitter::PlaceBar(int place)
{
    if (horizontal)
        Move(Left, place);
    else
        Move(place, Top);
}

void Splitter::Notify(int place)
{
    SendMessageA(GetParent(hwnd), WM_COMMAND, static_cast<WPARAM>(id), static_cast<LPARAM>(place));
}

void Splitter::SetPosition(int value)
{
    position = value;
    int farthest = maximum - thickness;
    // A negative value counts as beyond every position: the bar goes to the far end.
    int place = value < 0 ? farthest : (value < minimum ? minimum : value);
    if (place > farthest)
        place = farthest;
    if (place < 0)
        place = 0;
    PlaceBar(place);
    Notify(place);
}

void Splitter::SetRange(int newMinimum, int newMaximum)
{
    minimum = newMinimum;
    maximum = newMaximum;
    if (hwnd == NULL)
        return;
    int place = BarPlace();
    if (place < minimum)
        SetPosition(minimum);
    int size = horizontal ? Height : Width;
    if (maximum - size < BarPlace())
        SetPosition(maximum);
}

void Splitter::AddSide(int side, const Control* control)
{
    if (control == NULL)
        return;
    (side != 0 ? after : before).push_back(control->hwnd);
}

void Splitter::Attach(int side, Control* first, ...)
{
    va_list rest;
    va_start(rest, first);
    for (Control* control = first; control != NULL; control = va_arg(rest, Control*))
        AddSide(side, control);
    va_end(rest);
}

void Splitter::Attach(int side, std::initializer_list<const Control*> controls)
{
    for (const Control* control : controls)
        AddSide(side, control);
}

void Splitter::Relayout()
{
    if (hwnd == NULL)
        return;
    RECT bar = PlaceInParent(hwnd);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    for (HWND window : before) {
        RECT box = PlaceInParent(window);
        if (horizontal) {
            int height = bar.top - box.top;
            SetWindowPos(window, NULL, box.left, box.top, box.right - box.left,
                         height < 0 ? 0 : height, flags);
        } else {
            int width = bar.left - box.left;
            SetWindowPos(window, NULL, box.left, box.top, width < 0 ? 0 : width,
                         box.bottom - box.top, flags);
        }
    }
    for (HWND window : after) {
        RECT box = PlaceInParent(window);
        if (horizontal) {
            int height = box.bottom - bar.bottom;
            SetWindowPos(window, NULL, box.left, bar.bottom, box.right - box.left,
                         height < 0 ? 0 : height, flags);
        } else {
            int width = box.right - bar.right;
            SetWindowPos(window, NULL, bar.right, box.top, width < 0 ? 0 : width,
                         box.bottom - box.top, flags);
        }
    }
}

// Ends a drag: the container clips its children again, the capture and the
// device context go, and the bar shows at the place it was dragged to.
static void EndDrag(Splitter& splitter)
{
    splitter.dragging = false;
    // Balances the ShowCursor(TRUE) of the drag's start: the display count
    // is the program's (Mouse.Hide), and every drag left it one higher.
    ShowCursor(FALSE);
    splitter.container.ClipChildren = true;
    if (GetCapture() == splitter.hwnd)
        ReleaseCapture();
    ReleaseDragDC();
    splitter.Move(splitter.horizontal ? splitter.Left : splitter.dragPosition,
                  splitter.horizontal ? splitter.dragPosition : splitter.Top);
    SendMessageA(GetParent(splitter.hwnd), WM_COMMAND, static_cast<WPARAM>(splitter.id),
                 static_cast<LPARAM>(splitter.dragPosition));
    splitter.Show();
}

LRESULT CALLBACK SplitterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                              UINT_PTR, DWORD_PTR data)
{
    LoadCursors();
    Splitter* splitter = reinterpret_cast<Splitter*>(data);
    if (splitter != NULL && splitter->hwnd != window)
        splitter = NULL;
    if (message == WM_NCDESTROY) {
        if (dragDCWindow == GetParent(window))
            ReleaseDragDC();
        RemoveWindowSubclass(window, SplitterProc, kSplitterSubclassId);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    if (splitter == NULL)
        return DefSubclassProc(window, message, wParam, lParam);
    if (message == DpiRescaledMessage()) {
        // The bar's window was scaled with the container; its thickness and
        // range, in the container's pixels, follow.
        UINT fromDpi = static_cast<UINT>(wParam);
        UINT toDpi = static_cast<UINT>(lParam);
        splitter->thickness = ScaleBetweenDpi(splitter->thickness, fromDpi, toDpi);
        splitter->minimum = ScaleBetweenDpi(splitter->minimum, fromDpi, toDpi);
        splitter->maximum = ScaleBetweenDpi(splitter->maximum, fromDpi, toDpi);
        return 0;
    }

    switch (message) {
    case WM_SETCURSOR:
        SetCursor(splitter->horizontal ? upDownCursor : leftRightCursor);
        return TRUE;
    case WM_LBUTTONDOWN:
        splitter->container.ClipChildren = false;
        splitter->dragging = true;
        splitter->position = splitter->BarPlace();
        splitter->dragPosition = splitter->position;
        ReleaseDragDC();
        dragDC = GetDC(splitter->container.hwnd);
        dragDCWindow = splitter->container.hwnd;
        // Hidden first, then given the mouse: hiding a window may end its capture.
        splitter->Hide();
        SetCapture(window);
        SetCursor(splitter->horizontal ? upDownCursor : leftRightCursor);
        ShowCursor(TRUE);
        return 0;
    case WM_MOUSEMOVE:
        if (splitter->dragging) {
            // The pointer in the bar's client coordinates, which go negative
            // above or left of it.
            int offset = splitter->horizontal ? GET_Y_LPARAM(lParam) : GET_X_LPARAM(lParam);
            int v = splitter->BarPlace() + offset;
            int room = splitter->horizontal ? splitter->container.ClientHeight
                                            : splitter->container.ClientWidth;
            if (v > room - splitter->thickness)
                v = room - splitter->thickness;
            if (v < 0)
                v = 0;
            if (v < splitter->minimum)
                v = splitter->minimum;
            if (v > splitter->maximum - splitter->thickness)
                v = splitter->maximum - splitter->thickness;
            if (v < 0)
                v = 0;
            splitter->dragPosition = v;
            splitter->PlaceBar(v);
            splitter->Notify(v);
        }
        break;
    case WM_LBUTTONUP:
        if (splitter->dragging)
            EndDrag(*splitter);
        break;
    case WM_CAPTURECHANGED:
        // Another window took the mouse (a message box, a switch to another
        // program): the drag ends where the bar is, instead of leaving it hidden.
        if (splitter->dragging && reinterpret_cast<HWND>(lParam) != window)
            EndDrag(*splitter);
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}
