// Shared helpers for the engine and loader tests: a zeroed game state and a
// scratch folder that becomes the current directory.
#ifndef TUCKLE_TESTS_GAME_FIXTURE_H
#define TUCKLE_TESTS_GAME_FIXTURE_H

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "game_state.h"

class GameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.reset(new GameState());
        std::memset(state.get(), 0, sizeof(GameState));
        original = std::filesystem::current_path();
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        scratch = std::filesystem::temp_directory_path() /
                  ("tuckle_" + std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(scratch);
        std::filesystem::create_directories(scratch);
        std::filesystem::current_path(scratch);
    }

    void TearDown() override
    {
        std::filesystem::current_path(original);
        std::filesystem::remove_all(scratch);
    }

    // Writes bytes exactly as given (no newline translation).
    static void WriteFile(const std::string& name, const std::string& bytes)
    {
        std::filesystem::path p(name);
        if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
        std::FILE* f = std::fopen(name.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }

    // Puts one word entry into the tables as a loader would.
    void AddWord(const char* word, const char* picture)
    {
        GameState& g = *state;
        ++g.wordCount;
        std::strncpy(g.wordTable[g.wordCount], word, LineChars);
        std::strncpy(g.pictureTable[g.wordCount], picture, LineChars);
        g.drawPool[g.wordCount] = g.wordCount;
        g.poolCount = g.wordCount;
    }

    std::unique_ptr<GameState> state;
    std::filesystem::path original;
    std::filesystem::path scratch;
};

#endif
