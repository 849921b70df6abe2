// Checks the assembled game folder (dist/) the way the game will meet it:
// the subject list and word lists read by the game's own readers, every word
// picture decoded by the system's picture decoder, the stage and result
// bitmaps loaded as the game loads them, and the files beside them.
//
// Argument: the Unix path of the game folder.

#include "subject_list.h"
#include "unix_command.h"
#include "word_list.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string g_folder;  // the game folder, as a Windows path

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    if (file) bytes << file.rdbuf();
    return bytes.str();
}

// The checks a line-based data file must pass besides what the readers see:
// the readers silently cut long lines and drop an unterminated last record.
void ExpectWellFormedRecords(const std::string& name)
{
    std::string text = ReadFile(name);
    ASSERT_FALSE(text.empty()) << name;
    EXPECT_EQ('\n', text.back()) << name << ": the last line has no line break";
    std::istringstream lines(text);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        EXPECT_LE(line.size(), 59u) << name << " line " << count;
        EXPECT_FALSE(line.empty()) << name << " line " << count << " is blank";
    }
    EXPECT_EQ(0, count % 2) << name << ": odd number of lines";
}

struct BitmapHeader {
    bool valid = false;
    long width = 0, height = 0;
    int bits = 0;
    DWORD compression = 0;
};

BitmapHeader ReadBitmapHeader(const std::string& name)
{
    BitmapHeader header;
    std::string bytes = ReadFile(name);
    if (bytes.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return header;
    auto file = reinterpret_cast<const BITMAPFILEHEADER*>(bytes.data());
    auto info = reinterpret_cast<const BITMAPINFOHEADER*>(bytes.data() + sizeof(BITMAPFILEHEADER));
    header.valid = file->bfType == 0x4D42 && file->bfSize == bytes.size();
    header.width = info->biWidth;
    header.height = info->biHeight < 0 ? -info->biHeight : info->biHeight;
    header.bits = info->biBitCount;
    header.compression = info->biCompression;
    return header;
}

// Size in pixels of a picture decoded as the toolkit's Image decodes it
// (OleLoadPicture); {0, 0} when it cannot be decoded.
SIZE DecodedSize(const std::string& path)
{
    SIZE size = {0, 0};
    std::string bytes = ReadFile(path);
    if (bytes.empty()) return size;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory) return size;
    std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return size;
    }
    IPicture* picture = nullptr;
    if (SUCCEEDED(OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                                 reinterpret_cast<void**>(&picture)))) {
        OLE_XSIZE_HIMETRIC width = 0;
        OLE_YSIZE_HIMETRIC height = 0;
        picture->get_Width(&width);
        picture->get_Height(&height);
        HDC screen = GetDC(nullptr);
        size.cx = MulDiv(width, GetDeviceCaps(screen, LOGPIXELSX), 2540);
        size.cy = MulDiv(height, GetDeviceCaps(screen, LOGPIXELSY), 2540);
        ReleaseDC(nullptr, screen);
        picture->Release();
    }
    stream->Release();
    return size;
}

bool IsPictureFormatOfWindows(const std::string& path)
{
    std::string head = ReadFile(path).substr(0, 4);
    return head.compare(0, 3, "\xFF\xD8\xFF") == 0 || head.compare(0, 4, "GIF8") == 0 ||
           head.compare(0, 2, "BM") == 0;
}

class GameFolderTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        OleInitialize(nullptr);
        GetCurrentDirectoryA(MAX_PATH, s_previous);
    }
    static void TearDownTestSuite() { OleUninitialize(); }

    // The game runs with its own folder as the current directory.
    void SetUp() override { ASSERT_TRUE(SetCurrentDirectoryA(g_folder.c_str())) << g_folder; }
    void TearDown() override { SetCurrentDirectoryA(s_previous); }

    static char s_previous[MAX_PATH];
};

char GameFolderTest::s_previous[MAX_PATH];

TEST_F(GameFolderTest, SubjectListIsWellFormed)
{
    ExpectWellFormedRecords("tuckle.ini");
}

TEST_F(GameFolderTest, EverySubjectHasTwentyWordsWithPicturesTheGameCanShow)
{
    auto game = std::make_unique<GameState>();
    ASSERT_EQ(ListLoaded, LoadSubjectList(*game));
    EXPECT_GE(game->subjectCount, 5);

    bool phraseWithSpace = false, wordWithHyphen = false;
    for (int n = 1; n <= game->subjectCount; ++n) {
        SelectSubject(*game, n);
        std::string folder = game->subjectFolder;
        SCOPED_TRACE(folder);
        ExpectWellFormedRecords(folder + "\\data.txt");
        ASSERT_EQ(ListLoaded, LoadWordList(*game));
        EXPECT_GE(game->wordCount, 20);

        std::set<std::string> words;
        for (int i = 1; i <= game->wordCount; ++i) {
            std::string word = game->wordTable[i];
            std::string picture = folder + "\\" + game->pictureTable[i];
            EXPECT_TRUE(words.insert(word).second) << "twice: " << word;
            for (char c : word) {
                EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(c)) || c == ' ' || c == '-')
                    << word;
            }
            phraseWithSpace = phraseWithSpace || word.find(' ') != std::string::npos;
            wordWithHyphen = wordWithHyphen || word.find('-') != std::string::npos;

            // Real Windows decodes JPEG, GIF and BMP but not PNG.
            EXPECT_TRUE(IsPictureFormatOfWindows(picture)) << picture;
            SIZE size = DecodedSize(picture);
            EXPECT_GT(size.cx, 0) << picture;
            // The word picture is shown unscaled in a 245 x 235 control.
            EXPECT_LE(size.cx, 245) << picture;
            EXPECT_LE(size.cy, 235) << picture;
        }
    }
    EXPECT_TRUE(phraseWithSpace);
    EXPECT_TRUE(wordWithHyphen);
}

