// .ipuz files written by hand: the grid, the clues by number and by squares, what the
// content chooser takes for ipuz, the refusals and the bounds.
#include <gtest/gtest.h>

#include "document_probe.h"

namespace {

// A 3 x 3 crossword: 1A AB, 3A CDE, 5A FG; 1D AC, 2D BDF, 4D EG.
const std::string kPuzzle = R"([[1,2,"#"],[3,0,4],["#",5,0]])";
const std::string kClues =
    R"({"Across":[[1,"ab"],[3,"<i>cde</i>"],[5,"fg"]],"Down":[[1,"ac"],[2,"bdf"],[4,"eg"]]})";

std::string
Ipuz(const std::string& clues = kClues, const std::string& puzzle = kPuzzle,
     const std::string& extra = R"("solution":[["A","B","#"],["C","D","E"],["#","F","G"]],)",
     const std::string& kind = R"(["http://ipuz.org/crossword#1"])")
{
    return R"({"version":"http://ipuz.org/v2","kind":)" + kind +
           R"(,"dimensions":{"width":3,"height":3},"title":"T &amp; <b>U</b>","author":"Au",)"
           R"("copyright":"C","notes":"N",)" +
           extra + R"("puzzle":)" + puzzle + R"(,"clues":)" + clues + "}";
}

TEST(IpuzReader, ReadsTheGridTheCluesAndTheStrings)
{
    const Reading r = Read(Ipuz());
    ASSERT_EQ(r.refusal, kDocumentAccepted) << r.reason;
    EXPECT_EQ(Rows(r.document), "AB#/CDE/#FG");
    EXPECT_EQ(Clues(r.document.across), "1 ab\n3 cde\n5 fg\n");
    EXPECT_EQ(Clues(r.document.down), "1 ac\n2 bdf\n4 eg\n");
    EXPECT_EQ(r.document.title, "T & U");
    EXPECT_EQ(r.document.notes, "N");
    EXPECT_TRUE(r.document.hasSolution);
    EXPECT_TRUE(r.reason.empty());
}

TEST(IpuzReader, TakesWrappersTrailingCommasAndEveryShapeOfCellAndClue)
{
    // A JSONP wrapper, trailing commas, objects for squares (a circle, a shade, a given
    // letter), a rebus, a null square outside the grid, clues as objects with labels.
    const std::string puzzle =
        R"([[{"cell":1,"style":{"shapebg":"circle"}},"2",null,],)"
        R"([{"cell":3,"value":"C"},0,{"cell":4,"style":{"highlight":true}}],["#",5,0],])";
    const std::string clues =
        R"({"Across":[{"number":"1","clue":"ab"},{"number":3,"clue":"cde"},["5","fg",],],)"
        R"("Down:Going down":[[1,"ac"],[2,"bdf"],[4,"eg"]]})";
    const Reading r = Read(
        "ipuz(" +
        Ipuz(clues, puzzle, R"("solution":[["A","B",null],["C","DD","E"],[null,"F","G"]],)") + ")");
    ASSERT_EQ(r.refusal, kDocumentAccepted) << r.reason;
    EXPECT_EQ(Rows(r.document), "AB#/C[DD]E/#FG");
    EXPECT_TRUE(r.document.cells[2].isVoid);
    EXPECT_EQ(Squares(r.document, [](const DocumentCell& c) { return c.circled; }), "0");
    EXPECT_EQ(Squares(r.document, [](const DocumentCell& c) { return c.shaded; }), "5");
    EXPECT_EQ(r.document.cells[3].given, "C");
    EXPECT_EQ(Clues(r.document.down), "1 ac\n2 bdf\n4 eg\n");
}

TEST(IpuzReader, MatchesCluesByTheirSquaresWhereTheirLabelsAreNoNumbers)
{
    // Labels such as "1-2" name no number; the squares name the word, counted from 1 or,
    // where a 0 shows it, from 0. A word without a clue gets an empty one.
    const std::string fromOne =
        R"({"Across":[{"number":"x-y","clue":"cde","cells":[[1,2],[2,2],[3,2]]}],)"
        R"("Down":[{"number":"?","clue":"eg","cells":[[3,2],[3,3]]}]})";
    Reading r = Read(Ipuz(fromOne));
    ASSERT_EQ(r.refusal, kDocumentAccepted) << r.reason;
    EXPECT_EQ(Clues(r.document.across), "1 \n3 cde\n5 \n");
    EXPECT_EQ(Clues(r.document.down), "1 \n2 \n4 eg\n");
    const std::string fromZero =
        R"({"Across":[{"number":"x","clue":"ab","cells":[[0,0],[1,0]]}],"Down":[]})";
    r = Read(Ipuz(fromZero));
    ASSERT_EQ(r.refusal, kDocumentAccepted) << r.reason;
    EXPECT_EQ(Clues(r.document.across), "1 ab\n3 \n5 \n");
}

TEST(IpuzReader, RefusesWhatTheGameCannotPlayWithItsReason)
{
    const struct {
        std::string file;
        DocumentRefusal refusal;
        std::string reason;
    } cases[] = {
        {Ipuz(kClues, kPuzzle, "", R"(["http://ipuz.org/acrostic#1"])"), kDocumentAcrostic,
         "This is an acrostic, which the game cannot play."},
        {Ipuz(kClues, kPuzzle, "",
              R"(["http://ipuz.org/crossword#1","http://crosswordnexus.com/ipuz/coded#1"])"),
         kDocumentCoded, "This is a coded puzzle, which the game cannot play."},
        {Ipuz(kClues, kPuzzle, "", R"(["http://ipuz.org/sudoku#1"])"), kDocumentUnknownFormat,
         "This puzzle is not a crossword."},
        {Ipuz(kClues, R"([[1,{"cell":2,"style":{"barred":"L"}},"#"],[3,0,4],["#",5,0]])"),
         kDocumentBarred, "Barred grids are not supported."},
        {Ipuz(R"({"Across":[],"Down":[],"Diagonal":[[1,"x"]]})"), kDocumentOtherClueLists,
         "Clue lists other than Across and Down are not supported (Diagonal)."},
        {Ipuz(R"({"Across":[[7,"x"]]})"), kDocumentUnmatchedClue,
         "The clue 7 Across names no word of the grid."},
        {Ipuz(R"({"Across":[["•","x"]]})"), kDocumentUnmatchedClue,
         "The clue • Across names no word of the grid."},
        {Ipuz(R"({"Down":[[2,"x"],[2,"y"]]})"), kDocumentUnmatchedClue,
         "Two clues name the word 2 Down."},
        {Ipuz(kClues, kPuzzle, R"("fakecluegroups":["Down"],)"), kDocumentUnmatchedClue,
         "Its clues are not tied to the words of the grid, which the game cannot play."},
        {Ipuz(kClues, kPuzzle, R"("solution":[["A","SEVENTEENLETTERSX","#"]],)"),
         kDocumentBeyondCapacity,
         "A square holds \"SEVENTEENLETTERSX\"; the game holds at most 16 letters in one square."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const Reading r = Read(c.file);
        EXPECT_EQ(r.refusal, c.refusal);
        EXPECT_EQ(r.reason, c.reason);
        EXPECT_TRUE(r.document.cells.empty());
    }
}

TEST(IpuzReader, RefusesBrokenAndOversizedFilesWithoutReadingThemWhole)
{
    std::string deep = R"({"version":"http://ipuz.org/v2","x":)";
    deep += std::string(100000, '[') + std::string(100000, ']') + "}";
    EXPECT_EQ(Read(deep).reason, "The file is damaged: its JSON nests deeper than a puzzle needs.");
    EXPECT_EQ(Read(R"({"version":"http://ipuz.org/v2", "kind": [)").refusal, kDocumentDamaged);
    EXPECT_EQ(Read(R"({"version":"something else"})").refusal, kDocumentUnknownFormat);
    EXPECT_EQ(Read("{\"version\":\"http://ipuz.org/v2\",\"t\":\"\xFF\"}").refusal,
              kDocumentDamaged);  // not UTF-8
    const std::string big = Ipuz();
    std::string huge = big;
    huge.replace(huge.find("\"width\":3"), 9, "\"width\":1000000");
    EXPECT_EQ(Read(huge).refusal, kDocumentBeyondCapacity);
    std::string narrow = big;
    narrow.replace(narrow.find("\"width\":3"), 9, "\"width\":2");
    EXPECT_EQ(
        Read(narrow).reason,
        "The file is damaged: a row of its puzzle grid is not as wide as its dimensions say.");
    EXPECT_EQ(Read(std::string(size_t(kDocumentMaxInput) + 1, ' ')).refusal, kDocumentTooLarge);
}

TEST(IpuzReader, WithoutASolutionOrDiagramlessIsStillACrossword)
{
    Reading r = Read(Ipuz(kClues, kPuzzle, "", R"(["http://ipuz.org/crossword/diagramless#1"])"));
    ASSERT_EQ(r.refusal, kDocumentAccepted) << r.reason;
    EXPECT_TRUE(r.document.diagramless);
    EXPECT_FALSE(r.document.hasSolution);
    EXPECT_EQ(Rows(r.document), "__#/___/#__");
    r = Read(Ipuz(kClues, kPuzzle, R"("solution":[["A","B","#"],["C",null,"E"],["#","F","G"]],)"));
    EXPECT_FALSE(r.document.hasSolution);  // one square without its letter is no solution
}

}  // namespace
