// Runs the speech program under Wine with a stand-in synthesiser on the Linux
// side and checks what the synthesiser received.
//
// Arguments: the Unix paths of the tests' build of espeak.exe (the one that
// reads TUCKLE_SYNTH), of the stand-in synthesiser script, which logs its
// arguments to its own path plus ".log", and of the espeak.exe that ships.

#include <gtest/gtest.h>

#include <windows.h>

#include "game_state.h"
#include "unix_command.h"
#include "utterances.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string g_bridge;      // the tests' espeak.exe, as a Windows path
std::string g_shipped;     // the espeak.exe that ships, as a Windows path
std::string g_synth;       // the stand-in, as a Unix path for the bridge
std::string g_synthLog;    // its log, as a Windows path

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

    // Starts the bridge with the command line the game would give it; the
    // process handle, or NULL when it could not be started.
    static HANDLE StartBridge(const std::string& tail)
    {
        std::string command = "\"" + g_bridge + "\"" + tail;
        std::vector<char> line(command.begin(), command.end());
        line.push_back('\0');
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA(g_bridge.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process)) {
            return NULL;
        }
        CloseHandle(process.hThread);
        return process.hProcess;
    }

    // Waits for a started bridge and closes its handle; its exit code, or -1
    // when it was not started or did not end.
    static long FinishBridge(HANDLE process)
    {
        if (!process) return -1;
        DWORD code = static_cast<DWORD>(-1);
        if (WaitForSingleObject(process, 20000) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
        CloseHandle(process);
        return static_cast<long>(code);
    }

    static long RunBridge(const std::string& tail) { return FinishBridge(StartBridge(tail)); }

    // The stand-in's log, or "<none>" when it never ran.
    static std::string SynthLog() { return FileText(g_synthLog); }

    static std::string FileText(const std::string& path)
    {
        std::ifstream log(path, std::ios::binary);
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
    EXPECT_EQ(std::string("2\n--\n") + u.spoken + "\n", SynthLog());
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

// What the synthesiser logs for a text: "--", which ends its options, then
// the text as one argument.
std::string Received(const std::string& text)
{
    return "2\n--\n" + text + "\n";
}

// The game's word utterance, made by the game's own code, through the speech
// program to the synthesiser: words of every printable character, and each
// character at a word's start and at its end (one word for both). A double quote is never
// spoken (the game leaves it out); everything else arrives as it stands, a
// leading "-" included, which the synthesiser must not take for an option.
TEST_F(SpeechBridgeEdgeTest, EveryPrintableCharacterOfAWordReachesTheSynthesiser)
{
    SetEnvironmentVariableA("STAND_IN_PAUSE", "0");
    std::vector<std::string> words(2);
    for (char c = ' '; c <= '~'; ++c) words[c < 'P' ? 0 : 1] += c;  // at most 59 each
    for (char c = ' '; c <= '~'; ++c) words.push_back(std::string(1, c) + "IA" + c);

    // The bridges run a batch at a time, each stand-in logging to a file of
    // its own (STAND_IN_LOG).
    std::unique_ptr<GameState> state(new GameState());
    const size_t Batch = 12;
    for (size_t first = 0; first < words.size(); first += Batch) {
        std::vector<HANDLE> running;
        std::vector<std::string> tails;
        for (size_t i = first; i < words.size() && i < first + Batch; ++i) {
            ASSERT_LT(words[i].size(), sizeof state->currentWord);
            std::strcpy(state->currentWord, words[i].c_str());
            SetWordUtterance(*state);
            tails.push_back(state->speechText);
            const std::string log = g_synth + ".log." + std::to_string(i);
            DeleteFileA(DosPathOf(log).c_str());
            SetEnvironmentVariableA("STAND_IN_LOG", log.c_str());
            running.push_back(StartBridge(tails.back()));
        }
        for (size_t i = first; i < first + running.size(); ++i) {
            const std::string& word = words[i];
            std::string spoken;
            for (char c : word)
                if (c != '"') spoken += c;
            EXPECT_EQ(0, FinishBridge(running[i - first])) << "[" << word << "]";
            const std::string log = DosPathOf(g_synth + ".log." + std::to_string(i));
            EXPECT_EQ(Received(spoken), FileText(log)) << "word [" << word << "], command tail ["
                                                       << tails[i - first] << "]";
            DeleteFileA(log.c_str());
        }
    }
    SetEnvironmentVariableA("STAND_IN_LOG", NULL);
    SetEnvironmentVariableA("STAND_IN_PAUSE", NULL);
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
std::string FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

TEST(SpeechBridgeFileTest, IsAStaticallyLinkedGuiProgram)
{
    std::string image = FileBytes(g_shipped);
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

// Only the tests' build reads TUCKLE_SYNTH: the program that ships can be
// made to run no other program through the environment.
TEST(SpeechBridgeFileTest, ShippedProgramHasNoSynthesiserSwitch)
{
    std::string shipped = FileBytes(g_shipped);
    ASSERT_FALSE(shipped.empty()) << g_shipped;
    EXPECT_EQ(shipped.find("TUCKLE_SYNTH"), std::string::npos);
    EXPECT_NE(FileBytes(g_bridge).find("TUCKLE_SYNTH"), std::string::npos);
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <tests' espeak.exe> <stand-in synthesiser> <shipped espeak.exe>\n",
                     argv[0]);
        return 2;
    }
    g_bridge = DosPathOf(argv[1]);
    g_shipped = DosPathOf(argv[3]);
    g_synth = argv[2];
    g_synthLog = DosPathOf(g_synth) + ".log";
    return RUN_ALL_TESTS();
}
