// Wrappers go into std::vector and other containers that move their elements
// when they grow, and those move (rather than copy) only when the move cannot
// throw. A copy of a window wrapper is cheap but a copy of an image or a
// string is not, so every wrapper must be nothrow-movable: one member whose
// copy or move may throw (a property without noexcept, say) silently turns
// every reallocation into copies.
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "wicker.h"

namespace {

template <typename... Types>
struct AllNothrowMovable;

template <>
struct AllNothrowMovable<> : std::true_type {};

template <typename First, typename... Rest>
struct AllNothrowMovable<First, Rest...>
    : std::integral_constant<bool, std::is_nothrow_move_constructible<First>::value &&
                                       std::is_nothrow_move_assignable<First>::value &&
                                       AllNothrowMovable<Rest...>::value> {};

static_assert(AllNothrowMovable<String, StringList, Control, Image, Bitmap, IconObject,
                                RegionObject, ImageList, PictureBox, ImageBox, BmpBox,
                                IconBox>::value,
              "foundation wrappers move without throwing");
static_assert(AllNothrowMovable<Form, MDIForm, Button, CheckBox, RadioButton, Label, TextBox,
                                PasswordBox, ReadOnlyBox, GroupBox, VisibleGroupBox, FrameBox,
                                SunkenFrame, ScrollBar, Track, Guage, ImageButton, Tab,
                                TabPage>::value,
              "form and basic control wrappers move without throwing");
// (The drive combo box, the tips dialog and the property grid own a timer,
// a dialog or editors of their own and can be neither copied nor moved.)
static_assert(AllNothrowMovable<ListBox, MCListBox, ComboBox, ListView, TableView,
                                TreeView, TreeItem, ListViewItem, MenuItem, MenuBar, PopupMenu,
                                StatusBar, ToolBar, ToolButton, CoolBar, Splitter,
                                MonthCalendar, DateTimePicker, VideoControl, RichTextBox,
                                TextFile, ColorButton>::value,
              "item, bar and rich text wrappers move without throwing");

// A growing vector of forms keeps each form's properties bound to the form
// that now holds them, so they reach that form's own window.
TEST(WrapperMovesTest, FormsInAGrowingVectorKeepTheirPropertiesBound)
{
    std::vector<Form> forms;
    for (int i = 0; i < 5; ++i) {
        forms.push_back(Form());
        forms.back().Create(String("form " + std::to_string(i)), 0, 0, 100, 50, kFormDialog,
                            false, false, false, false, true);
    }
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(forms[i].Caption.m_cObject, static_cast<Control*>(&forms[i]));
        EXPECT_STREQ(forms[i].Caption().CStr(), ("form " + std::to_string(i)).c_str());
    }
    for (Form& form : forms)
        DestroyWindow(form.hwnd);
}

}  // namespace
