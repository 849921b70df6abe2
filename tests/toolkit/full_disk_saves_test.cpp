// Every toolkit save on a disk that fills up: the save says false and the
// file it would have replaced keeps its previous bytes, with nothing left
// beside it; with room again the same save succeeds.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "small_disk.h"
#include "wicker.h"

namespace {

class FullDiskSavesTest : public SmallDiskTest {
protected:
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        return names;
    }
};

// A picture of the given size, one colour per row so that no two files of
// different sizes hold the same bytes.
bool SavePicture(int side, const String& path)
{
    HDC screen = GetDC(NULL);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, side, side);
    ReleaseDC(NULL, screen);
    bool saved = SaveBitmapFile(bitmap, path);
    DeleteObject(bitmap);
    return saved;
}

bool SaveTips(int count, const String& path)
{
    TipsDialog dialog("", "Tips", Control(), false);
    for (int k = 0; k < count; ++k)
        dialog.AddTip("Tip", "Text of a tip.");
    return dialog.SaveTips(path, 1);
}

// An ellipse's region holds about one rectangle per row.
bool SaveRegion(int side, const String& path)
{
    RegionObject region;
    return region.Ellipse(side, side) && region.Save(path);
}

// A program's own save, as the README shows it.
bool SaveOwn(std::size_t count, const String& path)
{
    const std::string data(count, 'o');
    const char* bytes = data.data();
    ReplacingFile out(path);
    bool saved = out.Write(bytes, count) && out.Commit();
    return saved;
}

TEST_F(FullDiskSavesTest, FailedSaveKeepsThePreviousFile)
{
    // Each saves a small file, then one too big for the room the filler
    // leaves (the disk has 256 KB).
    const struct {
        const char* name;
        std::function<bool(const String&)> small, big;
    } saves[] = {
        {"picture.bmp", [](const String& p) { return SavePicture(8, p); },
         [](const String& p) { return SavePicture(120, p); }},
        {"tips.dat", [](const String& p) { return SaveTips(1, p); },
         [](const String& p) { return SaveTips(40, p); }},
        {"shape.rgn", [](const String& p) { return SaveRegion(8, p); },
         [](const String& p) { return SaveRegion(3000, p); }},
        {"own.dat", [](const String& p) { return SaveOwn(10, p); },
         [](const String& p) { return SaveOwn(100000, p); }},
    };
    for (const auto& save : saves) {
        SCOPED_TRACE(save.name);
        const String path = PathOf(save.name).c_str();
        ASSERT_TRUE(save.small(path));
        const std::string before = ReadBytes(path);
        ASSERT_FALSE(before.empty());

        Fill();
        EXPECT_FALSE(save.big(path));
        EXPECT_EQ(ReadBytes(path), before);
        std::vector<std::string> expected = {"filler", save.name};
        std::vector<std::string> names = Names();
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, expected) << "a save left something beside its file";

        Unfill();
        EXPECT_TRUE(save.big(path));
        EXPECT_GT(ReadBytes(path).size(), before.size());
        DeleteFileA(path.CStr());
    }
}

}  // namespace
