// A layout is a tree of nodes (boxes and grids) whose leaves are windows,
// fixed spaces and stretches. Laying out is two passes over the tree: every
// item says what it wants (its preferred size in the host window's pixels,
// its weight and its alignment), then each node shares its rectangle among
// its items and hands nested nodes their rectangles. The windows' new places
// are gathered on the way and set in one DeferWindowPos batch at the end, so
// nothing is moved twice and no window sees a half-done layout.
#include "layout.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "control.h"
#include "dpi_scaling.h"
#include "preferred_size.h"
#include "window_class.h"
#include "window_layout.h"

struct LayoutItem {
    enum Kind { kWindow, kNested, kFrame, kSpace, kStretch };
    Kind kind = kWindow;
    HWND window = NULL;
    std::shared_ptr<LayoutNode> inner;
    LayoutOptions options;
    int row = 0;
    int column = 0;
    // A window the preferred sizes do not measure keeps the logical size it
    // had when it was added.
    SIZE natural = {0, 0};
    // A space's logical length.
    int length = 0;
};

struct LayoutNode {
    bool grid = false;
    LayoutDirection direction = LayoutDirection::Column;
    RECT margins = {0, 0, 0, 0};
    int across = 6;
    int down = 6;
    Align alignment = Align::Start;
    std::vector<LayoutItem> items;
    std::vector<int> columnWeights;
    std::vector<int> rowWeights;
};

