/// \file
/// Layouts: rows, columns and grids that size and place controls from what
/// they hold (their preferred sizes, preferred_size.h), with margins,
/// spacing, alignment and stretch weights, nested in each other, in group
/// boxes and on tab pages.
///
/// A layout is a handle: copies share one arrangement, so a layout added to
/// another (or given to a window) and changed afterwards changes there too,
/// and it lives as long as any copy or window holds it. It names windows by
/// their handles, never their wrappers, so wrappers may move or go.
///
///     BoxLayout column(LayoutDirection::Column);
///     column.SetMargins(10);
///     GridLayout fields;
///     fields.Add(nameLabel, 0, 0).Add(nameBox, 0, 1, LayoutOptions().Characters(24));
///     fields.SetColumnWeight(1, 1);             // the boxes take the extra width
///     BoxLayout buttons(LayoutDirection::Row);
///     buttons.AddStretch().Add(okButton).Add(cancelButton);
///     column.Add(fields, LayoutOptions().Weight(1)).Add(buttons);
///     form.SetLayout(column);                    // laid out now and on every WM_SIZE
///
/// Margins, spacing and the options' sizes are logical pixels, scaled to the
/// window's DPI as every other toolkit length; preferred sizes are measured
/// in the window's own pixels.
#ifndef WICKER_FOUNDATION_LAYOUT_H
#define WICKER_FOUNDATION_LAYOUT_H

#include <windows.h>

#include <memory>
#include <vector>

struct Control;
struct LayoutNode;

/// Where an item sits in the room it is given, across a row or column (and
/// in both directions in a grid cell). Auto fills the room with a control
/// that shows more when larger (edit, list and combo boxes across, lists,
/// trees, tabs and multi-line boxes both ways, nested layouts and group
/// boxes both ways) and keeps the others at their preferred size: at the
/// start across, in the middle up and down.
enum class Align { Auto, Fill, Start, Centre, End };

/// The direction a box layout lines its items up in.
enum class LayoutDirection { Row, Column };

/// How one item is laid out. Built by chaining:
///     LayoutOptions().Weight(2).Characters(30)
struct LayoutOptions {
    /// The item's share of the room left over along a box (in a grid, the
    /// weight of its column and row unless they were given one); 0 takes
    /// none.
    int weight = 0;
    ///@{
    /// Where the item sits across and down in the room it is given.
    Align horizontal = Align::Auto;
    Align vertical = Align::Auto;
    ///@}
    ///@{
    /// The least and the most room the item takes, logical; 0 for no bound.
    SIZE minimum = {0, 0};
    SIZE maximum = {0, 0};
    ///@}
    ///@{
    /// For edit, combo and list boxes: how many average characters wide and
    /// how many lines tall (0: the box's usual, see PreferredSize).
    int characters = 0;
    int lines = 0;
    ///@}
    ///@{
    /// The rows and columns a grid item covers.
    int rowSpan = 1;
    int columnSpan = 1;
    ///@}

    ///@{
    /// Set one option and return the options, for chaining.
    LayoutOptions& Weight(int value) { weight = value; return *this; }
    LayoutOptions& Horizontal(Align value) { horizontal = value; return *this; }
    LayoutOptions& Vertical(Align value) { vertical = value; return *this; }
    LayoutOptions& Minimum(int width, int height) { minimum = SIZE{width, height}; return *this; }
    LayoutOptions& Maximum(int width, int height) { maximum = SIZE{width, height}; return *this; }
    LayoutOptions& Characters(int count) { characters = count; return *this; }
    LayoutOptions& Lines(int count) { lines = count; return *this; }
    LayoutOptions& Span(int rows, int columns) { rowSpan = rows; columnSpan = columns; return *this; }
    ///@}
};

