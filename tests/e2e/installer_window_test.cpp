// Pack Three's installer in a real window: skip the intro with a tap, Install, keep the
// proposed folder, confirm it, leave with OK. The program must end with 0 and the pack folder
// must hold the 31 puzzles, byte for byte the committed ones.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "real_window_fixture.h"

namespace fs = std::filesystem;

namespace {

// Where the intro and its dialogs put things, in device pixels (the dialog's client area
// starts under the 26-pixel navigation bar).
constexpr int kOkX = 36, kInstallX = 187, kButtonsY = 263;  // the intro's buttons
constexpr int kSaveX = 128, kSaveY = 302;                   // Save in the folder dialog
constexpr DeviceRect kSaveButton = {96, 293, 160, 312};     // blank on the intro itself
constexpr int kYesX = 90, kYesY = 206;                      // Yes in the confirmation
constexpr DeviceRect kBundleText = {10, 85, 230, 115};      // "Each bundle contains ..."
constexpr DeviceRect kFileNameText = {110, 278, 236, 298};  // the status line's file name
constexpr DeviceRect kBoxCaption = {150, 124, 220, 138};    // the confirmation's title band
constexpr Rgb kCaptionBlue = {0x00, 0x00, 0x80};
constexpr Rgb kWhite = {0xFF, 0xFF, 0xFF};

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> PuzzleNames(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".puz")
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> AllNames(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class InstallerWindowTest : public RealWindowTest {};

TEST_F(InstallerWindowTest, InstallsPackThreeIntoItsFolder)
{
    const char* source = std::getenv("CROSSWORD_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const fs::path committed = fs::path(source) / "resources/packs/three";
    const std::vector<std::string> names = PuzzleNames(committed);
    ASSERT_EQ(names.size(), 31u) << "pack Three in " << committed;

    ASSERT_TRUE(StartProgram("brambleset-three"));
    // A tap skips the opening; away from the help areas it does nothing else.
    ASSERT_TRUE(Tap(120, 60));
    Screenshot shot;
    ASSERT_TRUE(WaitForScreen(
        "the intro at rest",
        [](const Screenshot& s) {
            return DarkPixels(s, kBundleText) > 50 && ShareOf(s, kBundleText, kWhite) > 0.5;
        },
        &shot));
    ASSERT_TRUE(WaitForStill(&shot));
    EXPECT_EQ(DarkPixels(shot, kFileNameText), 0) << "a file name before any installation";
    EXPECT_EQ(ShareOf(shot, kBoxCaption, kCaptionBlue), 0.0);
    const Screenshot atRest = shot;

    ASSERT_TRUE(Tap(kInstallX, kButtonsY));
    ASSERT_TRUE(WaitForScreen(
        "the folder dialog", [&](const Screenshot& s) { return Differs(atRest, s, kSaveButton); },
        &shot));
    ASSERT_TRUE(WaitForStill(&shot));
    ASSERT_TRUE(Tap(kSaveX, kSaveY));
    ASSERT_TRUE(WaitForScreen(
        "the confirmation of the folder",
        [](const Screenshot& s) { return ShareOf(s, kBoxCaption, kCaptionBlue) > 0.8; }, &shot));
    EXPECT_TRUE(AllNames(fs::path(deviceRoot) / "My Documents" / "Brambleset Three").empty())
        << "puzzles written before the folder was confirmed";

    ASSERT_TRUE(Tap(kYesX, kYesY));
    ASSERT_TRUE(WaitForScreen(
        "the last file name in the status line",
        [](const Screenshot& s) {
            return DarkPixels(s, kFileNameText) >= 30 && ShareOf(s, kFileNameText, kWhite) > 0.5 &&
                   ShareOf(s, kBoxCaption, kCaptionBlue) == 0;
        },
        &shot));
    ASSERT_TRUE(Tap(kOkX, kButtonsY));
    ASSERT_TRUE(WaitForExitWithZero(20000));

    const fs::path installed = fs::path(deviceRoot) / "My Documents" / "Brambleset Three";
    EXPECT_EQ(AllNames(installed), names) << "the pack folder holds other files than the pack";
    for (const std::string& name : names) {
        const std::string got = ReadFile(installed / name), want = ReadFile(committed / name);
        EXPECT_TRUE(got == want) << name << " differs: " << got.size() << " bytes installed, "
                                 << want.size() << " committed";
    }
    EXPECT_FALSE(fs::exists(fs::path(deviceRoot) / "My Documents" / "Fennimoor"));
}

}  // namespace
