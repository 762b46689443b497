// The real-file corpus of the tests: the folder puz-real in CROSSWORD_TESTDATA, which the
// test main points at ../shared/testdata beside the checkout unless told otherwise. A clone
// of the project alone has no corpus, and the tests that read it skip; CI has it and sets
// CROSSWORD_REQUIRE_TESTDATA, so that there a missing corpus fails them instead.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

// The corpus folder, or an empty path when it is not there.
std::filesystem::path RealPuzzleFolder();

// Where the corpus was looked for and how to name another place.
std::string RealPuzzlesMissing();

// The same for another corpus folder of CROSSWORD_TESTDATA (formats-real: the other formats).
std::filesystem::path RealCorpusFolder(const std::string& name);
std::string RealCorpusMissing(const std::string& name);

// True when CROSSWORD_REQUIRE_TESTDATA is set to anything but empty or 0.
bool RealPuzzlesRequired();

// Ends the test when `folder` is empty: skipped, or failed where the corpus is required. A
// macro, because GTEST_SKIP and FAIL return from the function they are written in.
#define END_TEST_WITHOUT_REAL_PUZZLES(folder) END_TEST_WITHOUT_CORPUS(folder, "puz-real")

#define END_TEST_WITHOUT_CORPUS(folder, name)                                                      \
    do {                                                                                           \
        if ((folder).empty()) {                                                                    \
            if (RealPuzzlesRequired())                                                             \
                FAIL() << RealCorpusMissing(name);                                                 \
            GTEST_SKIP() << RealCorpusMissing(name);                                               \
        }                                                                                          \
    } while (0)