namespace {

// The host window's DPI, which turns the logical lengths into its pixels.
struct Metrics {
    UINT dpi;
    int Px(int logical) const { return ScaleBetweenDpi(logical, kLogicalDpi, dpi); }
};

// What an item asks of its node.
struct Wanted {
    const LayoutItem* item;
    SIZE size;
    SIZE maximum;  // 0 for none
    int weight;
    Align horizontal;
    Align vertical;
};

struct Placement {
    HWND window;
    RECT rect;  // in the host's client coordinates
};

bool HasVisibleStyle(HWND window)
{
    return IsWindow(window) && (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// Controls that show more when larger, across and down; the others keep
// their preferred size under Align::Auto.
bool GrowsAcross(HWND window)
{
    LONG style = GetWindowLongA(window, GWL_STYLE);
    static const char* const kWide[] = {"Edit", "RichEdit", "RICHEDIT20A", "RICHEDIT20W",
                                        "ComboBox", WC_COMBOBOXEXA, "ListBox", WC_LISTVIEWA,
                                        WC_TREEVIEWA, WC_TABCONTROLA, TOOLBARCLASSNAMEA,
                                        REBARCLASSNAMEA, STATUSCLASSNAMEA};
    for (const char* name : kWide)
        if (IsWindowOfClass(window, name))
            return true;
    if (IsWindowOfClass(window, PROGRESS_CLASSA))
        return !(style & PBS_VERTICAL);
    if (IsWindowOfClass(window, TRACKBAR_CLASSA))
        return !(style & TBS_VERT);
    if (IsWindowOfClass(window, "ScrollBar"))
        return !(style & SBS_VERT);
    if (IsWindowOfClass(window, "Button"))
        return (style & BS_TYPEMASK) == BS_GROUPBOX;
    return HasWindowLayout(window);
}

bool GrowsDown(HWND window)
{
    LONG style = GetWindowLongA(window, GWL_STYLE);
    if (IsWindowOfClass(window, "Edit") || IsWindowOfClass(window, "RichEdit") ||
        IsWindowOfClass(window, "RICHEDIT20A") || IsWindowOfClass(window, "RICHEDIT20W"))
        return (style & ES_MULTILINE) != 0;
    static const char* const kTall[] = {"ListBox", WC_LISTVIEWA, WC_TREEVIEWA, WC_TABCONTROLA};
    for (const char* name : kTall)
        if (IsWindowOfClass(window, name))
            return true;
    if (IsWindowOfClass(window, PROGRESS_CLASSA))
        return (style & PBS_VERTICAL) != 0;
    if (IsWindowOfClass(window, TRACKBAR_CLASSA))
        return (style & TBS_VERT) != 0;
    if (IsWindowOfClass(window, "ScrollBar"))
        return (style & SBS_VERT) != 0;
    if (IsWindowOfClass(window, "Button"))
        return (style & BS_TYPEMASK) == BS_GROUPBOX;
    return HasWindowLayout(window);
}

bool IsDroppedCombo(HWND window)
{
    return IsWindowOfClass(window, "ComboBox") && (GetWindowLongA(window, GWL_STYLE) & 3) != CBS_SIMPLE;
}

SIZE NodeSize(const LayoutNode& node, const Metrics& metrics);
void PlaceNode(const LayoutNode& node, const Metrics& metrics, const RECT& area,
               std::vector<Placement>& placements);

bool NodeShows(const LayoutNode& node);

bool ItemShows(const LayoutItem& item)
{
    switch (item.kind) {
    case LayoutItem::kWindow:
    case LayoutItem::kFrame:
        return HasVisibleStyle(item.window);
    case LayoutItem::kNested:
        return NodeShows(*item.inner);
    default:
        return true;
    }
}

bool NodeShows(const LayoutNode& node)
{
    for (const LayoutItem& item : node.items)
        if (item.kind != LayoutItem::kSpace && item.kind != LayoutItem::kStretch &&
            ItemShows(item))
            return true;
    return false;
}

Align Resolved(Align given, bool grows, bool across)
{
    if (given != Align::Auto)
        return given;
    if (grows)
        return Align::Fill;
    return across ? Align::Start : Align::Centre;
}

Wanted Want(const LayoutItem& item, const LayoutNode& node, const Metrics& metrics)
{
    const LayoutOptions& options = item.options;
    Wanted wanted = {&item, {0, 0}, {metrics.Px(options.maximum.cx), metrics.Px(options.maximum.cy)},
                     options.weight, options.horizontal, options.vertical};
    bool growsAcross = true;
    bool growsDown = true;
    switch (item.kind) {
    case LayoutItem::kWindow:
        if (MeasuresContents(item.window))
            wanted.size = PreferredSize(item.window, options.characters, options.lines);
        else
            wanted.size = SIZE{metrics.Px(item.natural.cx), metrics.Px(item.natural.cy)};
        growsAcross = GrowsAcross(item.window);
        growsDown = GrowsDown(item.window);
        break;
    case LayoutItem::kNested:
        wanted.size = NodeSize(*item.inner, metrics);
        break;
    case LayoutItem::kFrame: {
        SIZE inner = NodeSize(*item.inner, metrics);
        RECT insets = GroupBoxInsets(item.window);
        SIZE own = PreferredSize(item.window);
        wanted.size = SIZE{std::max<LONG>(own.cx, inner.cx + insets.left + insets.right),
                           std::max<LONG>(own.cy, inner.cy + insets.top + insets.bottom)};
        break;
    }
    case LayoutItem::kSpace: {
        int length = metrics.Px(item.length);
        bool row = node.direction == LayoutDirection::Row;
        wanted.size = SIZE{row || node.grid ? length : 0, !row || node.grid ? length : 0};
        break;
    }
    case LayoutItem::kStretch:
        break;
    }
    wanted.horizontal = Resolved(options.horizontal, growsAcross, true);
    wanted.vertical = Resolved(options.vertical, growsDown, false);
    if (options.minimum.cx > 0)
        wanted.size.cx = std::max<LONG>(wanted.size.cx, metrics.Px(options.minimum.cx));
    if (options.minimum.cy > 0)
        wanted.size.cy = std::max<LONG>(wanted.size.cy, metrics.Px(options.minimum.cy));
    if (wanted.maximum.cx > 0)
        wanted.size.cx = std::min(wanted.size.cx, wanted.maximum.cx);
    if (wanted.maximum.cy > 0)
        wanted.size.cy = std::min(wanted.size.cy, wanted.maximum.cy);
    return wanted;
}

std::vector<Wanted> WantedItems(const LayoutNode& node, const Metrics& metrics)
{
    std::vector<Wanted> wanted;
    for (const LayoutItem& item : node.items)
        if (ItemShows(item))
            wanted.push_back(Want(item, node, metrics));
    return wanted;
}

// Shares `extra` among the lengths by weight, none past its maximum (0 for
// none); the share a capped length could not take goes to the others. The
// room nobody could take is returned.
int Distribute(std::vector<int>& lengths, const std::vector<int>& weights,
               const std::vector<int>& maxima, int extra)
{
    while (extra > 0) {
        long long total = 0;
        for (size_t i = 0; i < lengths.size(); ++i)
            if (weights[i] > 0 && (maxima[i] <= 0 || lengths[i] < maxima[i]))
                total += weights[i];
        if (total == 0)
            break;
        // Cumulative rounding hands out exactly `extra`.
        long long before = 0;
        int given = 0;
        bool capped = false;
        for (size_t i = 0; i < lengths.size(); ++i) {
            if (weights[i] <= 0 || (maxima[i] > 0 && lengths[i] >= maxima[i]))
                continue;
            long long upTo = before + weights[i];
            int share = static_cast<int>(extra * upTo / total - extra * before / total);
            before = upTo;
            if (maxima[i] > 0 && lengths[i] + share > maxima[i]) {
                share = maxima[i] - lengths[i];
                capped = true;
            }
            lengths[i] += share;
            given += share;
        }
        extra -= given;
        if (!capped)
            break;
    }
    return extra;
}

// Where a length sits in room of `room` starting at `start`.
void AlignIn(Align align, LONG start, LONG room, LONG wanted, LONG maximum, LONG& from,
             LONG& to)
{
    LONG length = align == Align::Fill ? room : std::min(wanted, room);
    if (align == Align::Fill && maximum > 0)
        length = std::min(length, maximum);
    if (length < wanted)
        length = wanted;  // never cut below the preferred size
    LONG offset = 0;
    if (align == Align::Centre)
        offset = (room - length) / 2;
    else if (align == Align::End)
        offset = room - length;
    if (align == Align::Fill && length < room)
        offset = (room - length) / 2;
    from = start + std::max(0L, offset);
    to = from + length;
}

RECT Inside(const RECT& area, const RECT& margins, const Metrics& metrics)
{
    RECT inner = {area.left + metrics.Px(margins.left), area.top + metrics.Px(margins.top),
                  area.right - metrics.Px(margins.right), area.bottom - metrics.Px(margins.bottom)};
    return inner;
}

void PlaceItem(const Wanted& wanted, const RECT& rect, const Metrics& metrics,
               std::vector<Placement>& placements)
{
    const LayoutItem& item = *wanted.item;
    if (item.kind == LayoutItem::kWindow) {
        placements.push_back(Placement{item.window, rect});
    } else if (item.kind == LayoutItem::kNested) {
        PlaceNode(*item.inner, metrics, rect, placements);
    } else if (item.kind == LayoutItem::kFrame) {
        placements.push_back(Placement{item.window, rect});
        RECT insets = GroupBoxInsets(item.window);
        RECT inner = {rect.left + insets.left, rect.top + insets.top, rect.right - insets.right,
                      rect.bottom - insets.bottom};
        PlaceNode(*item.inner, metrics, inner, placements);
    }
}

// Spacing stands between two controls or layouts, never beside a space or
// a stretch, which are room of their own.
bool Spaced(const Wanted& one)
{
    return one.item->kind != LayoutItem::kSpace && one.item->kind != LayoutItem::kStretch;
}

int GapBefore(const std::vector<Wanted>& wanted, size_t i, int spacing)
{
    return i > 0 && Spaced(wanted[i - 1]) && Spaced(wanted[i]) ? spacing : 0;
}

// A box: the lengths along it, then each item across.
SIZE BoxSize(const LayoutNode& node, const std::vector<Wanted>& wanted, const Metrics& metrics)
{
    bool row = node.direction == LayoutDirection::Row;
    LONG along = 0;
    LONG across = 0;
    for (size_t i = 0; i < wanted.size(); ++i) {
        const Wanted& one = wanted[i];
        along += (row ? one.size.cx : one.size.cy) + GapBefore(wanted, i, metrics.Px(node.across));
        across = std::max(across, row ? one.size.cy : one.size.cx);
    }
    SIZE size = {row ? along : across, row ? across : along};
    return size;
}

void PlaceBox(const LayoutNode& node, const std::vector<Wanted>& wanted, const Metrics& metrics,
              const RECT& inner, std::vector<Placement>& placements)
{
    bool row = node.direction == LayoutDirection::Row;
    int spacing = metrics.Px(node.across);
    std::vector<int> lengths, weights, maxima;
    for (const Wanted& one : wanted) {
        lengths.push_back(row ? one.size.cx : one.size.cy);
        weights.push_back(one.item->kind == LayoutItem::kSpace ? 0 : one.weight);
        maxima.push_back(row ? one.maximum.cx : one.maximum.cy);
    }
    LONG room = row ? inner.right - inner.left : inner.bottom - inner.top;
    SIZE size = BoxSize(node, wanted, metrics);
    LONG used = row ? size.cx : size.cy;
    int left = Distribute(lengths, weights, maxima, std::max(0L, room - used));
    LONG position = row ? inner.left : inner.top;
    if (node.alignment == Align::Centre)
        position += left / 2;
    else if (node.alignment == Align::End)
        position += left;
    LONG crossStart = row ? inner.top : inner.left;
    LONG crossRoom = row ? inner.bottom - inner.top : inner.right - inner.left;
    for (size_t i = 0; i < wanted.size(); ++i) {
        const Wanted& one = wanted[i];
        position += GapBefore(wanted, i, spacing);
        RECT rect;
        LONG from, to;
        AlignIn(row ? one.vertical : one.horizontal, crossStart, crossRoom,
                row ? one.size.cy : one.size.cx, row ? one.maximum.cy : one.maximum.cx, from, to);
        if (row)
            rect = RECT{position, from, position + lengths[i], to};
        else
            rect = RECT{from, position, to, position + lengths[i]};
        PlaceItem(one, rect, metrics, placements);
        position += lengths[i];
    }
}

// A grid's columns (or rows): each as long as its longest item of one cell,
// then longer where an item covering several is longer than they are.
struct Tracks {
    std::vector<int> lengths;
    std::vector<int> weights;
    std::vector<bool> used;

    int Sum(int spacing) const
    {
        int sum = 0;
        int count = 0;
        for (size_t i = 0; i < lengths.size(); ++i)
            if (used[i]) {
                sum += lengths[i];
                ++count;
            }
        return sum + std::max(0, count - 1) * spacing;
    }
};

Tracks GridTracks(const LayoutNode& node, const std::vector<Wanted>& wanted, bool columns,
                  int spacing)
{
    int count = 0;
    for (const Wanted& one : wanted) {
        const LayoutItem& item = *one.item;
        int first = columns ? item.column : item.row;
        int span = std::max(1, columns ? item.options.columnSpan : item.options.rowSpan);
        count = std::max(count, first + span);
    }
    Tracks tracks;
    tracks.lengths.assign(count, 0);
    tracks.weights.assign(count, 0);
    tracks.used.assign(count, false);
    const std::vector<int>& given = columns ? node.columnWeights : node.rowWeights;
    for (const Wanted& one : wanted) {
        const LayoutItem& item = *one.item;
        int first = columns ? item.column : item.row;
        int span = std::max(1, columns ? item.options.columnSpan : item.options.rowSpan);
        for (int i = first; i < first + span; ++i)
            tracks.used[i] = true;
        if (span == 1) {
            tracks.lengths[first] = std::max<int>(tracks.lengths[first],
                                                  columns ? one.size.cx : one.size.cy);
            tracks.weights[first] = std::max(tracks.weights[first], one.weight);
        }
    }
    for (int i = 0; i < count && i < static_cast<int>(given.size()); ++i)
        if (given[i] > 0)
            tracks.weights[i] = given[i];
    for (const Wanted& one : wanted) {
        const LayoutItem& item = *one.item;
        int first = columns ? item.column : item.row;
        int span = std::max(1, columns ? item.options.columnSpan : item.options.rowSpan);
        if (span == 1)
            continue;
        int have = (span - 1) * spacing;
        for (int i = first; i < first + span; ++i)
            have += tracks.lengths[i];
        int need = (columns ? one.size.cx : one.size.cy) - have;
        if (need <= 0)
            continue;
        std::vector<int> lengths(tracks.lengths.begin() + first,
                                 tracks.lengths.begin() + first + span);
        std::vector<int> weights(tracks.weights.begin() + first,
                                 tracks.weights.begin() + first + span);
        if (std::all_of(weights.begin(), weights.end(), [](int w) { return w <= 0; }))
            weights.assign(span, 1);
        Distribute(lengths, weights, std::vector<int>(span, 0), need);
        std::copy(lengths.begin(), lengths.end(), tracks.lengths.begin() + first);
    }
    return tracks;
}

// The starts of the tracks once `room` is shared out.
std::vector<int> TrackStarts(Tracks& tracks, int start, int room, int spacing)
{
    Distribute(tracks.lengths, tracks.weights, std::vector<int>(tracks.lengths.size(), 0),
               std::max(0, room - tracks.Sum(spacing)));
    std::vector<int> starts(tracks.lengths.size() + 1, start);
    int position = start;
    for (size_t i = 0; i < tracks.lengths.size(); ++i) {
        starts[i] = position;
        if (tracks.used[i])
            position += tracks.lengths[i] + spacing;
    }
    starts[tracks.lengths.size()] = position;
    return starts;
}

SIZE NodeSize(const LayoutNode& node, const Metrics& metrics)
{
    std::vector<Wanted> wanted = WantedItems(node, metrics);
    SIZE size = {0, 0};
    if (node.grid) {
        size.cx = GridTracks(node, wanted, true, metrics.Px(node.across)).Sum(metrics.Px(node.across));
        size.cy = GridTracks(node, wanted, false, metrics.Px(node.down)).Sum(metrics.Px(node.down));
    } else {
        size = BoxSize(node, wanted, metrics);
    }
    size.cx += metrics.Px(node.margins.left) + metrics.Px(node.margins.right);
    size.cy += metrics.Px(node.margins.top) + metrics.Px(node.margins.bottom);
    return size;
}

void PlaceNode(const LayoutNode& node, const Metrics& metrics, const RECT& area,
               std::vector<Placement>& placements)
{
    std::vector<Wanted> wanted = WantedItems(node, metrics);
    RECT inner = Inside(area, node.margins, metrics);
    if (!node.grid) {
        PlaceBox(node, wanted, metrics, inner, placements);
        return;
    }
    int across = metrics.Px(node.across);
    int down = metrics.Px(node.down);
    Tracks columns = GridTracks(node, wanted, true, across);
    Tracks rows = GridTracks(node, wanted, false, down);
    std::vector<int> lefts = TrackStarts(columns, inner.left, inner.right - inner.left, across);
    std::vector<int> tops = TrackStarts(rows, inner.top, inner.bottom - inner.top, down);
    for (const Wanted& one : wanted) {
        const LayoutItem& item = *one.item;
        int lastColumn = item.column + std::max(1, item.options.columnSpan) - 1;
        int lastRow = item.row + std::max(1, item.options.rowSpan) - 1;
        LONG cellLeft = lefts[item.column];
        LONG cellRight = lefts[lastColumn] + columns.lengths[lastColumn];
        LONG cellTop = tops[item.row];
        LONG cellBottom = tops[lastRow] + rows.lengths[lastRow];
        RECT rect;
        AlignIn(one.horizontal, cellLeft, cellRight - cellLeft, one.size.cx, one.maximum.cx,
                rect.left, rect.right);
        AlignIn(one.vertical, cellTop, cellBottom - cellTop, one.size.cy, one.maximum.cy,
                rect.top, rect.bottom);
        PlaceItem(one, rect, metrics, placements);
    }
}

RECT RectInParent(HWND window)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(window, &rect);
    HWND parent = (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : NULL;
    MapWindowPoints(NULL, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool Holds(const LayoutNode& node, const LayoutNode* sought)
{
    if (&node == sought)
        return true;
    for (const LayoutItem& item : node.items)
        if (item.inner && Holds(*item.inner, sought))
            return true;
    return false;
}

}  // namespace

Layout::Layout(bool grid, LayoutDirection direction) : node(std::make_shared<LayoutNode>())
{
    node->grid = grid;
    node->direction = direction;
}

Layout& Layout::SetMargins(int all)
{
    return SetMargins(all, all, all, all);
}

Layout& Layout::SetMargins(int left, int top, int right, int bottom)
{
    node->margins = RECT{left, top, right, bottom};
    return *this;
}

Layout& Layout::SetSpacing(int between)
{
    node->across = between;
    node->down = between;
    return *this;
}

int Layout::Count() const
{
    return static_cast<int>(node->items.size());
}

SIZE Layout::PreferredSize(HWND window) const
{
    Metrics metrics = {ScalingDpi(window)};
    return NodeSize(*node, metrics);
}

void Layout::LayOut(HWND window, const RECT& area) const
{
    Metrics metrics = {ScalingDpi(window)};
    std::vector<Placement> placements;
    PlaceNode(*node, metrics, area, placements);
    std::vector<Placement> moves;
    for (Placement& one : placements) {
        if (!IsWindow(one.window))
            continue;
        HWND parent = GetParent(one.window);
        if (parent != window && parent != NULL)
            MapWindowPoints(window, parent, reinterpret_cast<POINT*>(&one.rect), 2);
        RECT now = RectInParent(one.window);
        bool combo = IsDroppedCombo(one.window);
        if (combo) {
            // A dropped-down combo box is given the height of its list; its
            // window rectangle shows the closed box.
            RECT dropped = {0, 0, 0, 0};
            SendMessageA(one.window, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
            if (now.left == one.rect.left && now.top == one.rect.top &&
                now.right == one.rect.right)
                continue;
            one.rect.bottom = one.rect.top + std::max(one.rect.bottom - one.rect.top,
                                                      dropped.bottom - dropped.top);
        } else if (EqualRect(&now, &one.rect)) {
            continue;
        }
        moves.push_back(one);
    }
    if (moves.empty())
        return;
    HDWP batch = BeginDeferWindowPos(static_cast<int>(moves.size()));
    for (const Placement& one : moves)
        if (batch != NULL)
            batch = DeferWindowPos(batch, one.window, NULL, one.rect.left, one.rect.top,
                                   one.rect.right - one.rect.left, one.rect.bottom - one.rect.top,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    if (batch == NULL || !EndDeferWindowPos(batch))
        for (const Placement& one : moves)
            SetWindowPos(one.window, NULL, one.rect.left, one.rect.top,
                         one.rect.right - one.rect.left, one.rect.bottom - one.rect.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
    // Moved together, a window may grow over the place another just left,
    // which the system then leaves unpainted; group boxes are transparent.
    // Every moved window and the host are drawn again whole.
    for (const Placement& one : moves)
        RedrawWindow(one.window, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    InvalidateRect(window, NULL, TRUE);
}

bool Layout::CanHold(const Layout& inner) const
{
    return inner.node && !Holds(*inner.node, node.get());
}

void Layout::AddWindow(HWND window, const LayoutOptions& options, int row, int column)
{
    LayoutItem item;
    item.kind = LayoutItem::kWindow;
    item.window = window;
    item.options = options;
    item.row = std::max(0, row);
    item.column = std::max(0, column);
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(window, &rect);
    UINT dpi = ScalingDpi(window);
    item.natural = SIZE{ScaleBetweenDpi(rect.right - rect.left, dpi, kLogicalDpi),
                        ScaleBetweenDpi(rect.bottom - rect.top, dpi, kLogicalDpi)};
    node->items.push_back(item);
}

void Layout::AddLayout(const Layout& inner, const LayoutOptions& options, int row, int column)
{
    if (!CanHold(inner))
        return;
    LayoutItem item;
    item.kind = LayoutItem::kNested;
    item.inner = inner.node;
    item.options = options;
    item.row = std::max(0, row);
    item.column = std::max(0, column);
    node->items.push_back(item);
}

void Layout::AddFrame(HWND frame, const Layout& inner, const LayoutOptions& options, int row,
                      int column)
{
    if (!CanHold(inner))
        return;
    AddWindow(frame, options, row, column);
    node->items.back().kind = LayoutItem::kFrame;
    node->items.back().inner = inner.node;
}

BoxLayout::BoxLayout(LayoutDirection direction) : Layout(false, direction) {}

BoxLayout& BoxLayout::Add(const Control& control, const LayoutOptions& options)
{
    return Add(control.hwnd, options);
}

BoxLayout& BoxLayout::Add(HWND window, const LayoutOptions& options)
{
    AddWindow(window, options, 0, 0);
    return *this;
}

BoxLayout& BoxLayout::Add(const Layout& inner, const LayoutOptions& options)
{
    AddLayout(inner, options, 0, 0);
    return *this;
}

BoxLayout& BoxLayout::Add(const Control& frame, const Layout& inner, const LayoutOptions& options)
{
    AddFrame(frame.hwnd, inner, options, 0, 0);
    return *this;
}

BoxLayout& BoxLayout::AddSpace(int length)
{
    LayoutItem item;
    item.kind = LayoutItem::kSpace;
    item.length = std::max(0, length);
    node->items.push_back(item);
    return *this;
}

BoxLayout& BoxLayout::AddStretch(int weight)
{
    LayoutItem item;
    item.kind = LayoutItem::kStretch;
    item.options.weight = std::max(0, weight);
    node->items.push_back(item);
    return *this;
}

BoxLayout& BoxLayout::SetAlignment(Align where)
{
    node->alignment = where;
    return *this;
}

GridLayout::GridLayout() : Layout(true, LayoutDirection::Row) {}

GridLayout& GridLayout::Add(const Control& control, int row, int column,
                            const LayoutOptions& options)
{
    return Add(control.hwnd, row, column, options);
}

GridLayout& GridLayout::Add(HWND window, int row, int column, const LayoutOptions& options)
{
    AddWindow(window, options, row, column);
    return *this;
}

GridLayout& GridLayout::Add(const Layout& inner, int row, int column,
                            const LayoutOptions& options)
{
    AddLayout(inner, options, row, column);
    return *this;
}

GridLayout& GridLayout::Add(const Control& frame, const Layout& inner, int row, int column,
                            const LayoutOptions& options)
{
    AddFrame(frame.hwnd, inner, options, row, column);
    return *this;
}

GridLayout& GridLayout::SetColumnWeight(int column, int weight)
{
    if (column < 0)
        return *this;
    if (static_cast<int>(node->columnWeights.size()) <= column)
        node->columnWeights.resize(column + 1, 0);
    node->columnWeights[column] = std::max(0, weight);
    return *this;
}

GridLayout& GridLayout::SetRowWeight(int row, int weight)
{
    if (row < 0)
        return *this;
    if (static_cast<int>(node->rowWeights.size()) <= row)
        node->rowWeights.resize(row + 1, 0);
    node->rowWeights[row] = std::max(0, weight);
    return *this;
}

GridLayout& GridLayout::SetSpacing(int across, int down)
{
    node->across = across;
    node->down = down;
    return *this;
}

namespace {

void CollectWindows(const LayoutNode& node, std::vector<HWND>& windows)
{
    for (const LayoutItem& item : node.items) {
        if (item.window != NULL)
            windows.push_back(item.window);
        if (item.inner)
            CollectWindows(*item.inner, windows);
    }
}

}  // namespace

std::vector<HWND> Layout::Windows() const
{
    std::vector<HWND> windows;
    CollectWindows(*node, windows);
    return windows;
}
