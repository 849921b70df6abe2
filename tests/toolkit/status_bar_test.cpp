// The status bar on a parent 300 pixels wide: its parts' right edges, the
// texts the parts show (SB_GETTEXTA) and which parts are drawn raised.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "probe_parent.h"
#include "wicker.h"
#include "window_attributes.h"

namespace {

const int BarId = 77;

class StatusBarTest : public ProbeParentTest {
protected:
    HWND area = NULL;  // the bar's parent, its client area 300 wide

    void SetUp() override
    {
        ProbeParentTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        area = CreateChildWindow(probe, "STATIC", WS_CHILD | WS_VISIBLE, 1, 0, 0, 300, 120);
        ASSERT_EQ(ClientSize(area).cx, 300);
        parentControl = Control(area);
    }
};

std::vector<int> Edges(HWND bar)
{
    int edges[256] = {};
    int count = static_cast<int>(SendMessageA(bar, SB_GETPARTS, 256, (LPARAM)edges));
    return std::vector<int>(edges, edges + count);
}

// The part's text and whether it is drawn raised.
std::pair<std::string, bool> Shown(HWND bar, int part)
{
    char text[2048] = "";
    LRESULT result = SendMessageA(bar, SB_GETTEXTA, part, (LPARAM)text);
    return {text, (HIWORD(result) & SBT_POPOUT) != 0};
}

TEST_F(StatusBarTest, PartsShareTheParentsWidthWithinOneToAHundred)
{
    std::vector<int> hundred;
    for (int k = 1; k < 100; ++k)
        hundred.push_back(3 * k);
    hundred.push_back(-1);
    struct Case {
        int parts;
        std::vector<int> edges;
    } cases[] = {
        {3, {100, 200, -1}},
        {1, {-1}},
        {2, {150, -1}},
        {0, {-1}},
        {-4, {-1}},
        {100, hundred},
        {150, hundred},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.parts);
        StatusBar bar("", BarId, parentControl, c.parts);
        ASSERT_NE(bar.hwnd, (HWND)NULL);
        EXPECT_EQ(Edges(bar.hwnd), c.edges);
        EXPECT_EQ(bar.Parts(), static_cast<int>(c.edges.size()));
        EXPECT_EQ(bar.raised.size(), c.edges.size());
        DestroyWindow(bar.hwnd);
    }
    StatusBar bar("", BarId, parentControl, 4, false);
    EXPECT_EQ(WindowStyle(bar.hwnd), (DWORD)(WS_CHILD | WS_VISIBLE | WS_DISABLED | SBARS_SIZEGRIP));
    bar.Parts = 2;
    EXPECT_EQ(Edges(bar.hwnd), (std::vector<int>{150, -1}));
    EXPECT_EQ(bar.raised.size(), 4u);  // never shrinks
}

TEST_F(StatusBarTest, EmptyTextsLeaveTheirPartsAndLongTextsAreCut)
{
    StatusBar bar("one;two;three", BarId, parentControl, 3);
    bar.SetTextsFrom("A;;C");
    EXPECT_EQ(Shown(bar.hwnd, 0).first, "A");
    EXPECT_EQ(Shown(bar.hwnd, 1).first, "two");
    EXPECT_EQ(Shown(bar.hwnd, 2).first, "C");
    EXPECT_EQ(bar.texts.Join("|"), "A||C");

    bar.Parts = 2;
    bar.SetTextsFrom("w;x;y;z");
    EXPECT_EQ(bar.Text(0), "w");
    EXPECT_EQ(bar.Text(1), "x");
    EXPECT_EQ(bar.texts.Count(), 4);
    EXPECT_EQ(bar.Text(2), "");
    EXPECT_FALSE(bar.SetText(2, "past the last part"));
    EXPECT_FALSE(bar.SetText(-1, "before the first"));

    std::string longText(1100, 'x');
    EXPECT_TRUE(bar.SetText(1, longText.c_str()));
    EXPECT_EQ(Shown(bar.hwnd, 1).first, longText.substr(0, 1027));
    EXPECT_EQ(bar.texts.Item(1).size(), 1027u);
    // A longer text sent to the window itself is read back whole.
    SendMessageA(bar.hwnd, SB_SETTEXTA, 0, (LPARAM)longText.c_str());
    EXPECT_EQ(std::string(bar.Text(0).CStr()), longText);
}

// The bar answers a text's length in 16 bits: 70,000 characters read as
// 4,464. Texts past that, wide or ANSI, come back whole, and so does every
// part after SetRaised gives each its text again.
TEST_F(StatusBarTest, TextsOfAnyLengthAreReadWhole)
{
    StatusBar bar("a;b", 1, parentControl, 2);
    const std::wstring wide(70000, L'w');
    SendMessageW(bar.hwnd, SB_SETTEXTW, 0, (LPARAM)wide.c_str());
    const std::string ansi(65536 * 2 + 5, 'n');
    SendMessageA(bar.hwnd, SB_SETTEXTA, 1, (LPARAM)ansi.c_str());
    EXPECT_EQ(bar.Text(0), std::string(70000, 'w'));
    EXPECT_EQ(bar.Text(1), ansi);
    bar.SetRaised(1, true);
    EXPECT_EQ(bar.Text(1), ansi.substr(0, kStatusPartTextLimit));
    EXPECT_EQ(bar.Text(0).size(), static_cast<std::size_t>(kStatusPartTextLimit));
}

TEST_F(StatusBarTest, ARaisedPartIsDrawnPoppedOutAndTheOthersKeepTheirTexts)
{
    StatusBar bar("left;middle;", BarId, parentControl, 3);
    bar.SetRaised(1, true);
    bar.SetRaised(2, true);
    std::pair<std::string, bool> expected[] = {{"left", false}, {"middle", true}, {"", true}};
    for (int part = 0; part < 3; ++part)
        EXPECT_EQ(Shown(bar.hwnd, part), expected[part]) << part;
    bar.SetText(1, "still raised");
    EXPECT_EQ(Shown(bar.hwnd, 1), std::make_pair(std::string("still raised"), true));
    bar.SetRaised(1, false);
    EXPECT_EQ(Shown(bar.hwnd, 1), std::make_pair(std::string("still raised"), false));
    bar.SetRaised(7, true);  // no such part: nothing changes
    EXPECT_EQ(bar.raised.size(), 3u);
}

}  // namespace
