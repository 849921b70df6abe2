#include "tree_view.h"

#include <commctrl.h>

#include "basic_control.h"

static_assert(kTreeViewStyle == (WS_CHILD | WS_TABSTOP | TVS_RTLREADING | TVS_SHOWSELALWAYS |
                                 TVS_EDITLABELS | TVS_LINESATROOT | TVS_HASLINES |
                                 TVS_HASBUTTONS),
              "tree view style");

namespace {

// Created at its place and size; the text argument is not used.
const ControlKind kTreeViewKind = {
    WC_TREEVIEWA, "TreeView", {kStepFont, kStepCentre, kStepDisable, kStepShow, kStepEnd}};

}  // namespace

TreeView::TreeView()
{
    ClearBasicControl(*this);
    BindProperties();
}

TreeView::TreeView(const String& text, int identifier, int x, int y, int width, int height,
                   Control parentControl, bool enabled, bool visible, bool centred, DWORD exStyle)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred,
           exStyle);
}

void TreeView::BindProperties()
{
    SelectedItem.Bind(this, &TreeView::GetSelectedItem, NULL);
    SelectedText.Bind(this, &TreeView::GetSelectedText, NULL);
    SelectedData.Bind(this, &TreeView::GetSelectedData, NULL);
    Count.Bind(this, &TreeView::GetCount, NULL);
}

bool TreeView::Create(const String&, int identifier, int x, int y, int width, int height,
                      Control parentControl, bool enabled, bool visible, bool centred,
                      DWORD exStyle)
{
    lastItem = TreeItem();
    lastTopItem = TreeItem();
    ControlPlacement place = {"", identifier, x, y, width, height, enabled, visible, centred, exStyle};
    return CreateBasicControl(*this, kTreeViewKind, kTreeViewStyle, place, parentControl);
}

HIMAGELIST TreeView::SetImageList(const ImageList& list)
{
    return ShowKeptImageList(hwnd, TVM_SETIMAGELIST, TVSIL_NORMAL, list);
}

TreeItem TreeView::Add(const TreeItem& parentItem, const String& text, LPARAM data, int image,
                       int selectedImage)
{
    bool topLevel = parentItem.parentItem == NULL;
    HTREEITEM under = topLevel ? TVI_ROOT : parentItem.item;
    TreeItem added;
    HTREEITEM handle = InsertTreeItem(hwnd, under, text, data, image, selectedImage);
    if (handle == NULL)
        return added;
    added.tree = hwnd;
    added.parentItem = under;
    added.item = handle;
    added.data = data;
    added.text = text;
    lastItem = added;
    if (topLevel)
        lastTopItem = added;
    return added;
}

bool TreeView::DeleteAll()
{
    return hwnd != NULL &&
           SendMessageA(hwnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)) != 0;
}

HTREEITEM TreeView::Caret()
{
    if (hwnd == NULL)
        return NULL;
    return reinterpret_cast<HTREEITEM>(SendMessageA(hwnd, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

// A top-level item's parent is given as TVI_ROOT, as Add gives it: a null
// parent would make the record stand for the root itself, and adding under
// it would then add at the top level instead of under the selected item.
TreeItem TreeView::GetSelectedItem()
{
    TreeItem selected;
    HTREEITEM caret = Caret();
    if (caret == NULL || !ReadTreeItem(hwnd, caret, &selected.text, &selected.data))
        return selected;
    HTREEITEM parentHandle = reinterpret_cast<HTREEITEM>(
        SendMessageA(hwnd, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(caret)));
    selected.tree = hwnd;
    selected.parentItem = parentHandle != NULL ? parentHandle : TVI_ROOT;
    selected.item = caret;
    return selected;
}

String TreeView::GetSelectedText()
{
    String text;
    ReadTreeItem(hwnd, Caret(), &text, NULL);
    return text;
}

LPARAM TreeView::GetSelectedData()
{
    LPARAM data = 0;
    ReadTreeItem(hwnd, Caret(), NULL, &data);
    return data;
}

int TreeView::GetCount()
{
    return static_cast<int>(SendMessageA(hwnd, TVM_GETCOUNT, 0, 0));
}
