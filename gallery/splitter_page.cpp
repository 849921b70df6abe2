// Splitter: a tree of topics on the left and a rich text pane on the right,
// with a bar between them that the user drags to share the page.
#include "pages.h"

namespace {

enum {
    kTopics = 1,
    kNotes,
    kBar,
};

const int kMargin = 10;
const int kBarAt = 190;

TreeView topics;
RichTextBox notes;
Splitter bar;

INT_PTR CALLBACK SplitterProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    // A resized page lets the bar go as far as 80 pixels from its new edge.
    if (message == WM_SIZE && bar.Exists()) {
        bar.SetRange(80, Control(window).ClientWidth - 80);
        return FALSE;
    }
    // The bar reports every move with its identifier: the panes follow it.
    if (message == WM_COMMAND && LOWORD(wParam) == kBar) {
        bar.Relayout();
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void splitter_page(Form& page)
{
    page.DialogProcedure = SplitterProc;
    // The controls are placed in logical pixels, the page measured in them too.
    SIZE client = page.LogicalClientSize();
    int width = client.cx;
    int height = client.cy - 2 * kMargin;
    topics.Create("", kTopics, kMargin, kMargin, kBarAt - kMargin, height, page, true, true, false,
                  WS_EX_CLIENTEDGE);
    const char* const fruit[] = {"Apples", "Cherries", "Damsons", "Figs"};
    const char* const berries[] = {"Blackberries", "Elderberries", "Gooseberries"};
    TreeItem orchard = topics.Add(TreeRoot, "Orchard");
    for (const char* name : fruit)
        topics.Add(orchard, name);
    TreeItem hedge = topics.Add(TreeRoot, "Hedgerow");
    for (const char* name : berries)
        topics.Add(hedge, name);
    orchard.Expand();
    hedge.Expand();
    notes.Create("", kNotes, kBarAt + kSplitterThickness, kMargin,
                 width - kMargin - kBarAt - kSplitterThickness, height, page, true, true,
                 false, ES_MULTILINE | WS_VSCROLL, WS_EX_CLIENTEDGE);
    notes.RichText = RtfHeader() +
                     RtfFromMarkup("<B>Drag the bar</B> between the tree and this pane.\r\n"
                                   "The tree keeps its left edge and this pane its right edge; "
                                   "the bar stops 80 pixels from either side.\r\n") +
                     RtfEnd();

    bar.Create(kBar, page, false, kSplitterThickness, true, WS_EX_STATICEDGE);
    bar.Attach(0, {&topics});
    bar.Attach(1, {&notes});
    bar.SetRange(LogicalToPixels(page, 80), page.ClientWidth - LogicalToPixels(page, 80));
    bar.SetPosition(LogicalToPixels(page, kBarAt));
    // The panes and the bar grow with the page; the pane on the right takes
    // the new width.
    topics.SetAnchor(Anchor::Left | Anchor::Top | Anchor::Bottom);
    bar.SetAnchor(Anchor::Left | Anchor::Top | Anchor::Bottom);
    notes.SetAnchor(Anchor::All);
}
