#include "scratch_folder.h"

#include <cctype>
#include <cstdio>

namespace {

// The file dialogs make the folder they last showed the process's current
// one, and a current folder cannot be removed: step out of it first.
void LeaveFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::string current = std::filesystem::current_path(error).string();
    std::string inside = folder.string();
    if (error || current.size() < inside.size())
        return;
    for (std::size_t i = 0; i < inside.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(current[i])) !=
            std::tolower(static_cast<unsigned char>(inside[i])))
            return;
    }
    std::filesystem::current_path(folder.parent_path(), error);
}

}  // namespace

void ScratchFolderTest::SetUp()
{
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::temp_directory_path() /
             ("wicker_" + std::string(info->test_suite_name()) + "_" + info->name());
    LeaveFolder(folder);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
}

void ScratchFolderTest::TearDown()
{
    LeaveFolder(folder);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

std::string ScratchFolderTest::PathOf(const std::string& name) const
{
    return (folder / name).string();
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::string ReadBytes(const std::string& path)
{
    std::string bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return bytes;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    std::fclose(file);
    return bytes;
}
