// Layouts: an order form placed by layouts alone, no control at a place or
// size of its own. A row of languages switches every caption to English,
// German or Russian; the form lays itself out again for the longer texts,
// and again whenever the gallery's window changes size.
#include "pages.h"

namespace {

enum { kEnglish = 1, kGerman, kRussian, kFirstControl = 10 };

// The captions of the form, one column per language; the gallery's texts are
// UTF-8.
enum Caption {
    kLanguage, kCustomer, kName, kEmail, kCountry, kDelivery, kByPost, kByCourier, kGift,
    kNotes, kOrder, kCancel, kHelp, kCaptionCount
};
const char* const kCaptions[kCaptionCount][3] = {
    {"Language:", "Sprache:", "Язык:"},
    {"Customer", "Kunde", "Покупатель"},
    {"&Name:", "&Name:", "&Имя:"},
    {"&E-mail address:", "&E-Mail-Adresse:", "&Адрес электронной почты:"},
    {"&Country:", "&Land:", "&Страна:"},
    {"Delivery", "Lieferung", "Доставка"},
    {"By &post", "Per &Post", "&Почтой"},
    {"By c&ourier, the next working day", "Per K&urier, am nächsten Werktag",
     "&Курьером, на следующий рабочий день"},
    {"&Wrap it as a gift", "Als &Geschenk verpacken", "&Упаковать как подарок"},
    {"Notes for the &driver:", "Hinweise für den &Fahrer:", "&Заметки для водителя:"},
    {"Place &order", "&Bestellung aufgeben", "&Оформить заказ"},
    {"Cancel", "Abbrechen", "Отмена"},
    {"Help", "Hilfe", "Справка"},
};

Label languageLabel;
RadioButton languages[3];
GroupBox customer, delivery;
Label nameLabel, emailLabel, countryLabel, notesLabel;
TextBox name, email, notes;
ComboBox country;
RadioButton byPost, byCourier;
CheckBox gift;
Button order, cancel, help;

// Every caption in the language (0 English, 1 German, 2 Russian); the layout
// follows the new texts by itself.
void ShowLanguage(int language)
{
    Control* const captioned[kCaptionCount] = {&languageLabel, &customer, &nameLabel, &emailLabel,
                                               &countryLabel, &delivery, &byPost, &byCourier,
                                               &gift, &notesLabel, &order, &cancel, &help};
    for (int i = 0; i < kCaptionCount; ++i)
        captioned[i]->Text = kCaptions[i][language];
}

INT_PTR CALLBACK LayoutsProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        int id = LOWORD(wParam);
        if (id >= kEnglish && id <= kRussian) {
            ShowLanguage(id - kEnglish);
            return TRUE;
        }
    }
    return FALSE;
}

}  // namespace

void layouts_page(Form& page)
{
    // Every control is made without a place: the layout gives it one. The
    // captions come from ShowLanguage.
    int id = kFirstControl;
    languageLabel = Label("", id++, page);
    languages[0] = RadioButton("English", kEnglish, page);
    languages[1] = RadioButton("Deutsch", kGerman, page);
    languages[2] = RadioButton("Русский", kRussian, page);
    languages[0].Checked = true;
    // The languages start a group of their own. Without a control of
    // WS_GROUP before them, Wine's dialog manager counts the group from the
    // form's last group, and a click here would clear the delivery choice.
    languages[0].AddStyle(WS_GROUP);
    customer = GroupBox("", id++, page);
    nameLabel = Label("", id++, page);
    name = TextBox("", id++, page);
    emailLabel = Label("", id++, page);
    email = TextBox("", id++, page);
    countryLabel = Label("", id++, page);
    country = ComboBox("", id++, page, true);
    for (const char* place : {"Deutschland", "España", "France", "Россия", "United Kingdom"})
        country.Add(place);
    country.SetSelectedIndex(0);
    delivery = GroupBox("", id++, page);
    byPost = RadioButton("", id++, page);
    byCourier = RadioButton("", id++, page);
    byPost.Checked = true;
    gift = CheckBox("", id++, page);
    notesLabel = Label("", id++, page);
    notes = TextBox("", id++, page, true);
    order = Button("", IDOK, page, true);
    cancel = Button("", IDCANCEL, page);
    help = Button("", id++, page);
    ShowLanguage(0);

    BoxLayout languageRow(LayoutDirection::Row);
    languageRow.Add(languageLabel).Add(languages[0]).Add(languages[1]).Add(languages[2]);

    // Labels in one column as wide as the widest, boxes in the next taking
    // what is left.
    GridLayout fields;
    fields.Add(nameLabel, 0, 0).Add(name, 0, 1, LayoutOptions().Characters(16));
    fields.Add(emailLabel, 1, 0).Add(email, 1, 1, LayoutOptions().Characters(16));
    fields.Add(countryLabel, 2, 0).Add(country, 2, 1);
    fields.SetColumnWeight(1, 1);

    BoxLayout ways(LayoutDirection::Column);
    ways.Add(byPost).Add(byCourier).AddSpace(4).Add(gift);

    BoxLayout boxes(LayoutDirection::Row);
    boxes.SetSpacing(10);
    boxes.Add(customer, fields, LayoutOptions().Weight(1)).Add(delivery, ways);

    BoxLayout buttons(LayoutDirection::Row);
    buttons.Add(help).AddStretch().Add(order).Add(cancel);

    BoxLayout column(LayoutDirection::Column);
    column.SetMargins(10).SetSpacing(8);
    column.Add(languageRow)
        .Add(boxes)
        .Add(notesLabel)
        .Add(notes, LayoutOptions().Weight(1).Lines(3))
        .Add(buttons);
    // The page keeps the size the gallery gives it; the layout follows it.
    page.SetLayout(column, LayoutFit::KeepSize);
    page.DialogProcedure = LayoutsProc;
}
