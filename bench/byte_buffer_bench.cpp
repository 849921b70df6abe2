// Speed of the toolkit's byte buffers, language tables and sheet files, each
// next to the plain standard-library way of doing the same work.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "wicker.h"

namespace {

void Report(const char* what, double ms, double baselineMs, const char* baseline)
{
    std::printf("%-44s %9.2f ms   %-28s %9.2f ms   ratio %.2f\n", what, ms, baseline, baselineMs,
                baselineMs > 0 ? ms / baselineMs : 0.0);
}

std::string TempPath(const char* name)
{
    char folder[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

void PushBytes()
{
    const int count = 4 << 20;
    double start = NowMs();
    ByteBuffer buffer;
    for (int i = 0; i < count; ++i)
        buffer.Push(static_cast<BYTE>(i));
    double pushed = NowMs() - start;

    start = NowMs();
    std::vector<unsigned char> vector;
    for (int i = 0; i < count; ++i)
        vector.push_back(static_cast<unsigned char>(i));
    double baseline = NowMs() - start;
    if (static_cast<int>(buffer.Length) != static_cast<int>(vector.size()))
        std::printf("length mismatch\n");
    Report("Push 4 MiB one byte at a time", pushed, baseline, "vector push_back");
}

void AppendChunks()
{
    const int chunk = 4096;
    const int chunks = 4096;
    std::vector<char> bytes(chunk, 'x');
    double start = NowMs();
    ByteBuffer buffer;
    for (int i = 0; i < chunks; ++i)
        buffer.Append(bytes.data(), chunk);
    double appended = NowMs() - start;

    start = NowMs();
    std::vector<char> vector;
    for (int i = 0; i < chunks; ++i)
        vector.insert(vector.end(), bytes.begin(), bytes.end());
    double baseline = NowMs() - start;
    Report("Append 16 MiB in 4 KiB chunks", appended, baseline, "vector insert");
}

void LoadFile()
{
    std::string path = TempPath("wicker_bench_16m.bin");
    std::vector<char> bytes(16 << 20, 'y');
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);

    double start = NowMs();
    ByteBuffer buffer;
    buffer.LoadFile(path.c_str(), 0);
    double loaded = NowMs() - start;

    start = NowMs();
    file = std::fopen(path.c_str(), "rb");
    std::vector<char> read(bytes.size());
    size_t got = std::fread(read.data(), 1, read.size(), file);
    std::fclose(file);
    double baseline = NowMs() - start;
    if (got != static_cast<size_t>(static_cast<int>(buffer.Length)))
        std::printf("length mismatch\n");
    Report("LoadFile of 16 MiB", loaded, baseline, "fread into a vector");
    DeleteFileA(path.c_str());
}

void ParseTable()
{
    const int keys = 2000;
    std::string text;
    for (int i = 0; i < keys; ++i)
        text += "key" + std::to_string(i) + "=Value number " + std::to_string(i) + "\r\n";
    ByteBuffer bytes(text.data(), static_cast<int>(text.size()));

    double start = NowMs();
    LanguageTable table(bytes);
    double parsed = NowMs() - start;

    start = NowMs();
    int found = 0;
    for (int i = 0; i < keys; ++i)
        found += table.Lookup(("key" + std::to_string(i)).c_str()).empty() ? 0 : 1;
    double looked = NowMs() - start;

    start = NowMs();
    std::vector<std::pair<std::string, std::string>> pairs;
    size_t position = 0;
    while (position < text.size()) {
        size_t end = text.find('\n', position);
        std::string line = text.substr(position, end - position - 1);
        size_t equals = line.find('=');
        pairs.emplace_back(line.substr(0, equals), line.substr(equals + 1));
        position = end + 1;
    }
    double baseline = NowMs() - start;
    if (found != keys || static_cast<int>(table.Count) != keys)
        std::printf("table mismatch\n");
    Report("LanguageTable of 2000 lines", parsed, baseline, "split into a vector");
    Report("Lookup of each of 2000 keys", looked, baseline, "(same baseline)");
}

void WriteSheet()
{
    std::string path = TempPath("wicker_bench.xls");
    SheetWriter sheet;
    for (int row = 0; row < 2000; ++row)
        for (int column = 0; column < 10; ++column)
            sheet.AddCell(static_cast<unsigned short>(column), static_cast<unsigned short>(row), "cell text");

    double start = NowMs();
    sheet.Save(path.c_str());
    double saved = NowMs() - start;

    start = NowMs();
    FILE* file = std::fopen(path.c_str(), "wb");
    std::string bytes(20000 * 21, 'z');
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    double baseline = NowMs() - start;
    Report("SheetWriter Save of 20000 cells", saved, baseline, "fwrite of as many bytes");
    DeleteFileA(path.c_str());
}

}  // namespace

int main()
{
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER c = {{created.dwLowDateTime, created.dwHighDateTime}};
    ULARGE_INTEGER n = {{now.dwLowDateTime, now.dwHighDateTime}};
    std::printf("process creation to main (start-up included): %.1f ms; App built %lu ms before main\n",
                double(n.QuadPart - c.QuadPart) / 10000.0, static_cast<unsigned long>(App.ElapsedTime));

    PushBytes();
    AppendChunks();
    LoadFile();
    ParseTable();
    WriteSheet();
    return 0;
}