TEST_F(GameFolderTest, StagePicturesAreElevenDifferent24BitBitmapsOf200By200)
{
    std::string previous;
    for (int stage = 0; stage <= 10; ++stage) {
        char name[32];
        std::snprintf(name, sizeof name, "tuckle.%02d.bmp", stage);
        SCOPED_TRACE(name);
        BitmapHeader header = ReadBitmapHeader(name);
        EXPECT_TRUE(header.valid);
        EXPECT_EQ(200, header.width);
        EXPECT_EQ(200, header.height);
        EXPECT_EQ(24, header.bits);
        EXPECT_EQ(static_cast<DWORD>(BI_RGB), header.compression);

        HANDLE bitmap = LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 200, 200,
                                   LR_LOADFROMFILE);
        EXPECT_NE(nullptr, bitmap);
        if (bitmap) DeleteObject(bitmap);

        std::string bytes = ReadFile(name);
        EXPECT_NE(previous, bytes) << "same picture as the stage before";
        previous = bytes;
    }
}

TEST_F(GameFolderTest, ResultPicturesAre24BitBitmapsOfTheirControlSize)
{
    for (const char* name : {"lose.bmp", "win.bmp"}) {
        SCOPED_TRACE(name);
        BitmapHeader header = ReadBitmapHeader(name);
        EXPECT_TRUE(header.valid);
        EXPECT_EQ(50, header.width);
        EXPECT_EQ(48, header.height);
        EXPECT_EQ(24, header.bits);
        HANDLE bitmap = LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 50, 48,
                                   LR_LOADFROMFILE);
        EXPECT_NE(nullptr, bitmap);
        if (bitmap) DeleteObject(bitmap);
    }
}

TEST_F(GameFolderTest, HelpCreditsAndSpeechProgramAreBesideTheGame)
{
    EXPECT_NE(std::string::npos, ReadFile("help.html").find("</html>"));
    std::string credits = ReadFile("CREDITS.txt");
    EXPECT_NE(std::string::npos, credits.find("Noto Color Emoji"));
    EXPECT_NE(std::string::npos, credits.find("SIL Open Font License"));
    EXPECT_NE(std::string::npos, credits.find("eSpeak NG"));
    // The compiler's runtime is linked into the programs: its notices ship.
    EXPECT_NE(std::string::npos, credits.find("GCC Runtime Library Exception"));
    EXPECT_NE(std::string::npos, credits.find("winpthreads"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("espeak\\espeak.exe"));
    // The drawing script stays in the source tree.
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("make_content.py"));
}

// A section's name: eight bytes in its header, or "/n" for a longer name
// kept at offset n of the COFF string table, which follows the symbols.
std::string SectionName(const std::string& image, const IMAGE_NT_HEADERS& nt,
                        const IMAGE_SECTION_HEADER& section)
{
    std::string name(reinterpret_cast<const char*>(section.Name),
                     strnlen(reinterpret_cast<const char*>(section.Name), IMAGE_SIZEOF_SHORT_NAME));
    if (name.empty() || name[0] != '/') return name;
    size_t strings = size_t(nt.FileHeader.PointerToSymbolTable) +
                     size_t(nt.FileHeader.NumberOfSymbols) * IMAGE_SIZEOF_SYMBOL;
    size_t at = strings + size_t(std::strtoul(name.c_str() + 1, nullptr, 10));
    if (nt.FileHeader.PointerToSymbolTable == 0 || at >= image.size()) return name;
    return std::string(image.c_str() + at, strnlen(image.c_str() + at, image.size() - at));
}

// The programs go into the folder without symbols: no COFF symbols and no
// debug sections. An i686 program keeps its unwind tables in ".eh_frame",
// a long name, so its string table (and a pointer to it) stays; an x86_64
// program unwinds from ".pdata"/".xdata" and keeps no string table at all.
TEST_F(GameFolderTest, ProgramsAreStripped)
{
    for (const char* name : {"tuckle.exe", "espeak\\espeak.exe"}) {
        SCOPED_TRACE(name);
        std::string image = ReadFile(name);
        ASSERT_GT(image.size(), sizeof(IMAGE_DOS_HEADER));
        auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
        ASSERT_LT(static_cast<size_t>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS), image.size());
        auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image.data() + dos->e_lfanew);
        EXPECT_EQ(nt->FileHeader.NumberOfSymbols, 0u);
        const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(nt);
        bool longNames = false;
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            std::string section = SectionName(image, *nt, sections[i]);
            SCOPED_TRACE(section);
            EXPECT_NE(section[0], '/') << "section " << i << " names no string in the table";
            EXPECT_NE(section.rfind(".debug", 0), 0u) << "debug section " << i;
            if (sections[i].Name[0] == '/') {
                longNames = true;
#ifdef _WIN64
                ADD_FAILURE() << "an x86_64 program needs no long section name";
#else
                EXPECT_EQ(section, ".eh_frame") << "the only long name an i686 program keeps";
#endif
            }
        }
        if (!longNames) {
            EXPECT_EQ(nt->FileHeader.PointerToSymbolTable, 0u);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <game folder>\n", argv[0]);
        return 2;
    }
    g_folder = DosPathOf(argv[1]);
    return RUN_ALL_TESTS();
}
