#include "tree_item.h"

#include <string.h>

#include <vector>

namespace {

// The pseudo handles TVI_ROOT, TVI_FIRST, TVI_LAST and TVI_SORT name no item
// of their own; the controls of some systems read through whatever handle
// they are given, so none of these, nor null, is ever handed on as an item.
bool IsRealItem(HTREEITEM item)
{
    return item != NULL && item != TVI_ROOT && item != TVI_FIRST && item != TVI_LAST &&
           item != TVI_SORT;
}

// Fills the item's text into the buffer and its data word; false when the
// tree has no such item.
bool GetItem(HWND tree, HTREEITEM item, char* buffer, int size, LPARAM* data)
{
    TVITEMA request = {};
    request.mask = TVIF_TEXT | TVIF_PARAM | TVIF_HANDLE;
    request.hItem = item;
    request.pszText = buffer;
    request.cchTextMax = size;
    buffer[0] = 0;
    if (!SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request)))
        return false;
    *data = request.lParam;
    return true;
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

// TVM_GETITEMA copies at most the buffer's size and reports no length, so a
// text that fills the buffer is read again into one twice the size until it
// fits with room to spare. Most texts fit the first, stack-held buffer.
bool ReadTreeItem(HWND tree, HTREEITEM item, String* text, LPARAM* data)
{
    LPARAM word = 0;
    if (text != NULL)
        text->clear();
    if (data != NULL)
        *data = 0;
    if (tree == NULL || !IsRealItem(item))
        return false;
    char first[1024];
    if (!GetItem(tree, item, first, sizeof first, &word))
        return false;
    size_t length = strnlen(first, sizeof first);
    if (length + 1 < sizeof first) {
        if (text != NULL)
            text->assign(first, length);
    } else {
        std::vector<char> buffer(sizeof first);
        do {
            buffer.assign(buffer.size() * 2, 0);
            if (!GetItem(tree, item, buffer.data(), static_cast<int>(buffer.size()), &word))
                return false;
            length = strnlen(buffer.data(), buffer.size());
        } while (length + 1 >= buffer.size());
        if (text != NULL)
            text->assign(buffer.data(), length);
    }
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
