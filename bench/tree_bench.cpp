// Speed of the tree view wrapper against raw SendMessageA: 1,000 top-level
// items with 100 children each added, then every text read back, in the same
// run, interleaved, best of a few rounds. Also times the control's own parts
// (adding to a shown and to a hidden tree, reading, destroying) to show
// where the time goes. Prints figures and ratios; asserts nothing.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "wicker.h"

namespace {

// 1,000 unless the first argument gives another number of top-level items.
int kParents = 1000;
const int kChildren = 100;
const int kRounds = 3;

struct Times {
    double add = 1e300, read = 1e300, destroy = 1e300;
    void Keep(double a, double r, double d)
    {
        add = a < add ? a : add;
        read = r < read ? r : read;
        destroy = d < destroy ? d : destroy;
    }
};

std::vector<std::string> parentTexts, childTexts;

void MakeTexts()
{
    char text[64];
    for (int p = 0; p < kParents; ++p) {
        std::snprintf(text, sizeof text, "Parent item %d", p);
        parentTexts.push_back(text);
    }
    for (int c = 0; c < kChildren; ++c) {
        std::snprintf(text, sizeof text, "Child item number %d", c);
        childTexts.push_back(text);
    }
}

size_t checksum = 0;

HTREEITEM RawInsert(HWND tree, HTREEITEM parent, const std::string& text, LPARAM data)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.cchTextMax = static_cast<int>(text.size());
    insert.item.iImage = -1;
    insert.item.iSelectedImage = -1;
    insert.item.lParam = data;
    return (HTREEITEM)SendMessageA(tree, TVM_INSERTITEMA, 0, (LPARAM)&insert);
}

void RawRound(const Control& parent, bool visible, Times& times)
{
    TreeView shell("", 1, 0, 0, 300, 400, parent, true, visible);
    HWND tree = shell.hwnd;
    std::vector<HTREEITEM> items;
    items.reserve(kParents * (kChildren + 1));
    double start = NowMs();
    for (int p = 0; p < kParents; ++p) {
        HTREEITEM top = RawInsert(tree, TVI_ROOT, parentTexts[p], p);
        items.push_back(top);
        for (int c = 0; c < kChildren; ++c)
            items.push_back(RawInsert(tree, top, childTexts[c], c));
    }
    double added = NowMs();
    char buffer[1024];
    for (HTREEITEM item : items) {
        TVITEMA request = {};
        request.mask = TVIF_TEXT;
        request.hItem = item;
        request.pszText = buffer;
        request.cchTextMax = sizeof buffer;
        SendMessageA(tree, TVM_GETITEMA, 0, (LPARAM)&request);
        checksum += std::string(buffer).size();
    }
    double read = NowMs();
    DestroyWindow(tree);
    times.Keep(added - start, read - added, NowMs() - read);
}

void WrapperRound(const Control& parent, Times& times)
{
    TreeView tree("", 1, 0, 0, 300, 400, parent);
    std::vector<TreeItem> items;
    items.reserve(kParents * (kChildren + 1));
    std::vector<String> parents(parentTexts.begin(), parentTexts.end());
    std::vector<String> children(childTexts.begin(), childTexts.end());
    double start = NowMs();
    for (int p = 0; p < kParents; ++p) {
        TreeItem top = tree.Add(TreeRoot, parents[p], p);
        items.push_back(top);
        for (int c = 0; c < kChildren; ++c)
            items.push_back(top.AddChild(children[c], c));
    }
    double added = NowMs();
    for (const TreeItem& item : items)
        checksum += item.ItemText().size();
    double read = NowMs();
    tree.Destroy();
    times.Keep(added - start, read - added, NowMs() - read);
}

void Report(const char* what, double ms, double baselineMs)
{
    std::printf("%-44s %9.1f ms   raw %9.1f ms   ratio %5.2f  (goal at most 1.20)  %s\n", what, ms,
                baselineMs, ms / baselineMs, ms / baselineMs <= 1.2 ? "ok" : "SLOW");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::atoi(argv[1]) > 0)
        kParents = std::atoi(argv[1]);
    MakeTexts();
    HWND window = CreateWindowExA(0, "STATIC", "tree bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                  0, 400, 500, NULL, NULL, GetModuleHandleA(NULL), NULL);
    Control parent(window);
    Times raw, wrapper, hidden;
    for (int round = 0; round < kRounds; ++round) {
        RawRound(parent, true, raw);
        WrapperRound(parent, wrapper);
        RawRound(parent, false, hidden);
    }
    std::printf("TreeView, %d parents x %d children (%d items), best of %d interleaved rounds\n",
                kParents, kChildren, kParents * (kChildren + 1), kRounds);
    Report("TreeView.Add / AddChild", wrapper.add, raw.add);
    Report("TreeItem.ItemText, every item", wrapper.read, raw.read);
    Report("both together", wrapper.add + wrapper.read, raw.add + raw.read);
    std::printf("The control's own parts (raw SendMessageA):\n");
    std::printf("  adding to a shown tree   %9.1f ms  (%.2f us an item)\n", raw.add,
                raw.add * 1000 / (kParents * (kChildren + 1)));
    std::printf("  adding to a hidden tree  %9.1f ms  (%.2f us an item)\n", hidden.add,
                hidden.add * 1000 / (kParents * (kChildren + 1)));
    std::printf("  reading every text       %9.1f ms  (%.2f us an item)\n", raw.read,
                raw.read * 1000 / (kParents * (kChildren + 1)));
    std::printf("  destroying the window    %9.1f ms\n", raw.destroy);
    std::printf("(checksum %zu)\n", checksum);
    std::printf(
        "Notes (Wine): the tree view checks every item handle a message names (the parent of\n"
        "TVM_INSERTITEM, the item of TVM_GETITEM) by a linear search through all the items it\n"
        "holds (TREEVIEW_ValidItem calls DPA_GetPtrIndex), so both adding and reading cost in\n"
        "proportion to the items already there: 1,000 x 100 items take minutes, raw or not.\n");
    DestroyWindow(window);
    return 0;
}
