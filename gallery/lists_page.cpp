// Lists: a sorted list box of fruit, a combo box to pick more from, and a
// multi-column list of numbers; the chosen fruit and its data show below.
#include "pages.h"

namespace {

enum {
    kFruitList = 1,
    kMoreFruit,
    kAddFruit,
    kRemoveFruit,
    kChosen,
};

ListBox fruit;
ComboBox moreFruit;
Label chosen;

void ShowChosen()
{
    int index = fruit.SelectedIndex;
    if (index < 0) {
        chosen.Text = "Nothing chosen";
        return;
    }
    chosen.Text = "Chosen: " + fruit.ItemText(index) + " (item " + NumberString(index, 0) +
                  ", price " + NumberString(static_cast<double>(fruit.SelectedData), 0) + " pence)";
}

INT_PTR CALLBACK ListsProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wParam)) {
    case kFruitList:
        if (HIWORD(wParam) == LBN_SELCHANGE)
            ShowChosen();
        return TRUE;
    case kAddFruit: {
        int index = moreFruit.SelectedIndex;
        if (index >= 0 && fruit.FindStringExact(moreFruit.ItemText(index)) < 0)
            fruit.SetSelectedIndex(fruit.Add(moreFruit.ItemText(index), moreFruit.SelectedData));
        ShowChosen();
        return TRUE;
    }
    case kRemoveFruit:
        fruit.Delete(fruit.SelectedIndex);
        ShowChosen();
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void lists_page(Form& page)
{
    page.DialogProcedure = ListsProc;

    Label("Fruit (sorted)", 0, 10, 10, 200, 20, page);
    fruit.Create("", kFruitList, 10, 32, 200, 220, page);
    const char* names[] = {"Pear", "Apple", "Plum", "Cherry", "Banana", "Grape", "Orange"};
    const int prices[] = {35, 20, 15, 60, 25, 90, 40};
    for (int i = 0; i < 7; ++i)
        fruit.Add(names[i], prices[i]);

    Label("More fruit", 0, 230, 10, 200, 20, page);
    moreFruit.Create("", kMoreFruit, 230, 32, 200, 200, page, true, true, false, true);
    const char* more[] = {"Mango", "Kiwi", "Lemon", "Peach", "Apricot"};
    const int morePrices[] = {120, 30, 25, 45, 50};
    for (int i = 0; i < 5; ++i)
        moreFruit.Add(more[i], morePrices[i]);
    moreFruit.SetSelectedIndex(0);
    Button("Add to the list", kAddFruit, 230, 64, 200, 28, page);
    Button("Remove the chosen fruit", kRemoveFruit, 230, 100, 200, 28, page);

    chosen.Create("", kChosen, 10, 262, 580, 20, page);
    fruit.SelectString("Cherry");
    ShowChosen();

    Label("Numbers in columns", 0, 10, 296, 300, 20, page);
    MCListBox numbers("", 0, 10, 318, 580, 110, page, true, true, false, true, 70);
    for (int i = 1; i <= 40; ++i)
        numbers.Add(NumberString(i * i, 0), i);
}
