// GiveAccessibleNames on real windows, asked as a screen reader asks
// (AccessibleObjectFromWindow): names and values of the window and its drawn
// parts, the system's children after them, places, and the object outliving
// its window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "accessible_reader.h"
#include "message_log.h"
#include "wicker.h"

namespace {

// What the test window draws: two rows, the second selected.
std::vector<DrawnPart> drawnParts;
String windowName;

int CountParts(HWND)
{
    return static_cast<int>(drawnParts.size());
}

bool DescribePart(HWND, int number, DrawnPart* part)
{
    if (number == 0) {
        part->name = windowName;
        return true;
    }
    if (number < 1 || number > CountParts(NULL))
        return false;
    *part = drawnParts[number - 1];
    return true;
}

const AccessibleNames kTestNames = {CountParts, DescribePart};

// A second table: one picture.
int OnePart(HWND)
{
    return 1;
}

bool DescribePicture(HWND, int number, DrawnPart* part)
{
    part->name = "Picture";
    return number <= 1;
}

const AccessibleNames kPictureNames = {OnePart, DescribePicture};

DrawnPart Row(const char* name, const char* value, int top, bool selected)
{
    DrawnPart part;
    part.name = name;
    part.value = value;
    part.kind = kDrawnItem;
    part.selected = selected;
    SetRect(&part.place, 0, top, 100, top + 20);
    return part;
}

class AccessibleNamesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        drawnParts = {Row("Size: 12", "12", 0, false), Row("Colour: red", "red", 20, true)};
        windowName = "Settings";
        window = CreateProbeWindow();
        ASSERT_NE(window, nullptr);
        SetWindowTextA(window, "probe");
        child = CreateChildWindow(window, "BUTTON", WS_VISIBLE, 7, 0, 60, 80, 20);
        SetWindowTextA(child, "OK");
        ASSERT_TRUE(GiveAccessibleNames(window, &kTestNames));
    }

    void TearDown() override
    {
        if (IsWindow(window))
            DestroyWindow(window);
    }

    HWND window = nullptr;
    HWND child = nullptr;
};

// Each child number: the window, its two rows, one past the last child, and
// a negative number.
TEST_F(AccessibleNamesTest, NamesAndValuesComeFromTheTable)
{
    IAccessible* object = ClientObject(window);
    ASSERT_NE(object, nullptr);
    LONG count = 0;
    EXPECT_EQ(object->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 3);  // two rows and the button

    const struct {
        LONG child;
        HRESULT nameResult;
        const char* name;
        const char* value;
    } cases[] = {
        {CHILDID_SELF, S_OK, "Settings", ""},
        {1, S_OK, "Size: 12", "12"},
        {2, S_OK, "Colour: red", "red"},
        {4, E_INVALIDARG, "", ""},
        {-3, E_INVALIDARG, "", ""},
    };
    for (const auto& c : cases) {
        HRESULT result = E_FAIL;
        EXPECT_EQ(NameOf(object, c.child, &result), c.name) << c.child;
        EXPECT_EQ(result, c.nameResult) << c.child;
        if (c.nameResult == S_OK) {
            EXPECT_EQ(ValueOf(object, c.child), c.value) << c.child;
        }
    }
    object->Release();
}

// Asked again, the object tells what the window draws now; an empty name for
// the window leaves the window's text, and a new table replaces the old one.
TEST_F(AccessibleNamesTest, EveryQuestionReadsTheWindowAfresh)
{
    IAccessible* object = ClientObject(window);
    ASSERT_NE(object, nullptr);
    drawnParts.push_back(Row("Name: Tuckle", "Tuckle", 40, false));
    windowName = "";
    EXPECT_EQ(NamesHeard(window, 3), "probe\nSize: 12\nColour: red\nName: Tuckle");
    LONG count = 0;
    object->get_accChildCount(&count);
    EXPECT_EQ(count, 4);

    ASSERT_TRUE(GiveAccessibleNames(window, &kPictureNames));
    EXPECT_EQ(NamesHeard(window, 1), "Picture\nPicture");
    object->Release();
}

// A row's place in screen coordinates, and the row found at a point of it.
TEST_F(AccessibleNamesTest, PartsHaveTheirPlaces)
{
    IAccessible* object = ClientObject(window);
    ASSERT_NE(object, nullptr);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    VARIANT second;
    VariantInit(&second);
    second.vt = VT_I4;
    second.lVal = 2;
    LONG left = 0, top = 0, width = 0, height = 0;
    EXPECT_EQ(object->accLocation(&left, &top, &width, &height, second), S_OK);
    EXPECT_EQ(left, origin.x);
    EXPECT_EQ(top, origin.y + 20);
    EXPECT_EQ(width, 100);
    EXPECT_EQ(height, 20);

    VARIANT hit;
    VariantInit(&hit);
    EXPECT_EQ(object->accHitTest(origin.x + 50, origin.y + 25, &hit), S_OK);
    EXPECT_EQ(hit.vt, VT_I4);
    EXPECT_EQ(hit.lVal, 2);
    object->Release();
}

// A screen reader may hold the object after the window has gone: every
// question is then answered with an error, and nothing the window had is read.
TEST_F(AccessibleNamesTest, TheObjectOutlivesItsWindowSafely)
{
    IAccessible* object = ClientObject(window);
    ASSERT_NE(object, nullptr);
    DestroyWindow(window);
    drawnParts.clear();  // as a wrapper destroyed with its window
    HRESULT result = S_OK;
    EXPECT_EQ(NameOf(object, 1, &result), "");
    EXPECT_TRUE(FAILED(result));
    EXPECT_EQ(NameOf(object, CHILDID_SELF, &result), "");
    EXPECT_TRUE(FAILED(result));
    LONG count = -1;
    EXPECT_TRUE(FAILED(object->get_accChildCount(&count)));
    EXPECT_EQ(count, 0);
    object->Release();
}

TEST_F(AccessibleNamesTest, ANameCannotBeGivenToNoWindow)
{
    EXPECT_FALSE(GiveAccessibleNames(NULL, &kTestNames));
    EXPECT_FALSE(GiveAccessibleNames(window, NULL));
}

// Each channel under its own name, never swapped (a COLORREF is blue, green, red).
TEST(ColorInWordsTest, NamesEachChannel)
{
    const struct {
        COLORREF color;
        const char* words;
    } cases[] = {
        {RGB(255, 0, 0), "red 255, green 0, blue 0"},
        {RGB(1, 2, 3), "red 1, green 2, blue 3"},
        {RGB(0, 128, 255), "red 0, green 128, blue 255"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColorInWords(c.color), c.words);
}

}  // namespace
