#include "small_disk.h"

#include <windows.h>

#include <vector>

#include "unix_command.h"

namespace {

// Room for a few small files: a tmpfs counts whole pages of 4 KB.
const char kDiskSize[] = "256k";

}  // namespace

void SmallDiskTest::SetUp()
{
    ScratchFolderTest::SetUp();
    unixFolder = UnixPathOf(folder.string());
    if (unixFolder.empty())
        GTEST_SKIP() << "no host path for the scratch folder (not under Wine)";
    std::string answer = RunUnixCommand("mount -t tmpfs -o size=" + std::string(kDiskSize) +
                                        " tmpfs '" + unixFolder + "' && echo mounted");
    mounted = answer.find("mounted") != std::string::npos;
    if (!mounted)
        GTEST_SKIP() << "cannot mount a small disk here (mounting needs root): " << answer;
}

void SmallDiskTest::TearDown()
{
    if (mounted)
        RunUnixCommand("umount '" + unixFolder + "' && echo unmounted");
    ScratchFolderTest::TearDown();
}

void SmallDiskTest::Fill()
{
    HANDLE filler = CreateFileA(PathOf("filler").c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, NULL);
    ASSERT_NE(filler, INVALID_HANDLE_VALUE);
    std::vector<char> block(4096, 'f');
    // Whole blocks first, then single bytes into the last page.
    for (DWORD size : {4096u, 1u}) {
        DWORD written = 0;
        while (WriteFile(filler, block.data(), size, &written, NULL) && written == size)
            ;
    }
    CloseHandle(filler);
}

void SmallDiskTest::Unfill()
{
    DeleteFileA(PathOf("filler").c_str());
}
