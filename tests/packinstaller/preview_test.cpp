// The preview list: titles in table order read back from temporary files that never clash
// with the user's files and never stay behind; the title scan on its own.
#include <sys/time.h>

#include <cstring>
#include <ctime>

#include "automation.h"
#include "installer_fixture.h"
#include "installer_ids.h"
#include "preview_list.h"
#include "test_puzzle.h"

namespace {

class PreviewTest : public InstallerTest {
  protected:
    // Opens dialog 183 as the Preview button does, but modeless so the list can be read.
    std::vector<std::string> PreviewTitles()
    {
        HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDD_PREVIEW), RT_DIALOG);
        const auto* dialogTemplate =
            static_cast<LPCDLGTEMPLATEW>(LockResource(LoadResource(instance, found)));
        HWND dialog =
            CreateDialogIndirectParamW(instance, dialogTemplate, nullptr, PreviewDialogProc, 0);
        EXPECT_NE(dialog, nullptr);
        std::vector<std::string> titles;
        const int count = int(SendDlgItemMessageW(dialog, IDC_PUZZLE_LIST, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            WCHAR text[260] = {};
            SendDlgItemMessageW(dialog, IDC_PUZZLE_LIST, LB_GETTEXT, WPARAM(i),
                                reinterpret_cast<LPARAM>(text));
            std::string narrow;
            for (int k = 0; text[k]; ++k)
                narrow += char(text[k]);
            titles.push_back(narrow);
        }
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_PUZZLE_LIST, LB_GETCURSEL, 0, 0), LB_ERR);
        DestroyWindow(dialog);
        return titles;
    }
};

TEST_F(PreviewTest, TwiceGivesTheSameTitlesInOrderAndLeavesNoTemporaryFile)
{
    // A user's own file named like a puzzle must come through untouched.
    Write("\\Temp\\scoring.puz", "the user's scoring.puz");

    std::vector<std::string> expected;
    for (int row = 0; row < 31; ++row)
        expected.push_back(Title(row));
    EXPECT_EQ(PreviewTitles(), expected);
    EXPECT_EQ(PreviewTitles(), expected);

    EXPECT_EQ(List("\\Temp"), std::vector<std::string>{"scoring.puz"});
    EXPECT_EQ(Read("\\Temp\\scoring.puz"), "the user's scoring.puz");
}

TEST_F(PreviewTest, AnEmptyTitleKeepsItsLineSoTheOthersKeepTheirPlaces)
{
    const std::vector<std::string> titles = PreviewTitles();
    ASSERT_EQ(titles.size(), 31u);
    EXPECT_EQ(titles[4], "");
    EXPECT_EQ(titles[3], "Test puzzle 3");
    EXPECT_EQ(titles[5], "Test puzzle 5");
}

TEST_F(PreviewTest, WithoutATempFolderTheListStaysEmpty)
{
    RemoveDirectoryW(u"\\Temp");
    EXPECT_TRUE(PreviewTitles().empty());
}

TEST_F(PreviewTest, ThePreviewButtonOpensTheListAndOkClosesIt)
{
    WaitForAnimation();
    TapPreview();
    TapAt(120, 272);  // the preview's OK button
    TapOk();
    RunProgram();
    EXPECT_TRUE(List("\\Temp").empty());
}

// A preview cut short by a death leaves its temporary files in "\\Temp"; the next start
// removes them, but not one a running preview may still be at, nor a user's own file.
TEST_F(PreviewTest, AStartRemovesWhatADeadPreviewLeft)
{
    Write("\\Temp\\~bs41.tmp", "a puzzle half written");
    Write("\\Temp\\~bs42.tmp", "a puzzle being written");
    Write("\\Temp\\~bs43.txt", "the user's own");
    const timeval aMinuteAgo[2] = {{time(nullptr) - 60, 0}, {time(nullptr) - 60, 0}};
    ASSERT_EQ(utimes(HostPath("\\Temp\\~bs41.tmp").c_str(), aMinuteAgo), 0);
    TapOk();
    RunProgram();
    EXPECT_EQ(List("\\Temp"), (std::vector<std::string>{"~bs42.tmp", "~bs43.txt"}));
}

}  // namespace
