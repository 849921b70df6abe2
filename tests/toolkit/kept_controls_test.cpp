// Holders of other controls (a tab page's control, a control group's
// members) keep the controls' windows, not their wrappers: a wrapper may be
// moved by a growing vector or destroyed while its window lives on, and the
// memory it stood in then holds something else.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <new>
#include <vector>

#include "probe_parent.h"
#include "wicker.h"

namespace {

class KeptControlsTest : public ProbeParentTest {
protected:
    KeptControlsTest() : ProbeParentTest(400, 300) {}
    void SetUp() override
    {
        ProbeParentTest::SetUp();
        ShowWindow(probe, SW_SHOW);
    }
};

// One option control per page, the wrappers kept in a vector that grows (and
// moves them) with every page: selecting each page shows its own option.
TEST_F(KeptControlsTest, PagesFollowTheirControlsWhereverTheWrappersMove)
{
    Tab tab("", 1, 0, 0, 380, 280, parentControl);
    std::vector<CheckBox> options;
    std::vector<TabPage> pages;
    for (int k = 0; k < 6; ++k) {
        pages.push_back(tab.AddPage("Page"));
        options.emplace_back("Option", 10 + k, 0, 0, 100, 20, parentControl);
        pages.back().AttachControl(options.back());
    }
    std::vector<HWND> windows;
    for (const CheckBox& option : options)
        windows.push_back(option.hwnd);
    options.clear();  // every wrapper gone; the windows stay
    for (size_t selected = 0; selected < pages.size(); ++selected) {
        pages[selected].Select();
        for (size_t k = 0; k < windows.size(); ++k)
            EXPECT_EQ(IsWindowVisible(windows[k]) != FALSE, k == selected) << selected << " " << k;
    }
    EXPECT_TRUE(pages[2].Delete());
    EXPECT_FALSE(IsWindow(windows[2]));
    EXPECT_TRUE(IsWindow(windows[3]));
}

// The wrapper is destroyed and another wrapper, of another window, is made
// in the very same memory: whatever the holder does afterwards reaches the
// first window, and never the second.
TEST_F(KeptControlsTest, HoldersActOnTheirOwnWindowWhateverTheWrapperMemoryHolds)
{
    Tab tab("", 1, 0, 0, 380, 280, parentControl);
    const struct {
        const char* holder;
        // Takes the control into the holder and gives back what to do later.
        std::function<std::function<void()>(Button&)> keep;
        // What that does to the kept window: destroyed, or hidden.
        bool destroys;
    } holders[] = {
        {"tab page Delete",
         [&](Button& b) {
             auto page = std::make_shared<TabPage>(tab.AddPage("Page"));
             page->AttachControl(b);
             return [page] { page->Delete(); };
         },
         true},
        {"tab page HideControl",
         [&](Button& b) {
             auto page = std::make_shared<TabPage>(tab.AddPage("Page"));
             page->AttachControl(b);
             page->Select();
             return [page] { page->HideControl(); };
         },
         false},
        {"control group HideAll",
         [&](Button& b) {
             auto group = std::make_shared<ControlGroup>();
             group->Add(b);
             return [group] { group->HideAll(); };
         },
         false},
    };
    for (const auto& h : holders) {
        SCOPED_TRACE(h.holder);
        alignas(Button) unsigned char memory[sizeof(Button)];
        Button* first = new (memory) Button("First", 20, 0, 0, 80, 20, parentControl);
        const HWND kept = first->hwnd;
        ShowWindow(kept, SW_SHOW);
        std::function<void()> later = h.keep(*first);
        first->~Button();
        Button* second = new (memory) Button("Second", 21, 0, 0, 80, 20, parentControl);
        const HWND other = second->hwnd;
        ShowWindow(other, SW_SHOW);
        later();
        EXPECT_TRUE(IsWindow(other));
        EXPECT_TRUE(IsWindowVisible(other)) << "the holder acted on the wrapper's new window";
        if (h.destroys)
            EXPECT_FALSE(IsWindow(kept));
        else
            EXPECT_FALSE(IsWindowVisible(kept));
        second->~Button();
        DestroyWindow(other);
        DestroyWindow(kept);
    }
}

}  // namespace
