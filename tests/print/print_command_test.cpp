// The command line's printing: a PDF beside the puzzle or where -o says, the contents asked
// for, and for a file that is no puzzle or a target that cannot be written an exit status of 1
// with nothing left behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "pdf_probe.h"
#include "print_command.h"
#include "puzzle_image.h"

namespace {

int RunPrint(std::vector<std::string> args)
{
    args.insert(args.begin(), "printpdf");
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    return RunPrintCommand(int(argv.size()), argv.data());
}

std::string WriteHostFile(const std::string& name, const std::string& bytes)
{
    const std::string path = ScratchPath(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// The Q squares of the solution, as the PDF's text gives them.
size_t QSquares(const std::string& pdf)
{
    const std::string text = PdfText(pdf);
    return size_t(std::count(text.begin(), text.end(), 'Q'));
}

TEST(PrintCommand, WritesTheContentsAskedForBesideThePuzzleOrWhereTold)
{
    PuzzleImage puzzle = MakePuzzle({"QJQ", "JQJ", "QJQ"});
    AddClues(&puzzle);
    const std::string path = WriteHostFile("cow.puz", Bytes(puzzle));
    ASSERT_EQ(RunPrint({path}), 0);
    const std::string beside = path.substr(0, path.size() - 4) + ".pdf";
    EXPECT_EQ(PdfPages(beside), 1);
    EXPECT_EQ(QSquares(beside), 0u);  // the empty grid

    const std::string solution = ScratchPath("solution.pdf");
    ASSERT_EQ(RunPrint({path, "--solution", "--paper", "letter", "-o", solution}), 0);
    EXPECT_EQ(QSquares(solution), 5u);

    puzzle.fill = "Q-Q------";  // another program's letters
    const std::string played = WriteHostFile("played.puz", Bytes(puzzle));
    const std::string letters = ScratchPath("letters.pdf");
    ASSERT_EQ(RunPrint({played, "--letters", "-o", letters}), 0);
    EXPECT_EQ(QSquares(letters), 2u);
    ASSERT_EQ(RunPrint({played, "-o", letters}), 0);
    EXPECT_EQ(QSquares(letters), 0u);

    EXPECT_EQ(RunPrint({path, "--paper", "a5"}), 2);
    EXPECT_EQ(RunPrint({}), 2);
}

TEST(PrintCommand, AFileThatIsNoPuzzleOrATargetThatCannotBeWrittenLeavesNothing)
{
    const std::string notes = WriteHostFile("notes.puz", "shopping: eggs, milk\n");
    const std::string refused = ScratchPath("refused.pdf");
    EXPECT_EQ(RunPrint({notes, "-o", refused}), 1);
    EXPECT_FALSE(std::filesystem::exists(refused));
    EXPECT_EQ(RunPrint({ScratchPath("missing.puz"), "-o", refused}), 1);
    EXPECT_FALSE(std::filesystem::exists(refused));

    PuzzleImage puzzle = MakePuzzle({"CAT", "ORE", "WED"});
    AddClues(&puzzle);
    const std::string path = WriteHostFile("cat.puz", Bytes(puzzle));
    const std::string folder = ScratchPath("no-such-folder");
    EXPECT_EQ(RunPrint({path, "-o", folder + "/cat.pdf"}), 1);
    EXPECT_FALSE(std::filesystem::exists(folder));
}

}  // namespace
