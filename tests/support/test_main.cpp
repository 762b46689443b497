// Main of every test program: each run gets a fresh device root in a temporary folder and
// the headless backend, so tests never open a window or touch the user's device files. It
// also tells tests where the sources and the shared test data are.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "crossword-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        perror("mkdtemp");
        return 2;
    }
    const fs::path root = pattern;
    setenv("CROSSWORD_DEVICE_ROOT", root.c_str(), 1);
    setenv("CROSSWORD_BACKEND", "headless", 1);
    setenv("CROSSWORD_SOURCE_DIR", CROSSWORD_SOURCE_DIR_DEFAULT, 0);
    setenv("CROSSWORD_TESTDATA", CROSSWORD_TESTDATA_DEFAULT, 0);

    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();

    std::error_code ignored;
    fs::remove_all(root, ignored);
    return result;
}
