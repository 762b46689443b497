// The device root: where it lives, what a new one holds, seed files and the module path.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "automation.h"
#include "device.h"
#include "device_files.h"
#include "windows.h"

namespace {

namespace fs = std::filesystem;

// Points the device at a new empty folder for one test and back afterwards.
class FreshRoot : public testing::Test {
  protected:
    void SetUp() override
    {
        saved_ = std::getenv("CROSSWORD_DEVICE_ROOT");
        base_ = fs::path(saved_) / ("fresh-" + std::to_string(counter_++));
        fs::create_directories(base_);
    }
    void TearDown() override
    {
        setenv("CROSSWORD_DEVICE_ROOT", saved_.c_str(), 1);
        if (saved_xdg_set_)
            setenv("XDG_DATA_HOME", saved_xdg_.c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
        GetFileAttributesW(u"\\");  // back on the test's own root
        AutomationResetDevice();    // and no seed file a test registered reaches later roots
    }
    void UseXdg(const fs::path& xdg)
    {
        const char* old = std::getenv("XDG_DATA_HOME");
        saved_xdg_set_ = old != nullptr;
        saved_xdg_ = old ? old : "";
        setenv("XDG_DATA_HOME", xdg.c_str(), 1);
        unsetenv("CROSSWORD_DEVICE_ROOT");
    }
    std::string saved_;
    std::string saved_xdg_;
    bool saved_xdg_set_ = false;
    fs::path base_;
    static inline int counter_ = 0;
};

TEST_F(FreshRoot, NewRootIsSeededWithTheStandardFolders)
{
    setenv("CROSSWORD_DEVICE_ROOT", (base_ / "device").c_str(), 1);
    EXPECT_EQ(GetFileAttributesW(u"\\My Documents"), DWORD(FILE_ATTRIBUTE_DIRECTORY));
    for (const char* folder : {"My Documents", "Temp", "Windows", "Program Files/Crossword"})
        EXPECT_TRUE(fs::is_directory(base_ / "device" / folder)) << folder;
}

TEST_F(FreshRoot, DefaultRootFollowsXdgDataHome)
{
    UseXdg(base_ / "data");
    ASSERT_TRUE(WriteDeviceFile(u"\\Temp\\x.txt", "x"));
    EXPECT_TRUE(fs::exists(base_ / "data" / "crossword-device" / "Temp" / "x.txt"));
}

TEST_F(FreshRoot, SeedFilesReachANewRootAndNeverOverwrite)
{
    const char bytes[] = "PUZ";
    DeviceSeedFile(u"\\My Documents\\Starter.puz", bytes, 3);
    setenv("CROSSWORD_DEVICE_ROOT", (base_ / "seeded").c_str(), 1);
    EXPECT_EQ(ReadDeviceFile(u"\\My Documents\\Starter.puz"), "PUZ");

    // Registered while a fresh root is in use: written at once, into new folders too.
    DeviceSeedFile(u"\\Windows\\Help\\page.htm", "<p>", 3);
    EXPECT_EQ(ReadDeviceFile(u"\\Windows\\Help\\page.htm"), "<p>");

    // A user's copy is kept, and a folder the user has gets nothing: a seed deleted there
    // stays deleted. The folders the root lacks are made and seeded.
    fs::create_directories(base_ / "used" / "My Documents");
    {
        std::FILE* f = std::fopen((base_ / "used" / "My Documents" / "Starter.puz").c_str(), "w");
        std::fputs("mine", f);
        std::fclose(f);
    }
    DeviceSeedFile(u"\\My Documents\\Other.puz", bytes, 3);
    setenv("CROSSWORD_DEVICE_ROOT", (base_ / "used").c_str(), 1);
    EXPECT_EQ(ReadDeviceFile(u"\\My Documents\\Starter.puz"), "mine");
    EXPECT_EQ(GetFileAttributesW(u"\\My Documents\\Other.puz"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ReadDeviceFile(u"\\Windows\\Help\\page.htm"), "<p>");
    EXPECT_EQ(GetFileAttributesW(u"\\Temp"), DWORD(FILE_ATTRIBUTE_DIRECTORY));
}

// A root that a user began by copying in the game's own files (its address list, its last
// puzzle record) still gets everything else a new root has.
TEST_F(FreshRoot, ARootBegunWithTheProgramsFolderIsSetUp)
{
    DeviceSeedFile(u"\\My Documents\\Starter.puz", "PUZ", 3);
    fs::create_directories(base_ / "begun" / "Program Files" / "Crossword");
    {
        std::FILE* f = std::fopen(
            (base_ / "begun" / "Program Files" / "Crossword" / "crosswordhttplist.dat").c_str(),
            "w");
        std::fputs("http://example.com/\r\n", f);
        std::fclose(f);
    }
    setenv("CROSSWORD_DEVICE_ROOT", (base_ / "begun").c_str(), 1);
    EXPECT_EQ(ReadDeviceFile(u"\\My Documents\\Starter.puz"), "PUZ");
    for (const char* folder : {"Temp", "Windows"})
        EXPECT_TRUE(fs::is_directory(base_ / "begun" / folder)) << folder;
}

TEST(ModulePath, DefaultSetAndTruncated)
{
    WCHAR path[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameW(nullptr, path, MAX_PATH), 38u);
    EXPECT_EQ(std::u16string(path), u"\\Program Files\\Crossword\\Crossword.exe");

    DeviceSetModuleFileName(u"\\Program Files\\Brambleset\\Brambleset.exe");
    EXPECT_EQ(GetModuleFileNameW(nullptr, path, MAX_PATH), 40u);
    EXPECT_EQ(std::u16string(path), u"\\Program Files\\Brambleset\\Brambleset.exe");
    EXPECT_EQ(GetFileAttributesW(u"\\Program Files\\Brambleset"), DWORD(FILE_ATTRIBUTE_DIRECTORY));

    WCHAR small[8];
    EXPECT_EQ(GetModuleFileNameW(nullptr, small, 8), 8u);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(std::u16string(small), u"\\Progra");
    DeviceSetModuleFileName(u"\\Program Files\\Crossword\\Crossword.exe");
}

}  // namespace
