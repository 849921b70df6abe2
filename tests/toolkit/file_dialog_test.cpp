// The open and save dialogs of FileDialog, answered from a helper thread as a
// user would: the filter bytes handed over, the chosen path, cancelling, and
// initial names longer than the file buffer.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "common_dialogs.h"
#include "dialog_answer.h"
#include "scratch_folder.h"
#include "wicker.h"

namespace {

// The bytes of a literal, its embedded zeros included.
#define LITERAL_BYTES(text) std::string(text, sizeof(text) - 1)

std::string Bytes(const std::vector<char>& buffer)
{
    return std::string(buffer.begin(), buffer.end());
}

TEST(FileDialogFilter, BytesHandedToTheDialogs)
{
    struct Case {
        std::vector<FileFilter> filters;
        std::string bytes;
    };
    const Case cases[] = {
        {{}, LITERAL_BYTES("\0")},
        {{{"Text", "*.txt,*.log"}}, LITERAL_BYTES("Text\0*.txt;*.log\0\0")},
        {{{"All Files (*.*)", "*.*"}, {"Pictures", "*.bmp;*.ico"}},
         LITERAL_BYTES("All Files (*.*)\0*.*\0Pictures\0*.bmp;*.ico\0\0")},
        // "#" ends a field wherever it stands.
        {{{"A#B", "*.a"}}, LITERAL_BYTES("A\0B\0*.a\0\0")},
    };
    for (const Case& c : cases) {
        FileDialog dialog;
        for (const FileFilter& filter : c.filters)
            dialog.AddFilter(filter.description, filter.patterns);
        dialog.BuildFilter();
        EXPECT_EQ(Bytes(dialog.filterBuffer), c.bytes);
    }
    FileDialog dialog;
    dialog.AddFilter("Text", "*.txt,*.log");
    dialog.BuildFilter();
    // The list keeps the patterns as the dialog was given them.
    EXPECT_EQ(dialog.filters[0].patterns, String("*.txt;*.log"));
}

TEST(FileDialogRecord, SizesOfThePlatformRecords)
{
    EXPECT_EQ(kFileDialogRecordSize, static_cast<DWORD>(OPENFILENAME_SIZE_VERSION_400A));
    EXPECT_EQ(kNotifyIconRecordSize, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE));
}

class FileDialogTest : public ScratchFolderTest {
protected:
    std::string existing;

    void SetUp() override
    {
        ScratchFolderTest::SetUp();
        existing = PathOf("chosen.txt");
        WriteBytes(existing, "x");
    }
};

TEST_F(FileDialogTest, OpenReturnsTheTypedNameOfAnExistingFile)
{
    FileDialog dialog;
    dialog.AddFilter("Text", "*.txt");
    DialogAnswer answer("Open", IDOK, GetCurrentProcessId(), 10000,
                        [&](HWND box) { TypeFileName(box, existing); });
    EXPECT_TRUE(dialog.Open(""));
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(lstrcmpiA(dialog.FileName.CStr(), existing.c_str()), 0) << dialog.FileName.CStr();
    EXPECT_EQ(dialog.record.lStructSize, kFileDialogRecordSize);
    EXPECT_EQ(dialog.record.Flags & kOpenDialogFlags, kOpenDialogFlags);
}

TEST_F(FileDialogTest, CancelledDialogsLeaveTheFileNameAsItWas)
{
    FileDialog dialog;
    dialog.FileName = "before";
    {
        DialogAnswer answer("Open", IDCANCEL, GetCurrentProcessId());
        EXPECT_FALSE(dialog.Open("initial.txt"));
        ASSERT_TRUE(answer.Wait());
    }
    {
        DialogAnswer answer("Save As", IDCANCEL, GetCurrentProcessId());
        EXPECT_FALSE(dialog.Save("initial.txt"));
        ASSERT_TRUE(answer.Wait());
    }
    EXPECT_EQ(dialog.FileName, String("before"));
}

TEST_F(FileDialogTest, SaveOpensOnTheInitialNameAndReturnsIt)
{
    FileDialog dialog;
    const std::string target = PathOf("new.txt");
    std::string shown;
    DialogAnswer answer("Save As", IDOK, GetCurrentProcessId(), 10000,
                        [&](HWND box) { shown = WindowText(FileNameField(box)); });
    EXPECT_TRUE(dialog.Save(target.c_str()));
    ASSERT_TRUE(answer.Wait());
    EXPECT_NE(shown.find("new.txt"), std::string::npos) << shown;
    EXPECT_EQ(lstrcmpiA(dialog.FileName.CStr(), target.c_str()), 0) << dialog.FileName.CStr();
    // The dialog adds bits of its own on return.
    EXPECT_EQ(dialog.record.Flags & kSaveDialogFlags, kSaveDialogFlags);
}

TEST_F(FileDialogTest, InitialNamesLongerThanTheBufferAreCutToIt)
{
    for (int length : {259, 260, 300, 5000}) {
        SCOPED_TRACE(length);
        FileDialog dialog;
        dialog.AddFilter("Text", "*.txt");
        const String name(std::string(static_cast<size_t>(length), 'n').c_str());
        std::string shown;
        DialogAnswer answer("Open", IDCANCEL, GetCurrentProcessId(), 10000,
                            [&](HWND box) { shown = WindowText(FileNameField(box)); });
        EXPECT_FALSE(dialog.Open(name));
        ASSERT_TRUE(answer.Wait());
        EXPECT_EQ(std::strlen(dialog.fileBuffer), 259u);
        EXPECT_LE(shown.size(), 259u);
        // What follows the buffer is untouched.
        ASSERT_EQ(dialog.filters.size(), 1u);
        EXPECT_EQ(dialog.filters[0].description, String("Text"));
        EXPECT_EQ(Bytes(dialog.filterBuffer), LITERAL_BYTES("Text\0*.txt\0\0"));
    }
}

}  // namespace
