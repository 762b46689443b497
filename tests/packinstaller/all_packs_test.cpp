// Every pack installed on one device root, and every installed file opened by the game's own
// reader: what crosses between the two programs is files only, and these must be puzzles the
// game accepts, byte for byte what each build carries.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "automation.h"
#include "device.h"
#include "game_state.h"
#include "install_pack.h"
#include "installer_ids.h"
#include "installer_state.h"
#include "pack_table.h"
#include "puzzle_reader.h"

HINSTANCE RegisterBramblesetOneResources();
HINSTANCE RegisterBramblesetTwoResources();
HINSTANCE RegisterBramblesetThreeResources();
HINSTANCE RegisterBramblesetFourResources();
HINSTANCE RegisterBramblesetFiveResources();
HINSTANCE RegisterBramblesetSixResources();

namespace {

struct Build {
    const char16_t* title;
    HINSTANCE (*registerResources)();
    const char16_t* firstName;
};

const Build kBuilds[6] = {
    {u"Brambleset One", RegisterBramblesetOneResources, u"55.puz"},
    {u"Brambleset Two", RegisterBramblesetTwoResources, u"scram.puz"},
    {u"Brambleset Three", RegisterBramblesetThreeResources, u"scoring.puz"},
    {u"Brambleset Four", RegisterBramblesetFourResources, u"idea.puz"},
    {u"Brambleset Five", RegisterBramblesetFiveResources, u"score.puz"},
    {u"Brambleset Six", RegisterBramblesetSixResources, u"gym.puz"},
};

std::string ReadHostFile(const std::u16string& devicePath)
{
    std::string relative(devicePath.begin(), devicePath.end());
    for (char& ch : relative)
        if (ch == '\\')
            ch = '/';
    std::ifstream in(std::string(std::getenv("CROSSWORD_DEVICE_ROOT")) + relative,
                     std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(AllPacks, EveryPackInstallsOnOneDeviceAndTheGameOpensAll186Files)
{
    AutomationResetDevice();
    int opened = 0;
    for (const Build& build : kBuilds) {
        gInstaller = {};
        gInstaller.instance = build.registerResources();
        const PackEntry* table = LoadPackTable(gInstaller.instance);
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(std::u16string(table[0].fileName), build.firstName);

        const std::u16string folder = u"\\My Documents\\" + std::u16string(build.title) + u"\\";
        AutomationAnswerFileDialog(folder + build.firstName);
        AutomationAnswerMessageBox(build.title, IDYES);
        ASSERT_TRUE(InstallPack(nullptr));
        EXPECT_EQ(AutomationFileDialogs().back().proposal, folder + build.firstName);

        for (int row = 0; row < kPackRows; ++row) {
            const std::u16string path = folder + table[row].fileName;
            HRSRC found = FindResourceW(gInstaller.instance, table[row].resourceName, PUZZLE_TYPE);
            ASSERT_NE(found, nullptr);
            const std::string embedded(
                static_cast<const char*>(LockResource(LoadResource(gInstaller.instance, found))),
                SizeofResource(gInstaller.instance, found));
            EXPECT_EQ(ReadHostFile(path), embedded);

            ASSERT_TRUE(ReadPuzzleFile(reinterpret_cast<LPCWSTR>(path.c_str())))
                << PuzzleRefusalText(LastPuzzleRefusal());
            ParsePuzzle();
            EXPECT_GT(gGame.width, 0);
            EXPECT_EQ(gGame.width, gGame.height) << "the packs' grids are square";
            ++opened;
        }
    }
    EXPECT_EQ(opened, 186);
    // Only the confirmations: every puzzle of every pack was written.
    EXPECT_EQ(AutomationMessageBoxes().size(), 6u);
}

}  // namespace
