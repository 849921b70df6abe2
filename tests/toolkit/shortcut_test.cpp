#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "scratch_folder.h"
#include "wicker.h"

namespace {

// What a shortcut file holds, read back through the shell link object.
struct LinkContents {
    bool loaded = false;
    std::string path, arguments, workingDirectory, iconPath;
    int iconIndex = -1;
    int showCommand = -1;
};

LinkContents ReadLink(const std::string& file)
{
    LinkContents contents;
    HRESULT started = CoInitialize(NULL);
    IShellLinkA* link = NULL;
    IPersistFile* persist = NULL;
    WCHAR wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        SUCCEEDED(persist->Load(wide, STGM_READ))) {
        contents.loaded = true;
        char text[1024] = {};
        link->GetPath(text, sizeof text, NULL, SLGP_RAWPATH);
        contents.path = text;
        link->GetArguments(text, sizeof text);
        contents.arguments = text;
        link->GetWorkingDirectory(text, sizeof text);
        contents.workingDirectory = text;
        link->GetIconLocation(text, sizeof text, &contents.iconIndex);
        contents.iconPath = text;
        link->GetShowCmd(&contents.showCommand);
    }
    if (persist)
        persist->Release();
    if (link)
        link->Release();
    if (SUCCEEDED(started))
        CoUninitialize();
    return contents;
}

class ShortcutTest : public ScratchFolderTest {};

TEST_F(ShortcutTest, ShortcutIsWrittenAndReadsBack)
{
    std::string target = PathOf("target.exe");
    WriteBytes(target, "MZ");
    std::string file = PathOf("target.lnk");
    ASSERT_TRUE(System.CreateShortcut(target.c_str(), file.c_str(), "--page \"two words\" -x",
                                      folder.string().c_str()));

    LinkContents link = ReadLink(file);
    ASSERT_TRUE(link.loaded);
    EXPECT_EQ(link.path, target);
    EXPECT_EQ(link.arguments, "--page \"two words\" -x");
    EXPECT_EQ(link.workingDirectory, folder.string());
    EXPECT_EQ(link.iconPath, target);
    EXPECT_EQ(link.iconIndex, 0);
    EXPECT_EQ(link.showCommand, SW_SHOWNORMAL);
}

// A shortcut path the save cannot take leaves no file and reports failure.
TEST_F(ShortcutTest, UnwritablePathsReportFailure)
{
    std::string target = PathOf("target.exe");
    std::string tooLong = PathOf(std::string(300, 'n') + ".lnk");
    EXPECT_FALSE(System.CreateShortcut(target.c_str(), tooLong.c_str(), "", ""));
    EXPECT_FALSE(System.CreateShortcut(target.c_str(), PathOf("missing\\folder\\x.lnk").c_str(), "", ""));
    EXPECT_EQ(GetFileAttributesA(PathOf("missing").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
