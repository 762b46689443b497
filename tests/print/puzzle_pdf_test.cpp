// The renderer on sheets made here: how far the clues shrink and where they go when they do
// not fit, long notes, the squares' drawing (rebus, pencil, shading, voids) found by pixel
// probes, the paper of the locale and the file written whole.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "pdf_probe.h"
#include "puzzle_pdf.h"

namespace {

// Clue text of about `length` characters, different for every `seed`.
std::string ClueText(int seed, size_t length)
{
    static const char* const words[] = {"Capital", "of",   "old",    "river", "partner",  "in",
                                        "song",    "e.g.", "famous", "the",   "crossing", "Abbr."};
    std::string text;
    for (int k = 0; text.size() < length; ++k)
        text += std::string(text.empty() ? "" : " ") + words[(seed * 7 + k * 5) % 12];
    return text;
}

// A `side` x `side` sheet with no black squares and `clues` clues of `length` characters,
// half across, half down.
PrintSheet Sheet(int side, int clues, size_t length)
{
    PrintSheet sheet;
    sheet.title = "Sample Title";
    sheet.author = "Sample Author";
    sheet.copyright = "(c) Sample";
    sheet.width = sheet.height = side;
    sheet.squares.resize(size_t(side * side));
    for (int k = 0; k < clues; ++k)
        (k % 2 ? sheet.down : sheet.across).push_back({k + 1, ClueText(k, length)});
    return sheet;
}

PrintSquare& At(PrintSheet* sheet, int r, int c)
{
    return sheet->squares[size_t(r * sheet->width + c)];
}

std::string Written(const PrintSheet& sheet, PaperSize paper, const std::string& name)
{
    const std::string path = ScratchPath(name);
    std::string error;
    EXPECT_TRUE(WritePuzzlePdf(sheet, paper, path.c_str(), &error)) << error;
    return path;
}

TEST(PuzzlePdf, CluesThatCannotFitOnePageContinueOnTheNextAtReadableSize)
{
    const PrintSheet sheet = Sheet(21, 400, 180);
    const PrintLayout layout = LayOutPuzzlePdf(sheet, kPaperA4);
    EXPECT_TRUE(layout.cluesContinued);
    EXPECT_GE(layout.clueSize, 8);
    ASSERT_GT(layout.pages, 1);
    const std::string path = Written(sheet, kPaperA4, "long.pdf");
    EXPECT_EQ(PdfPages(path), layout.pages);
    const std::string last = Squeezed(PdfText(path, layout.pages));
    EXPECT_NE(last.find(Squeezed("400" + sheet.down.back().text)), std::string::npos);
}

TEST(PuzzlePdf, LongNotesGetAPageOfTheirOwnAndShortOnesStayUnderTheHeader)
{
    PrintSheet sheet = Sheet(15, 76, 24);
    sheet.notes = "Short note.\r\n";
    PrintLayout layout = LayOutPuzzlePdf(sheet, kPaperLetter);
    EXPECT_EQ(layout.notesPage, 1);
    EXPECT_EQ(layout.pages, 1);

    for (int k = 0; k < 40; ++k)
        sheet.notes += "A sentence of the notes, number " + std::to_string(k) + ".\r\n";
    layout = LayOutPuzzlePdf(sheet, kPaperLetter);
    EXPECT_EQ(layout.notesPage, 2);
    const std::string path = Written(sheet, kPaperLetter, "notes.pdf");
    ASSERT_EQ(PdfPages(path), 2);
    EXPECT_NE(PdfText(path, 1).find("notes are on page 2"), std::string::npos);
    EXPECT_NE(Squeezed(PdfText(path, 2)).find(Squeezed(sheet.notes)), std::string::npos);
}

// One row of probe squares: a rebus between two empty squares, ink and pencil letters, a
// shaded square, a black one and a void one.
TEST(PuzzlePdf, SquaresShowTheirRebusPencilShadingAndVoids)
{
    PrintSheet sheet = Sheet(8, 2, 10);
    At(&sheet, 0, 1).text = "ABCDEFGHIJ";
    At(&sheet, 0, 3).text = "W";
    At(&sheet, 0, 4).text = "W";
    At(&sheet, 0, 4).pencil = true;
    At(&sheet, 0, 5).shaded = true;
    At(&sheet, 0, 6).block = true;
    At(&sheet, 0, 7).voidSquare = true;
    const PrintLayout layout = LayOutPuzzlePdf(sheet, kPaperA4);
    const PageImage page =
        RenderRegion(Written(sheet, kPaperA4, "squares.pdf"), 1, 150, layout.grid);
    ASSERT_FALSE(page.grey.empty());
    const double s = layout.squareSize;
    // The inside of square (0, c), clear of its edges by `inset` of a square.
    auto inside = [&](int c, double inset) {
        const double x = layout.grid.x + c * s;
        const double y = layout.grid.y;
        return page.Darkest(x + inset * s, y + inset * s, x + (1 - inset) * s, y + (1 - inset) * s);
    };
    EXPECT_LT(inside(1, 0.1), 100) << "the rebus is drawn";
    EXPECT_GT(inside(0, 0.1), 230) << "the rebus stays in its square";
    EXPECT_GT(inside(2, 0.1), 230) << "the rebus stays in its square";
    EXPECT_LT(inside(3, 0.2), 60) << "ink";
    EXPECT_GT(inside(4, 0.2), 90) << "pencil is grey";
    EXPECT_LT(inside(4, 0.2), 200) << "pencil is drawn";
    EXPECT_NEAR(inside(5, 0.2), 209, 15) << "shaded";
    EXPECT_LT(inside(6, 0.2), 30) << "black";
    EXPECT_GT(inside(7, 0.05), 240) << "a void square has no edges";
    EXPECT_GT(page.Darkest(layout.grid.x + 7.3 * s, layout.grid.y - 3, layout.grid.x + 8 * s,
                           layout.grid.y + 3),
              240)
        << "nor an outline above it";
}

TEST(PuzzlePdf, TheFileIsReplacedWholeOrLeftAlone)
{
    const PrintSheet sheet = Sheet(5, 10, 10);
    const std::string path = ScratchPath("out.pdf");
    std::ofstream(path) << "old";
    std::string error;
    ASSERT_TRUE(WritePuzzlePdf(sheet, kPaperA4, path.c_str(), &error)) << error;
    EXPECT_EQ(PdfPages(path), 1);
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask) << "as readable as any new file";

