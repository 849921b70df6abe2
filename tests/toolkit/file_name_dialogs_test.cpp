// The one-call open and save dialogs, answered from a helper thread.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "common_dialogs.h"
#include "dialog_answer.h"
#include "scratch_folder.h"
#include "wicker.h"

namespace {

class FileNameDialogsTest : public ScratchFolderTest {};

TEST_F(FileNameDialogsTest, OpenAndSaveReturnTheTypedPathsWithAnyFilterEnding)
{
    const std::string existing = PathOf("old.txt");
    WriteBytes(existing, "x");
    // A filter cut short of its closing zeros, with more fields in the bytes
    // right behind it, which the dialog must not read.
    String cut("Text\0*.txt\0Junk\0*.j\0", 21);
    cut.resize(10);
    const String closed("Text\0*.txt\0", 11);
    const String none("");
    // By pointer: a copy of `cut` would not carry the bytes behind it.
    struct Case {
        const String* filter;
        int types;
    };
    const Case cases[] = {{&closed, 1}, {&cut, 1}, {&none, 0}};
    for (const Case& c : cases) {
        const String& filter = *c.filter;
        SCOPED_TRACE(filter.size());
        String path("unchanged");
        std::string field = "?";
        int types = -1;
        DialogAnswer open("Open", IDOK, GetCurrentProcessId(), 10000, [&](HWND box) {
            field = WindowText(FileNameField(box));
            // The "Files of type" list (cmb1).
            types = static_cast<int>(SendDlgItemMessageA(box, 0x470, CB_GETCOUNT, 0, 0));
            TypeFileName(box, existing);
        });
        EXPECT_TRUE(OpenFileName(NULL, path, filter));
        ASSERT_TRUE(open.Wait());
        EXPECT_EQ(field, "");
        EXPECT_EQ(types, c.types);
        EXPECT_EQ(lstrcmpiA(path.CStr(), existing.c_str()), 0) << path.CStr();

        DialogAnswer save("Save As", IDOK, GetCurrentProcessId(), 10000,
                          [&](HWND box) { TypeFileName(box, PathOf("fresh")); });
        EXPECT_TRUE(SaveFileName(NULL, path, filter, "txt"));
        ASSERT_TRUE(save.Wait());
        // The default extension is added to a name typed without one.
        EXPECT_EQ(lstrcmpiA(path.CStr(), PathOf("fresh.txt").c_str()), 0) << path.CStr();
    }
}

TEST_F(FileNameDialogsTest, CancelLeavesThePathAlone)
{
    String path("unchanged");
    DialogAnswer open("Open", IDCANCEL, GetCurrentProcessId());
    EXPECT_FALSE(OpenFileName(NULL, path, String("All\0*.*\0", 8)));
    ASSERT_TRUE(open.Wait());
    DialogAnswer save("Save As", IDCANCEL, GetCurrentProcessId());
    EXPECT_FALSE(SaveFileName(NULL, path, "", ""));
    ASSERT_TRUE(save.Wait());
    EXPECT_EQ(path, String("unchanged"));
}

}  // namespace
