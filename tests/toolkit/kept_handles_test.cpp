// Every slot of the handles a window keeps: read back after it is set,
// replaced and cleared, and each handle released exactly once, the last one
// by the window's end. The releases are counted through a stand-in (a handle
// released twice looks like one released once to the platform), so the
// handles here are made-up values that nothing else uses.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <utility>

#include "foundation/kept_handles.h"

namespace {

std::map<std::pair<int, HANDLE>, int> releases;

void CountRelease(KeptSlot slot, HANDLE handle)
{
    ++releases[{slot, handle}];
}

HANDLE Fake(int slot, int which)
{
    return reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(0x7000 + slot * 16 + which));
}

TEST(KeptHandlesTest, EverySlotReadsBackAndReleasesEachHandleOnce)
{
    KeptHandleReleaser own = SetKeptHandleReleaser(CountRelease);
    releases.clear();
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                  GetModuleHandleA(NULL), NULL);
    ASSERT_NE(window, nullptr);
    for (int slot = 0; slot < kKeptSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        const KeptSlot s = static_cast<KeptSlot>(slot);
        const HANDLE first = Fake(slot, 1), second = Fake(slot, 2), last = Fake(slot, 3),
                     taken = Fake(slot, 4);
        EXPECT_EQ(KeptWithWindow(window, s), nullptr);
        ASSERT_TRUE(KeepWithWindow(window, s, first));
        EXPECT_EQ(KeptWithWindow(window, s), first);
        ASSERT_TRUE(KeepWithWindow(window, s, first));  // the same again: kept, not released
        EXPECT_EQ((releases[{slot, first}]), 0);
        ASSERT_TRUE(KeepWithWindow(window, s, second));
        EXPECT_EQ(KeptWithWindow(window, s), second);
        EXPECT_EQ((releases[{slot, first}]), 1);
        ASSERT_TRUE(KeepWithWindow(window, s, NULL));
        EXPECT_EQ(KeptWithWindow(window, s), nullptr) << "a cleared slot still names its handle";
        EXPECT_EQ((releases[{slot, second}]), 1);
        ASSERT_TRUE(KeepWithWindow(window, s, taken));
        EXPECT_EQ(TakeFromWindow(window, s), taken);
        EXPECT_EQ(KeptWithWindow(window, s), nullptr);
        ASSERT_TRUE(KeepWithWindow(window, s, last));
    }
    DestroyWindow(window);
    for (int slot = 0; slot < kKeptSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        for (int which = 1; which <= 3; ++which)
            EXPECT_EQ((releases[{slot, Fake(slot, which)}]), 1) << "handle " << which;
        EXPECT_EQ((releases[{slot, Fake(slot, 4)}]), 0) << "a taken handle is the taker's";
    }
    // Without a window the handle is released at once, so it cannot leak.
    EXPECT_FALSE(KeepWithWindow(NULL, kKeptFont, Fake(0, 9)));
    EXPECT_EQ((releases[{kKeptFont, Fake(0, 9)}]), 1);
    SetKeptHandleReleaser(own);
}

}  // namespace