    const std::string folder = ScratchPath("folder");
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(WritePuzzlePdf(sheet, kPaperA4, folder.c_str(), &error));
    EXPECT_NE(error.find(folder), std::string::npos) << error;
    EXPECT_FALSE(WritePuzzlePdf(sheet, kPaperA4, ScratchPath("none/out.pdf").c_str(), &error));
    int files = 0;
    for (const auto& item : std::filesystem::directory_iterator(ScratchPath("")))
        files += item.is_regular_file();
    EXPECT_EQ(files, 1) << "no temporary file is left";

    PrintSheet empty;
    EXPECT_FALSE(WritePuzzlePdf(empty, kPaperA4, path.c_str(), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(PdfPages(path), 1) << "a refused sheet leaves the old file";
}

TEST(PuzzlePdf, PaperFollowsTheLocalesCountry)
{
    const struct {
        const char* all;
        const char* paper;
        const char* lang;
        PaperSize expected;
    } cases[] = {
        {"", "", "en_US.UTF-8", kPaperLetter},
        {"", "", "fr_CA", kPaperLetter},
        {"", "", "en_GB.UTF-8", kPaperA4},
        {"", "", "C.UTF-8", kPaperA4},
        {"", "de_DE.UTF-8", "en_US.UTF-8", kPaperA4},
        {"en_US.UTF-8", "de_DE", "", kPaperLetter},
    };
    for (const auto& c : cases) {
        setenv("LC_ALL", c.all, 1);
        setenv("LC_PAPER", c.paper, 1);
        setenv("LANG", c.lang, 1);
        EXPECT_EQ(PaperFromLocale(), c.expected) << c.all << " " << c.paper << " " << c.lang;
    }
    for (const char* name : {"LC_ALL", "LC_PAPER", "LANG"})
        unsetenv(name);
}

}  // namespace
