// The main window's pictures own their bitmaps: every bitmap a picture stops
// showing is deleted, and the last ones go with their windows.
#include "main_window_fixture.h"

namespace {

HBITMAP Shown(HWND picture)
{
    return reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

TEST_F(MainWindowTest, StageAndResultBitmapsAreDeletedWhenReplaced)
{
    // Each turn loads the stage picture afresh; the one it replaces is gone.
    HBITMAP stage = gameWindow.stageBitmap;
    ASSERT_EQ(GetObjectType(stage), static_cast<DWORD>(OBJ_BITMAP));
    for (char wrong : std::string("ZQ")) {
        Letter(wrong);
        SCOPED_TRACE(wrong);
        EXPECT_EQ(GetObjectType(stage), 0u) << "the replaced stage bitmap is still there";
        ASSERT_NE(gameWindow.stageBitmap, stage);
        stage = gameWindow.stageBitmap;
        EXPECT_EQ(GetObjectType(stage), static_cast<DWORD>(OBJ_BITMAP));
        EXPECT_EQ(Shown(gameWindow.stageStatic), stage);
    }

    // Each result box loads its picture; it is gone when the box is.
    HBITMAP result = NULL;
    DWORD resultType = 0;
    auto lookAtPicture = [&](HWND) {
        result = gameWindow.resultBitmap;
        resultType = GetObjectType(result);
    };
    for (int word = 1; word <= 2; ++word) {
        SCOPED_TRACE(word);
        DialogAnswer won("Tuckle - Win", IDC_OKAY, GetCurrentProcessId(), 10000, lookAtPicture);
        Letter('O');
        Letter('X');
        ASSERT_TRUE(won.Wait());
        EXPECT_EQ(resultType, static_cast<DWORD>(OBJ_BITMAP));
        EXPECT_EQ(GetObjectType(result), 0u) << "the result bitmap outlived its box";
        EXPECT_EQ(gameWindow.resultBitmap, nullptr);
    }

    // The last stage bitmap goes with the main window.
    stage = gameWindow.stageBitmap;
    ASSERT_EQ(GetObjectType(stage), static_cast<DWORD>(OBJ_BITMAP));
    DestroyWindow(dialog);
    dialog = NULL;
    EXPECT_EQ(GetObjectType(stage), 0u) << "the stage bitmap outlived the main window";
}

} // namespace
