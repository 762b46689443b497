// Main of every test program: the headless backend, and for each test a device root of its
// own in a temporary folder, so tests never open a window or touch the user's device files,
// and a test finds the device as new whether CTest runs it in a process of its own or the
// whole program runs in one, shuffled. It also tells tests where the sources and the shared
// test data are.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// Points CROSSWORD_DEVICE_ROOT at a new empty folder before each test and removes the folder
// afterwards. The device seeds a root it has not seen before with its standard folders and
// files, as on a new device; emptying one in use would not bring those back.
class DeviceRootPerTest : public testing::EmptyTestEventListener {
  public:
    explicit DeviceRootPerTest(fs::path base) : base_(std::move(base)) {}

    void OnTestStart(const testing::TestInfo&) override
    {
        root_ = base_ / ("test-" + std::to_string(++count_));
        std::error_code ignored;
        fs::create_directory(root_, ignored);
        setenv("CROSSWORD_DEVICE_ROOT", root_.c_str(), 1);
    }

    void OnTestEnd(const testing::TestInfo&) override
    {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

  private:
    fs::path base_;  // the run's temporary folder
    fs::path root_;  // the current test's device root
    int count_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    std::string pattern = (fs::temp_directory_path() / "crossword-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        perror("mkdtemp");
        return 2;
    }
    const fs::path base = pattern;
    // The device outside any test (a test suite's set-up, say).
    setenv("CROSSWORD_DEVICE_ROOT", (base / "device").c_str(), 1);
    setenv("CROSSWORD_BACKEND", "headless", 1);
    setenv("CROSSWORD_SOURCE_DIR", CROSSWORD_SOURCE_DIR_DEFAULT, 0);
    setenv("CROSSWORD_TESTDATA", CROSSWORD_TESTDATA_DEFAULT, 0);

    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new DeviceRootPerTest(base));
    const int result = RUN_ALL_TESTS();

    std::error_code ignored;
    fs::remove_all(base, ignored);
    return result;
}
