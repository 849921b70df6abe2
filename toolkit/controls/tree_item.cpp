#include "tree_item.h"

#include "../foundation/wide_text.h"

namespace {

// The pseudo handles TVI_ROOT, TVI_FIRST, TVI_LAST and TVI_SORT name no item
// of their own; the controls of some systems read through whatever handle
// they are given, so none of these, nor null, is ever handed on as an item.
bool IsRealItem(HTREEITEM item)
{
    return item != NULL && item != TVI_ROOT && item != TVI_FIRST && item != TVI_LAST &&
           item != TVI_SORT;
}

}  // namespace

HTREEITEM InsertTreeItem(HWND tree, HTREEITEM parent, const String& text, LPARAM data, int image,
                         int selectedImage)
{
    if (tree == NULL || parent == NULL)
        return NULL;
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = NULL;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text.CStr());
    insert.item.cchTextMax = static_cast<int>(text.size());
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.lParam = data;
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

// TVM_GETITEMW copies at most the buffer's size and reports no length: the
// text is read through the wide message into a buffer that grows until it
// fits (ReadWideText), and the data word comes with the last read.
bool ReadTreeItem(HWND tree, HTREEITEM item, String* text, LPARAM* data)
{
    if (text != NULL)
        text->clear();
    if (data != NULL)
        *data = 0;
    if (tree == NULL || !IsRealItem(item))
        return false;
    bool found = false;
    LPARAM word = 0;
    String read = ReadWideText([&](wchar_t* buffer, int size, const wchar_t** answer) {
        TVITEMW request = {};
        request.mask = TVIF_TEXT | TVIF_PARAM | TVIF_HANDLE;
        request.hItem = item;
        request.pszText = buffer;
        request.cchTextMax = size;
        found = SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&request)) != 0;
        word = request.lParam;
        *answer = request.pszText;
        return found;
    });
    if (!found)
        return false;
    if (text != NULL)
        *text = read;
    if (data != NULL)
        *data = word;
    return true;
}

bool TreeItem::HasItem() const
{
    return tree != NULL && IsRealItem(item);
}

TreeItem TreeItem::AddChild(const String& childText, LPARAM childData, int image,
                            int selectedImage) const
{
    TreeItem child;
    HTREEITEM handle = InsertTreeItem(tree, item, childText, childData, image, selectedImage);
    if (handle == NULL)
        return child;
    child.tree = tree;
    child.parentItem = item;
    child.item = handle;
    child.data = childData;
    child.text = childText;
    return child;
}

bool TreeItem::Select() const
{
    return HasItem() && SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET,
                                     reinterpret_cast<LPARAM>(item)) != 0;
}

bool TreeItem::SelectAndExpand() const
{
    return Select() && ExpandAs(TVE_EXPAND);
}

bool TreeItem::SelectAndCollapse() const
{
    return Select() && ExpandAs(TVE_COLLAPSE);
}

bool TreeItem::ClearSelection() const
{
    return tree != NULL && SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, 0) != 0;
}

bool TreeItem::Delete() const
{
    return HasItem() && SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)) != 0;
}

bool TreeItem::ExpandAs(UINT action) const
{
    return HasItem() && SendMessageA(tree, TVM_EXPAND, action, reinterpret_cast<LPARAM>(item)) != 0;
}

bool TreeItem::Expand() const
{
    return ExpandAs(TVE_EXPAND);
}

bool TreeItem::Collapse() const
{
    return ExpandAs(TVE_COLLAPSE);
}

bool TreeItem::Toggle() const
{
    return ExpandAs(TVE_TOGGLE);
}

String TreeItem::ItemText() const
{
    String result;
    ReadTreeItem(tree, item, &result, NULL);
    return result;
}
