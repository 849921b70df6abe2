#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "picture_files.h"
#include "picture_test_resources.h"
#include "probe_parent.h"
#include "scratch_folder.h"
#include "wicker.h"
#include "window_attributes.h"

#include <commctrl.h>

namespace {

class PictureBoxTest : public WithProbeParent<ScratchFolderTest> {
protected:
    void SetUp() override
    {
        WithProbeParent::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        tilePath = PathOf("red.bmp");
        ASSERT_TRUE(WriteResourceFile(PICTURE_RED_BMP, tilePath));
    }

    std::string tilePath;
};

// One LVM_SETBKIMAGEA as a subclassed list view received it, with its answer.
struct SentBackground {
    ULONG flags;
    HBITMAP bitmap;
    std::string source;
    int xOffset;
    int yOffset;
    LRESULT answer;
};

std::vector<SentBackground> sent;
WNDPROC listViewProc = NULL;

LRESULT CALLBACK RecordBackground(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CallWindowProcA(listViewProc, window, message, wParam, lParam);
    if (message == LVM_SETBKIMAGEA) {
        const LVBKIMAGEA* image = reinterpret_cast<const LVBKIMAGEA*>(lParam);
        sent.push_back(SentBackground{image->ulFlags, image->hbm,
                                      image->pszImage != NULL ? image->pszImage : "",
                                      image->xOffsetPercent, image->yOffsetPercent, result});
    }
    return result;
}

// Records every background change of the list view from now on.
void WatchBackground(HWND listView)
{
    sent.clear();
    listViewProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(listView, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordBackground)));
}

// The source address the list view itself reports (LVM_GETBKIMAGEA).
std::string HeldSource(HWND listView)
{
    char source[MAX_PATH * 2] = "";
    LVBKIMAGEA image;
    ZeroMemory(&image, sizeof image);
    image.ulFlags = LVBKIF_SOURCE_MASK;
    image.pszImage = source;
    image.cchImageMax = sizeof source;
    SendMessageA(listView, LVM_GETBKIMAGEA, 0, reinterpret_cast<LPARAM>(&image));
    return source;
}

// Wine's list view takes no picture address (LVBKIF_SOURCE_URL) and refuses
// every one; Windows decodes files and "res://" addresses.
bool RunningOnWine()
{
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != NULL;
}

std::string ProgramResource(int kindNumber, int resourceId)
{
    return "res://" + std::string(App.FileName.Read().CStr()) + "/#" + std::to_string(kindNumber) +
           "/#" + std::to_string(resourceId);
}

TEST(PictureResourceSourceTest, AddressesNameModuleKindAndNumber)
{
    EXPECT_EQ(PictureResourceSource("C:\\games\\tuckle.exe", 5, kPictureBitmapResource),
              "res://C:\\games\\tuckle.exe/#2/#5");
    EXPECT_EQ(PictureResourceSource("C:\\games\\tuckle.exe", 5, kPictureIconResource),
              "res://C:\\games\\tuckle.exe/#3/#5");
    // Every kind but a bitmap is an icon.
    EXPECT_EQ(PictureResourceSource("m.dll", 1234567, 7), "res://m.dll/#3/#1234567");
    EXPECT_EQ(PictureResourceSource("m.dll", -2, 1), "res://m.dll/#2/#-2");
}

TEST_F(PictureBoxTest, CreatesAShownListViewWithoutBackgroundColours)
{
    PictureBox box(41, String(tilePath.c_str()), 12, 14, 120, 90, parentControl, WS_EX_CLIENTEDGE);
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_EQ(box.id, 41);
    EXPECT_EQ(box.parent, probe);
    EXPECT_EQ(GetDlgCtrlID(box.hwnd), 41);
    EXPECT_EQ(WindowClass(box.hwnd), "SysListView32");
    EXPECT_EQ(WindowText(box.hwnd), "PictureBox");

    LONG style = GetWindowLongA(box.hwnd, GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_TABSTOP | WS_VISIBLE), WS_CHILD | WS_TABSTOP | WS_VISIBLE);
    EXPECT_EQ(style & (WS_BORDER | WS_CAPTION | WS_POPUP), 0);
    EXPECT_TRUE(WindowExStyle(box.hwnd) & WS_EX_CLIENTEDGE);
    RECT place = RectInParent(box.hwnd);
    EXPECT_EQ(place.left, 12);
    EXPECT_EQ(place.top, 14);
    EXPECT_EQ(place.right - place.left, 120);
    EXPECT_EQ(place.bottom - place.top, 90);

    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(box.hwnd, LVM_GETBKCOLOR, 0, 0)), CLR_NONE);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(box.hwnd, LVM_GETTEXTBKCOLOR, 0, 0)), CLR_NONE);
}

