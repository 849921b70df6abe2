/// \file
/// A bar the user drags to share a window's space between the controls on
/// either side of it.
#ifndef WICKER_CONTROLS_SPLITTER_H
#define WICKER_CONTROLS_SPLITTER_H

#include <windows.h>

#include <initializer_list>
#include <vector>

#include "../foundation/control.h"
#include "../foundation/property.h"

/// The thickness of a splitter built without arguments.
const int kSplitterThickness = 5;

/// A thin "STATIC" window (SS_NOTIFY) inside a container window. Dragging it
/// with the left button moves it along its direction, within the container,
/// the range (SetRange) and never past them; every move, and SetPosition, tells
/// the bar's parent with WM_COMMAND (the bar's identifier, the new position
/// as lParam), and the parent typically calls Relayout then:
///
///     Splitter bar(kBar, page, false, 5, true);   // vertical: moves left and right
///     bar.Attach(0, {&tree});                      // left of the bar
///     bar.Attach(1, {&text});                      // right of the bar
///     bar.SetRange(80, page.ClientWidth - 80);
///     bar.SetPosition(200);
///     ...
///     case WM_COMMAND: if (LOWORD(wParam) == kBar) bar.Relayout();
///
/// The window's user-data word names the wrapper, which must live while the
/// bar can be dragged (a moved wrapper takes the word along).
struct Splitter : Control {
    /// The bar's size across its direction of movement.
    int thickness;
    ///@{
    /// The smallest position, and the largest far edge of the bar.
    int minimum;
    int maximum;
    ///@}
    /// The left button went down on the bar and is still down.
    bool dragging;
    /// The position last asked for, or where the bar was when a drag began.
    int position;
    /// The bar lies across and moves up and down; else it stands and moves
    /// left and right.
    bool horizontal;
    /// The window holding the bar and the controls it divides.
    Control container;
    /// Where the bar is during a drag.
    int dragPosition;
    /// Read only: thickness.
    Property<Splitter, int> Thickness;
    /// The bar's Top (horizontal) or Left (vertical) in the container; writing
    /// is SetPosition.
    Property<Splitter, int> Position;
    ///@{
    /// The windows of the controls above or left of the bar, and below or right
    /// of it. Windows rather than wrappers: a wrapper the program moves or lets
    /// go leaves no dangling pointer behind.
    std::vector<HWND> before;
    std::vector<HWND> after;
    ///@}

    /// A splitter without a window, 5 pixels thick.
    Splitter();
    ///@{
    /// The bar's procedure finds its splitter through its subclass data, never
    /// through the window's user-data word (which any wrapper of the window may
    /// take): a move hands that link to the new wrapper, a copy never takes
    /// it, and the wrapper's end leaves the bar inert until another one links.
    Splitter(const Splitter& other);
    Splitter(Splitter&& other) noexcept;
    Splitter& operator=(const Splitter& other);
    Splitter& operator=(Splitter&& other) noexcept;
    ~Splitter();
    ///@}
    /// Builds the splitter and creates its window at once (Create).
    Splitter(int identifier, const Control& containerControl, bool isHorizontal,
             int barThickness = kSplitterThickness, bool visible = true, DWORD exStyle = 0);

    /// Creates the bar at 0, 0, as long as the container's client area across
    /// its direction and `barThickness` thick; the range becomes 0 to the
    /// container's client height (horizontal) or width (vertical). Without a
    /// window the runtime check is shown and the result is false.
    bool Create(int identifier, const Control& containerControl, bool isHorizontal,
                int barThickness = kSplitterThickness, bool visible = true, DWORD exStyle = 0);

    /// Moves the bar to the value, kept within minimum and maximum - thickness
    /// (a negative value counts as past the far end), and sends WM_COMMAND with
    /// the identifier and the bar's new position to its parent.
    void SetPosition(int value);
    /// Sets the range; a bar outside it is moved back into it (SetPosition).
    void SetRange(int newMinimum, int newMaximum);
    ///@{
    /// Adds controls to one side: `after` (below or right) when side is non-zero,
    /// else `before`. The list ends with a null pointer:
    ///     bar.Attach(1, &list, &box, (Control*)NULL);
    /// Only Control pointers may be passed, the last one null; the overload below
    /// takes any control and needs no terminator.
    void Attach(int side, Control* first, ...);
    void Attach(int side, std::initializer_list<const Control*> controls);
    ///@}
    /// Lays the attached controls out against the bar: those before it keep
    /// their near edge and reach the bar, those after it keep their far edge and
    /// start right after the bar. A control the bar has passed is left with a
    /// size of 0, never a negative one.
    void Relayout();

private:
    void BindProperties();
    ///@{
    /// The bar's size, range, state and direction; and those with the sides.
    void CopyPlace(const Splitter& other);
    void CopyFields(const Splitter& other);
    ///@}
    ///@{
    /// Points the bar's subclass data at this wrapper (when `from` holds it),
    /// or clears it (when this wrapper holds it).
    void TakeLinkFrom(const Splitter& from);
    void LeaveLink();
    int GetThickness();
    int GetPosition();
    ///@}
    /// The bar's coordinate along its direction of movement (Top or Left).
    int BarPlace();
    /// Moves the bar to a place along its direction of movement.
    void PlaceBar(int place);
    ///@{
    /// Tells the parent where the bar is.
    void Notify(int place);
    void AddSide(int side, const Control* control);
    friend LRESULT CALLBACK SplitterProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    ///@}
};

/// The splitter window's subclass procedure (SetWindowSubclass): the resize
/// cursor over the bar, and the drag.
LRESULT CALLBACK SplitterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                              UINT_PTR subclassId, DWORD_PTR data);

#endif
