// Tree: a tree several levels deep with a picture on every item; the chosen
// item's text and data show below, and two buttons add under it or delete it.
#include "pages.h"

namespace {

enum { kTreeId = 1, kAddChild, kDeleteItem };
enum { kFolderIcon, kOpenIcon, kLeafIcon };

TreeView tree;
Label chosen;
int added = 0;

void ShowChosen()
{
    TreeItem item = tree.SelectedItem;
    if (item.item == NULL)
        chosen.Text = "Nothing chosen";
    else
        chosen.Text = "Chosen: " + item.text + " (data " +
                      NumberString(static_cast<double>(item.data), 0) + ")";
}

INT_PTR CALLBACK TreeProc(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == kTreeId && (header->code == TVN_SELCHANGEDA || header->code == TVN_SELCHANGEDW))
            ShowChosen();
        return FALSE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wParam)) {
    case kAddChild: {
        TreeItem item = tree.SelectedItem;
        if (item.item != NULL) {
            ++added;
            item.AddChild("New item " + NumberString(added, 0), 100 + added, kLeafIcon, kLeafIcon);
            item.SelectAndExpand();
        }
        return TRUE;
    }
    case kDeleteItem:
        tree.SelectedItem().Delete();
        ShowChosen();
        return TRUE;
    }
    return FALSE;
}

// A branch: a closed folder that shows open while it is chosen.
TreeItem Branch(const TreeItem& under, const char* text, int data)
{
    return tree.Add(under, text, data, kFolderIcon, kOpenIcon);
}

void Leaves(const TreeItem& under, const char* const* texts, int count, int firstData)
{
    for (int i = 0; i < count; ++i)
        under.AddChild(texts[i], firstData + i, kLeafIcon, kLeafIcon);
}

}  // namespace

void tree_page(Form& page)
{
    page.DialogProcedure = TreeProc;

    Label("A garden, by beds and plants", 0, 10, 10, 300, 20, page);
    tree.Create("", kTreeId, 10, 32, 320, 360, page, true, true, false, WS_EX_CLIENTEDGE);
    ImageList pictures;
    pictures.AddIconHandle(LoadIconA(NULL, IDI_WINLOGO));
    pictures.AddIconHandle(LoadIconA(NULL, IDI_INFORMATION));
    pictures.AddIconHandle(LoadIconA(NULL, IDI_APPLICATION));
    tree.SetImageList(pictures);

    TreeItem garden = Branch(TreeRoot, "Garden", 1);
    TreeItem front = Branch(garden, "Front beds", 10);
    TreeItem roses = Branch(front, "Roses", 11);
    const char* const roseNames[] = {"Climbing rose", "Dog rose", "Tea rose"};
    Leaves(roses, roseNames, 3, 110);
    TreeItem bulbs = Branch(front, "Bulbs", 12);
    const char* const bulbNames[] = {"Tulip", "Daffodil"};
    Leaves(bulbs, bulbNames, 2, 120);
    TreeItem kitchen = Branch(garden, "Kitchen garden", 20);
    TreeItem herbs = Branch(kitchen, "Herbs", 21);
    const char* const herbNames[] = {"Mint", "Sage", "Thyme"};
    Leaves(herbs, herbNames, 3, 210);
    TreeItem beans = Branch(kitchen, "Beans", 22);
    const char* const beanNames[] = {"Runner bean", "Broad bean"};
    Leaves(beans, beanNames, 2, 220);
    TreeItem shed = Branch(TreeRoot, "Shed", 2);
    const char* const tools[] = {"Spade", "Rake", "Watering can"};
    Leaves(shed, tools, 3, 30);

    front.Expand();
    roses.Expand();
    kitchen.Expand();
    herbs.Expand();
    garden.Expand();
    herbs.Select();

    Button addChild("Add a child to the chosen item", kAddChild, 350, 32, 240, 28, page);
    Button deleteItem("Delete the chosen item", kDeleteItem, 350, 68, 240, 28, page);
    chosen.Create("", 0, 10, 404, 580, 20, page);
    // The tree grows with the page, the buttons keep to its right edge.
    tree.SetAnchor(Anchor::All);
    addChild.SetAnchor(Anchor::Top | Anchor::Right);
    deleteItem.SetAnchor(Anchor::Top | Anchor::Right);
    chosen.SetAnchor(Anchor::Left | Anchor::Right | Anchor::Bottom);
    ShowChosen();
}