/// What box and grid layouts share: margins, spacing, the size wanted, and
/// laying out into a rectangle.
class Layout {
public:
    ///@{
    /// Room between the layout's edges and its items, logical; 0 at first.
    Layout& SetMargins(int all);
    Layout& SetMargins(int left, int top, int right, int bottom);
    ///@}
    /// Room between neighbouring items, logical; 6 at first. A grid's
    /// SetSpacing(across, down) gives the two directions apart.
    Layout& SetSpacing(int between);
    /// The number of items added.
    int Count() const;
    /// The smallest room the layout's visible items need with the margins,
    /// in the pixels of `window` (the window whose client area holds the
    /// layout) at its DPI. Items whose window has no WS_VISIBLE take none.
    SIZE PreferredSize(HWND window) const;
    /// Sizes and places the items inside `area` of `window`'s client area,
    /// at least at their preferred sizes; windows of a layout that are not
    /// children of `window` are placed at the same spot in their own
    /// parents. SetWindowLayout calls this on every WM_SIZE.
    void LayOut(HWND window, const RECT& area) const;
    /// The windows the layout places, those of nested layouts and frames
    /// included, in the order they were added.
    std::vector<HWND> Windows() const;
    /// True when both handles share one arrangement.
    bool SameAs(const Layout& other) const { return node == other.node; }

protected:
    /// A new, empty arrangement: a grid, or a box in the direction.
    Layout(bool grid, LayoutDirection direction);
    /// False when `inner` is this layout or holds it: a layout inside itself
    /// would never end.
    bool CanHold(const Layout& inner) const;
    ///@{
    /// Adds a window, a layout, or a frame with a layout inside, at the
    /// grid cell (0, 0 in a box).
    void AddWindow(HWND window, const LayoutOptions& options, int row, int column);
    void AddLayout(const Layout& inner, const LayoutOptions& options, int row, int column);
    void AddFrame(HWND frame, const Layout& inner, const LayoutOptions& options, int row,
                  int column);
    ///@}
    /// The arrangement every copy of the handle shares.
    std::shared_ptr<LayoutNode> node;
};

/// A row or a column: items side by side, each at its preferred length,
/// the room left over shared by weight (or, with no weights, left at the
/// end: SetAlignment moves it).
class BoxLayout : public Layout {
public:
    /// An empty row or column.
    explicit BoxLayout(LayoutDirection direction = LayoutDirection::Column);
    ///@{
    /// A control (by its window).
    BoxLayout& Add(const Control& control, const LayoutOptions& options = LayoutOptions());
    BoxLayout& Add(HWND window, const LayoutOptions& options = LayoutOptions());
    ///@}
    /// A layout inside this one; nothing happens for this layout itself or
    /// one holding it.
    BoxLayout& Add(const Layout& inner, const LayoutOptions& options = LayoutOptions());
    /// A group box (or any frame) with a layout inside it: the frame takes
    /// the room of its contents and its caption (GroupBoxInsets), and the
    /// contents are laid out inside it.
    ///     column.Add(shippingBox, shippingFields);
    BoxLayout& Add(const Control& frame, const Layout& inner,
                   const LayoutOptions& options = LayoutOptions());
    /// Fixed room, logical.
    BoxLayout& AddSpace(int length);
    /// Empty room that takes a share of what is left over.
    ///     buttons.AddStretch().Add(okButton);   // the button at the right end
    BoxLayout& AddStretch(int weight = 1);
    /// Where the items go when none takes the room left over: Start (the
    /// first), Centre or End. Fill and Auto are Start.
    BoxLayout& SetAlignment(Align where);
    ///@{
    /// As Layout's, returning the box for chaining.
    BoxLayout& SetMargins(int all) { Layout::SetMargins(all); return *this; }
    BoxLayout& SetMargins(int left, int top, int right, int bottom)
    {
        Layout::SetMargins(left, top, right, bottom);
        return *this;
    }
    BoxLayout& SetSpacing(int between) { Layout::SetSpacing(between); return *this; }
    ///@}
};

/// Rows and columns of cells: each column as wide as its widest item, each
/// row as tall as its tallest, items covering several cells (Span), the
/// room left over shared by the columns' and rows' weights.
class GridLayout : public Layout {
public:
    /// An empty grid.
    GridLayout();
    ///@{
    /// An item in the cell at `row`, `column` (from 0), covering the span
    /// the options give.
    GridLayout& Add(const Control& control, int row, int column,
                    const LayoutOptions& options = LayoutOptions());
    GridLayout& Add(HWND window, int row, int column,
                    const LayoutOptions& options = LayoutOptions());
    GridLayout& Add(const Layout& inner, int row, int column,
                    const LayoutOptions& options = LayoutOptions());
    GridLayout& Add(const Control& frame, const Layout& inner, int row, int column,
                    const LayoutOptions& options = LayoutOptions());
    ///@}
    ///@{
    /// The share of the room left over a column or row takes; without one,
    /// the largest weight of its items.
    GridLayout& SetColumnWeight(int column, int weight);
    GridLayout& SetRowWeight(int row, int weight);
    ///@}
    /// Room between columns and between rows, logical.
    GridLayout& SetSpacing(int across, int down);
    ///@{
    /// As Layout's, returning the grid for chaining.
    GridLayout& SetSpacing(int between) { Layout::SetSpacing(between); return *this; }
    GridLayout& SetMargins(int all) { Layout::SetMargins(all); return *this; }
    GridLayout& SetMargins(int left, int top, int right, int bottom)
    {
        Layout::SetMargins(left, top, right, bottom);
        return *this;
    }
    ///@}
};

#endif