TEST_F(PictureBoxTest, SettersSendTheSourceWithTheirFlags)
{
    PictureBox box(42, String(), 0, 0, 100, 100, parentControl, 0);
    ASSERT_NE(box.hwnd, nullptr);
    WatchBackground(box.hwnd);

    const struct {
        bool accepted;
        ULONG flags;
        std::string source;
    } cases[] = {
        {box.SetPicture(String(tilePath.c_str()), true), LVBKIF_SOURCE_URL | LVBKIF_STYLE_TILE,
         tilePath},
        {box.SetPicture(String(tilePath.c_str()), false), LVBKIF_SOURCE_URL, tilePath},
        {box.SetPictureResource(PICTURE_TILE_BITMAP, kPictureBitmapResource),
         LVBKIF_SOURCE_URL | LVBKIF_STYLE_TILE, ProgramResource(2, PICTURE_TILE_BITMAP)},
        {box.SetPictureResource(PICTURE_SUN_ICON, kPictureIconResource),
         LVBKIF_SOURCE_URL | LVBKIF_STYLE_TILE, ProgramResource(3, PICTURE_SUN_ICON)},
        {box.SetPictureFromModule(String("C:\\other\\pictures.dll"), 9, 1),
         LVBKIF_SOURCE_URL | LVBKIF_STYLE_TILE, "res://C:\\other\\pictures.dll/#2/#9"},
    };
    ASSERT_EQ(sent.size(), 5u);
    for (size_t i = 0; i < sent.size(); ++i) {
        SCOPED_TRACE(cases[i].source);
        EXPECT_EQ(sent[i].flags, cases[i].flags);
        EXPECT_EQ(sent[i].source, cases[i].source);
        EXPECT_EQ(sent[i].bitmap, nullptr);
        EXPECT_EQ(sent[i].xOffset, 0);
        EXPECT_EQ(sent[i].yOffset, 0);
        // The setter reports exactly what the list view answered.
        EXPECT_EQ(cases[i].accepted, sent[i].answer != 0);
    }
    SetWindowLongPtrA(box.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listViewProc));
}

TEST_F(PictureBoxTest, AcceptedPicturesBecomeTheBackground)
{
    PictureBox box(42, String(), 0, 0, 100, 100, parentControl, 0);
    ASSERT_NE(box.hwnd, nullptr);
    if (RunningOnWine()) {
        // A refused picture is reported as refused and changes nothing.
        EXPECT_FALSE(box.SetPicture(String(tilePath.c_str()), true));
        EXPECT_FALSE(box.SetPictureResource(PICTURE_TILE_BITMAP, kPictureBitmapResource));
        EXPECT_EQ(HeldSource(box.hwnd), "");
        GTEST_SKIP() << "Wine's list view takes no picture address (LVBKIF_SOURCE_URL)";
    }
    EXPECT_TRUE(box.SetPicture(String(tilePath.c_str()), true));
    EXPECT_EQ(HeldSource(box.hwnd), tilePath);
    EXPECT_TRUE(box.SetPictureResource(PICTURE_TILE_BITMAP, kPictureBitmapResource));
    EXPECT_EQ(HeldSource(box.hwnd), ProgramResource(2, PICTURE_TILE_BITMAP));
    // A refused picture leaves the background as it was.
    EXPECT_FALSE(box.SetPictureFromModule(String("C:\\nowhere\\none.dll"), 9, 1));
    EXPECT_EQ(HeldSource(box.hwnd), ProgramResource(2, PICTURE_TILE_BITMAP));
}

// Sources of every LVM_SETBKIMAGEA sent on this thread while a hook is set.
std::vector<std::string> hookedSources;

LRESULT CALLBACK RecordSentBackground(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == LVM_SETBKIMAGEA) {
        const LVBKIMAGEA* image = reinterpret_cast<const LVBKIMAGEA*>(call->lParam);
        hookedSources.push_back(image->pszImage != NULL ? image->pszImage : "");
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}

TEST_F(PictureBoxTest, ResourceConstructorAsksForTheProgramsBitmap)
{
    hookedSources.clear();
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordSentBackground, NULL, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    PictureBox box(43, PICTURE_TILE_BITMAP, 5, 5, 64, 64, parentControl, 0);
    UnhookWindowsHookEx(hook);
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_TRUE(WindowStyle(box.hwnd) & WS_VISIBLE);
    // Only the resource: the empty path is not offered to the list view.
    ASSERT_EQ(hookedSources.size(), 1u);
    EXPECT_EQ(hookedSources[0], ProgramResource(2, PICTURE_TILE_BITMAP));
    if (RunningOnWine())
        GTEST_SKIP() << "Wine's list view takes no picture address (LVBKIF_SOURCE_URL)";
    EXPECT_EQ(HeldSource(box.hwnd), ProgramResource(2, PICTURE_TILE_BITMAP));
}

TEST_F(PictureBoxTest, WithoutAWindowTheSettersFail)
{
    Control nowhere;
    nowhere.hwnd = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7654));
    PictureBox box(44, String(), 0, 0, 10, 10, nowhere, 0);
    EXPECT_EQ(box.hwnd, nullptr);
    EXPECT_FALSE(box.SetPicture(String(tilePath.c_str()), true));
    EXPECT_FALSE(box.SetPictureResource(PICTURE_TILE_BITMAP, kPictureBitmapResource));
}

}  // namespace
