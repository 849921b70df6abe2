// A fixture with a fresh folder per test, and helpers that write and read
// files byte for byte (no newline translation).
#ifndef TESTS_SUPPORT_SCRATCH_FOLDER_H
#define TESTS_SUPPORT_SCRATCH_FOLDER_H

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

class ScratchFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Full path of a file inside the scratch folder.
    std::string PathOf(const std::string& name) const;

    std::filesystem::path folder;
};

// Writes the bytes exactly as given.
void WriteBytes(const std::string& path, const std::string& bytes);
// The whole file, byte for byte; empty when it cannot be opened.
std::string ReadBytes(const std::string& path);

#endif
