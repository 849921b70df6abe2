// The drive combo box fed by stand-in drives and a stand-in clock: its
// labels, icons and data, the refresh interval (across the tick count's
// wrap), the kept selection, and the one delayed refresh of WatchDrives.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "extended_combo_item.h"
#include "picture_test_resources.h"
#include "probe_parent.h"
#include "wicker.h"

namespace {

const int DriveBoxId = 404;

DWORD fakeNow = 0;
int driveReads = 0;
std::vector<std::string> fakeLetters, fakeLabels;
// The letter whose root has no icon.
std::string iconless;

DWORD FakeTick()
{
    return fakeNow;
}
StringList ListOf(const std::vector<std::string>& texts)
{
    StringList list;
    for (const std::string& text : texts)
        list.Add(text.c_str());
    return list;
}
StringList FakeDrives()
{
    ++driveReads;
    return ListOf(fakeLetters);
}
StringList FakeLabels()
{
    return ListOf(fakeLabels);
}
IconObject FakeIcon(const String& root)
{
    IconObject icon;
    if (root.CStr() != iconless + ":\\")
        icon.LoadResource(PICTURE_SUN_ICON);
    return icon;
}

class DriveComboBoxTest : public ProbeParentTest {
protected:
    DriveSource platform = {};

    void SetUp() override
    {
        ProbeParentTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        DriveSource fake = {FakeTick, FakeDrives, NULL, FakeLabels, FakeIcon};
        platform = SetDriveSource(fake);
        fakeNow = 100000;
        driveReads = 0;
        fakeLetters = {"C", "E", "F"};
        fakeLabels = {"System", "Data", ""};
        iconless.clear();
    }
    void TearDown() override
    {
        SetDriveSource(platform);
        ProbeParentTest::TearDown();
    }
};

struct ShownItem {
    std::string text;
    int image;
    LPARAM data;
};

ShownItem Shown(HWND box, int index)
{
    ExtendedComboItem item = ReadExtendedComboItem(box, index);
    if (!item.found)
        return {"<none>", -9, 0};
    EXPECT_EQ(item.selectedImage, item.image);
    return {item.text, item.image, SendMessageA(box, CB_GETITEMDATA, index, 0)};
}

TEST_F(DriveComboBoxTest, EachDriveShowsItsLabelLetterAndIcon)
{
    iconless = "E";
    DriveComboBox box("", DriveBoxId, 0, 0, 200, 150, parentControl, true, true, false, true);
    ASSERT_NE(box.hwnd, (HWND)NULL);
    EXPECT_EQ(driveReads, 1);
    const char* expected[] = {"System (C:)", "Data (E:)", " (F:)"};
    ASSERT_EQ(SendMessageA(box.hwnd, CB_GETCOUNT, 0, 0), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        ShownItem item = Shown(box.hwnd, i);
        EXPECT_EQ(item.text, expected[i]);
        EXPECT_EQ(item.image, i);
        EXPECT_EQ(item.data, -1);
    }
    // A drive without an icon keeps its place in the list of pictures.
    HIMAGELIST shown = (HIMAGELIST)SendMessageA(box.hwnd, CBEM_GETIMAGELIST, 0, 0);
    ASSERT_EQ(shown, box.icons.handle);
    EXPECT_EQ(ImageList_GetImageCount(shown), 3);
    EXPECT_EQ(box.DriveAt(1), "E:");
    EXPECT_EQ(box.DriveAt(3), "");
    EXPECT_EQ(box.DriveAt(-1), "");
}

TEST_F(DriveComboBoxTest, RefreshRebuildsOnlyAfterTheIntervalKeepingTheSelection)
{
    struct Case {
        DWORD last, now;
        bool rebuilt;
    } cases[] = {
        {100000, 100000, false},
        {100000, 101999, false},
        {100000, 102000, true},
        {0xFFFFF000, 0xFFFFF100, false},  // 256 ms, the sum past the wrap
        {0xFFFFFC00, 0x00000100, false},  // 1,280 ms across the wrap
        {0xFFFFFC00, 0x00000500, true},   // 2,304 ms across the wrap
    };
    DriveComboBox box("", DriveBoxId, 0, 0, 200, 150, parentControl);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.now);
        fakeNow = c.last;
        fakeLetters = {"C", "E", "F"};
        box.lastRefresh = 0;
        ASSERT_TRUE(box.Refresh());
        ASSERT_EQ(box.lastRefresh, c.last);
        ASSERT_TRUE(box.SetSelectedIndex(2));
        fakeLetters = {"C", "D", "E", "F"};
        fakeNow = c.now;
        int reads = driveReads;
        EXPECT_EQ(box.Refresh(), c.rebuilt);
        EXPECT_EQ(driveReads - reads, c.rebuilt ? 1 : 0);
        EXPECT_EQ(box.Count(), c.rebuilt ? 4 : 3);
        EXPECT_EQ(box.lastRefresh, c.rebuilt ? c.now : c.last);
        // The selected position outlives the rebuild.
        EXPECT_EQ(SendMessageA(box.hwnd, CB_GETCURSEL, 0, 0), 2);
    }
}

// Waits until the named timer is gone, at most a second.
bool TimerStops(const DriveComboBox& box)
{
    for (int i = 0; i < 100 && box.TimerId(kDrivesChangeTimer) != -1; ++i)
        PumpMessages(10);
    return box.TimerId(kDrivesChangeTimer) == -1;
}

TEST_F(DriveComboBoxTest, WatchDrivesRefreshesOnceWhenTheIntervalHasPassed)
{
    DriveComboBox box("", DriveBoxId, 0, 0, 200, 150, parentControl);
    // Sooner than the interval: the timer fires and stops, the list stays.
    fakeNow += 1000;
    EXPECT_TRUE(box.WatchDrives(20));
    EXPECT_FALSE(box.WatchDrives(20));
    EXPECT_TRUE(TimerStops(box));
    EXPECT_EQ(driveReads, 1);
    // Later than the interval: one rebuild, then the timer is gone.
    fakeNow += 1500;
    fakeLetters = {"C", "D"};
    EXPECT_TRUE(box.WatchDrives(20));
    EXPECT_TRUE(TimerStops(box));
    EXPECT_EQ(driveReads, 2);
    EXPECT_EQ(box.Count(), 2);
    PumpMessages(60);
    EXPECT_EQ(driveReads, 2);
}

TEST_F(DriveComboBoxTest, ADestroyedBoxLeavesItsWindowWorking)
{
    HWND window = NULL;
    {
        DriveComboBox box("", DriveBoxId, 0, 0, 200, 150, parentControl);
        window = box.hwnd;
        fakeNow += 5000;
        ASSERT_TRUE(box.WatchDrives(10));
    }
    // The watch stopped with the box, and the window still shows the drives.
    PumpMessages(60);
    EXPECT_EQ(driveReads, 1);
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(Shown(window, 1).text, "Data (E:)");
    HIMAGELIST shown = (HIMAGELIST)SendMessageA(window, CBEM_GETIMAGELIST, 0, 0);
    EXPECT_EQ(ImageList_GetImageCount(shown), 3);
    SendMessageA(window, WM_TIMER, 1, 0);
    EXPECT_EQ(driveReads, 1);
}

TEST(DriveSourceTest, ThePlatformsDrivesAreListed)
{
    DriveSource source = PlatformDriveSource();
    StringList drives = source.drives();
    ASSERT_GT(drives.Count(), 0);
    EXPECT_EQ(source.volumeNames().Count(), drives.Count());
    EXPECT_NE(source.tickCount(), 0u);
}

}  // namespace
