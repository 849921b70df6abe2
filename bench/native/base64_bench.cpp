// Throughput of Base64EncodeRaw and Base64DecodeRaw over 64 MiB, next to the
// system's `base64` command on the same data. The command's time is from its
// start to its end (started by the shell, reading the file from the page
// cache, writing to /dev/null); ours is the call alone.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include "system/base64.h"

namespace {

const std::size_t kBytes = 64u << 20;
const int kRounds = 5;

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double MiBPerSecond(double seconds)
{
    return seconds > 0 ? double(kBytes) / (1 << 20) / seconds : 0.0;
}

bool WriteFile(const std::string& path, const void* bytes, std::size_t count)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes, 1, count, file) == count;
    return std::fclose(file) == 0 && written;
}

// The best time of the shell command over the rounds; negative when it fails.
double TimeCommand(const std::string& command)
{
    double best = -1;
    for (int round = 0; round < kRounds; ++round) {
        const double start = Now();
        if (std::system(command.c_str()) != 0)
            return -1;
        const double seconds = Now() - start;
        if (best < 0 || seconds < best)
            best = seconds;
    }
    return best;
}

void Report(const char* what, double ours, const char* commandName, double command)
{
    if (command < 0) {
        std::printf("%-16s %7.0f MiB/s   %-11s could not be run\n", what, MiBPerSecond(ours), commandName);
        return;
    }
    std::printf("%-16s %7.0f MiB/s   %-11s %7.0f MiB/s   ratio %.2f (goal: at least 1.00)\n", what,
                MiBPerSecond(ours), commandName, MiBPerSecond(command), command / ours);
}

}  // namespace

int main()
{
    std::vector<unsigned char> data(kBytes);
    std::uint32_t state = 2463534242u;
    for (unsigned char& byte : data) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<unsigned char>(state >> 24);
    }
    const int outputSize = static_cast<int>(4 * kBytes / 3 + 12);
    std::vector<char> text(static_cast<std::size_t>(outputSize));
    std::vector<unsigned char> decoded(kBytes);

    double encodeBest = -1, decodeBest = -1;
    for (int round = 0; round < kRounds; ++round) {
        double start = Now();
        if (Base64EncodeRaw(text.data(), outputSize, data.data(), static_cast<unsigned>(kBytes)) == nullptr) {
            std::printf("encoding refused\n");
            return 1;
        }
        const double encoded = Now() - start;
        start = Now();
        const int written = Base64DecodeRaw(decoded.data(), text.data(), static_cast<int>(kBytes));
        const double decodedSeconds = Now() - start;
        if (written != static_cast<int>(kBytes) || decoded != data) {
            std::printf("round trip failed\n");
            return 1;
        }
        if (encodeBest < 0 || encoded < encodeBest)
            encodeBest = encoded;
        if (decodeBest < 0 || decodedSeconds < decodeBest)
            decodeBest = decodedSeconds;
    }

    const std::string name = "/tmp/wicker_base64_bench_" + std::to_string(getpid());
    double commandEncode = -1, commandDecode = -1;
    if (WriteFile(name + ".bin", data.data(), data.size()) &&
        WriteFile(name + ".b64", text.data(), std::strlen(text.data()))) {
        commandEncode = TimeCommand("base64 -w0 " + name + ".bin > /dev/null");
        commandDecode = TimeCommand("base64 -d " + name + ".b64 > /dev/null");
    }
    std::remove((name + ".bin").c_str());
    std::remove((name + ".b64").c_str());

    std::printf("64 MiB of random bytes, best of %d; MiB/s of the bytes encoded or decoded\n", kRounds);
    Report("Base64EncodeRaw", encodeBest, "base64 -w0", commandEncode);
    Report("Base64DecodeRaw", decodeBest, "base64 -d", commandDecode);
    return 0;
}
