// Runs the speech program under Wine with a stand-in synthesiser on the Linux
// side and checks what the synthesiser received.
//
// Arguments: the Unix path of espeak.exe and of the stand-in synthesiser
// script, which logs its arguments to its own path plus ".log".

#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string g_bridge;      // espeak.exe, as a Windows path
std::string g_synth;       // the stand-in, as a Unix path for the bridge
std::string g_synthLog;    // its log, as a Windows path

std::string DosPathOf(const std::string& unixPath)
{
    using DosFileName = WCHAR*(__cdecl*)(const char*);
    auto convert = reinterpret_cast<DosFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    if (!convert) return std::string();
    WCHAR* wide = convert(unixPath.c_str());
    if (!wide) return std::string();
    char path[MAX_PATH * 2] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, path, sizeof path, nullptr, nullptr);
    HeapFree(GetProcessHeap(), 0, wide);
    return path;
}

struct Utterance {
    const char* name;
    const char* commandTail;    // what follows the program path
    const char* spoken;         // the one argument the synthesiser must get
};

const Utterance Utterances[] = {
    {"NewWord", "  \"CAT\"", "CAT"},
    {"PhraseWithSpace", "  \"ICE CREAM\"", "ICE CREAM"},
    {"WonWordClosesTheQuote",
     "  \"[[t'3:]] ... t ... ... right ... C. A. T. CAT ... well done ... you've won\"",
     "[[t'3:]] ... t ... ... right ... C. A. T. CAT ... well done ... you've won"},
    {"LostWord", " \"[['E]] ... e ... ... wrong ... bad luck ... you lost\"",
     "[['E]] ... e ... ... wrong ... bad luck ... you lost"},
    {"LetterLeavesTheQuoteOpen", " \"[['a]] ... a ... ... wrong", "[['a]] ... a ... ... wrong"},
    {"RepeatedLetterEndsInASpace", " \"[[dZ'3:]] ... j ... ", "[[dZ'3:]] ... j ... "},
    {"Apostrophes", " \"Tuckle's dog isn't 'here'\"", "Tuckle's dog isn't 'here'"},
    {"Backslashes", " \"C:\\pets\\dog\\\\cat\"", "C:\\pets\\dog\\\\cat"},
    {"TrailingBackslash", " \"C:\\pets\\\\\"", "C:\\pets\\"},
    {"EscapedQuotes", " \"say \\\"hi\\\" \\\\\\\"", "say \"hi\" \\\""},
    {"ShellCharacters", " \"$HOME `ls` ; echo * | cat > x & $(id)\"",
     "$HOME `ls` ; echo * | cat > x & $(id)"},
    {"UnquotedWords", " hello   world", "hello   world"},
};

class SpeechBridgeTest : public testing::TestWithParam<Utterance> {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(g_bridge.empty());
        ASSERT_FALSE(g_synthLog.empty());
        DeleteFileA(g_synthLog.c_str());
        SetEnvironmentVariableA("TUCKLE_SYNTH", g_synth.c_str());
    }

    // Runs the bridge with the command line the game would give it; returns
    // its exit code, or -1 when it could not be started or did not end.
    static long RunBridge(const std::string& tail)
    {
        std::string command = "\"" + g_bridge + "\"" + tail;
        std::vector<char> line(command.begin(), command.end());
        line.push_back('\0');
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA(g_bridge.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process)) {
            return -1;
        }
        DWORD code = static_cast<DWORD>(-1);
        if (WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0) {
            GetExitCodeProcess(process.hProcess, &code);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return static_cast<long>(code);
    }

    // The stand-in's log, or "<none>" when it never ran.
    static std::string SynthLog()
    {
        std::ifstream log(g_synthLog, std::ios::binary);
        if (!log) return "<none>";
        std::ostringstream text;
        text << log.rdbuf();
        return text.str();
    }
};

// The stand-in pauses before it writes its log, so the log being there when
// the bridge has ended also shows that the bridge waited for it.
TEST_P(SpeechBridgeTest, SynthesiserGetsTheTextUnchangedAndIsAwaited)
{
    const Utterance& u = GetParam();
    EXPECT_EQ(0, RunBridge(u.commandTail));
    EXPECT_EQ(std::string("1\n") + u.spoken + "\n", SynthLog());
}

INSTANTIATE_TEST_SUITE_P(GameTexts, SpeechBridgeTest, testing::ValuesIn(Utterances),
                         [](const testing::TestParamInfo<Utterance>& info) { return info.param.name; });

class SpeechBridgeEdgeTest : public SpeechBridgeTest {};

TEST_F(SpeechBridgeEdgeTest, NoTextSpeaksNothing)
{
    EXPECT_EQ(0, RunBridge(""));
    EXPECT_EQ(0, RunBridge(" \"\""));
    EXPECT_EQ("<none>", SynthLog());
}

TEST_F(SpeechBridgeEdgeTest, MissingSynthesiserEndsWithoutHanging)
{
    SetEnvironmentVariableA("TUCKLE_SYNTH", (g_synth + ".missing").c_str());
    EXPECT_EQ(0, RunBridge(" \"CAT\""));
    EXPECT_EQ("<none>", SynthLog());
}

// The names of the DLLs that a PE image imports.
std::vector<std::string> ImportedDlls(const std::string& image)
{
    std::vector<std::string> names;
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image.data() + dos->e_lfanew);
    auto sections = IMAGE_FIRST_SECTION(nt);
    auto offsetOf = [&](DWORD rva) -> size_t {
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData) {
                return rva - s.VirtualAddress + s.PointerToRawData;
            }
        }
        return image.size();
    };
    size_t at = offsetOf(nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
    while (at + sizeof(IMAGE_IMPORT_DESCRIPTOR) <= image.size()) {
        auto entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(image.data() + at);
        if (entry->Name == 0) break;
        size_t name = offsetOf(entry->Name);
        if (name >= image.size()) break;
        names.push_back(image.c_str() + name);
        at += sizeof(IMAGE_IMPORT_DESCRIPTOR);
    }
    return names;
}

// The game starts the program hidden and never waits for it: it must be a
// GUI program (no console window) and need only the system's DLLs.
TEST(SpeechBridgeFileTest, IsAStaticallyLinkedGuiProgram)
{
    std::ifstream file(g_bridge, std::ios::binary);
    ASSERT_TRUE(file) << g_bridge;
    std::string image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GT(image.size(), sizeof(IMAGE_DOS_HEADER));
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    ASSERT_EQ(IMAGE_DOS_SIGNATURE, dos->e_magic);
    // The bridge is built for the same architecture as this test.
    ASSERT_LT(static_cast<size_t>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS), image.size());
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image.data() + dos->e_lfanew);
    ASSERT_EQ(IMAGE_NT_OPTIONAL_HDR_MAGIC, nt->OptionalHeader.Magic);
    EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, nt->OptionalHeader.Subsystem);

    std::vector<std::string> dlls = ImportedDlls(image);
    EXPECT_FALSE(dlls.empty());
    for (std::string dll : dlls) {
        for (char& c : dll) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(dll.rfind("lib", 0) != 0 && dll.find("pthread") == std::string::npos) << dll;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <espeak.exe> <stand-in synthesiser>\n", argv[0]);
        return 2;
    }
    g_bridge = DosPathOf(argv[1]);
    g_synth = argv[2];
    g_synthLog = DosPathOf(g_synth) + ".log";
    return RUN_ALL_TESTS();
}
