// .jpz files written by hand: namespaces, squares and words, the clue lists, the refusals,
// and XML that tries to make the parser load or expand anything.
#include <gtest/gtest.h>

#include "document_probe.h"

namespace {

// The same 3 x 3 crossword as the ipuz tests: 1A AB, 3A CDE, 5A FG; 1D AC, 2D BDF, 4D EG.
std::string Jpz(const std::string& clues, const std::string& cellExtra = "",
                const std::string& puzzle = "crossword", const std::string& prefix = "")
{
    const std::string p = prefix.empty() ? "" : prefix + ":";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + p + "crossword-compiler-applet xmlns" +
           (prefix.empty() ? "" : ":" + prefix) +
           "=\"http://crossword.info/xml/crossword-compiler-applet\"><" + p +
           "rectangular-puzzle><" + p + "metadata><" + p + "title>T &amp; <b>U</b></" + p +
           "title><" + p + "creator>Au</" + p + "creator><" + p + "description>N</" + p +
           "description></" + p + "metadata><" + p + puzzle + "><" + p +
           "grid width=\"3\" height=\"3\">"
           "<" +
           p + "cell x=\"1\" y=\"1\" solution=\"A\" number=\"1\" " + cellExtra +
           "/>"
           "<" +
           p +
           "cell x=\"2\" y=\"1\" solution=\"B\" number=\"2\"/>"
           "<" +
           p +
           "cell x=\"3\" y=\"1\" type=\"void\"/>"
           "<" +
           p +
           "cell x=\"1\" y=\"2\" solution=\"C\" number=\"3\" type=\"clue\"/>"
           "<" +
           p +
           "cell x=\"2\" y=\"2\" solution=\"DD\" solve-state=\"D\"/>"
           "<" +
           p +
           "cell x=\"3\" y=\"2\" solution=\"E\" number=\"4\" background-color=\"#C0C0C0\"/>"
           "<" +
           p +
           "cell x=\"1\" y=\"3\" type=\"block\"/>"
           "<" +
           p +
           "cell x=\"2\" y=\"3\" solution=\"F\" number=\"5\"/>"
           "<" +
           p +
           "cell x=\"3\" y=\"3\" solution=\"G\" background-shape=\"circle\"/>"
           "</" +
           p +
           "grid>"
           "<" +
           p +
           "word id=\"10\" x=\"1-2\" y=\"1\"/>"
           "<" +
           p + "word id=\"11\"><" + p + "cells x=\"1\" y=\"2\"/><" + p +
           "cells x=\"2-3\" y=\"2\"/></" + p +
           "word>"
           "<" +
           p + "word id=\"12\" x=\"2\" y=\"1-3\"/>" + clues + "</" + p + puzzle + "></" + p +
           "rectangular-puzzle></" + p + "crossword-compiler-applet>";
}

const std::string kClues =
    "<clues><title><b>Across</b></title><clue word=\"10\" number=\"1\">a<i>b</i></clue>"
    "<clue word=\"11\" number=\"3\">c&#945;de</clue><clue number=\"5\">fg</clue></clues>"
    "<clues><title>Down</title><clue number=\"1\">ac</clue><clue word=\"12\" "
    "number=\"?\">bdf</clue>"
    "</clues>";

TEST(JpzReader, ReadsSquaresWordsCluesAndMetadataWithOrWithoutNamespacePrefixes)
{
    for (const std::string prefix : {"", "cc"}) {
        SCOPED_TRACE(prefix);
        const Reading r = Read(Jpz(kClues, "", "crossword", prefix));
        ASSERT_EQ(r.refusal, kDocumentAccepted) << r.reason;
        const PuzzleDocument& d = r.document;
        EXPECT_EQ(Rows(d), "AB#/C[DD]E/#FG");
        EXPECT_TRUE(d.cells[2].isVoid);
        EXPECT_FALSE(d.cells[6].isVoid);
        EXPECT_EQ(d.cells[3].given, "C");
        EXPECT_EQ(d.cells[4].saved, "D");
        EXPECT_EQ(Squares(d, [](const DocumentCell& c) { return c.shaded; }), "5");
        EXPECT_EQ(Squares(d, [](const DocumentCell& c) { return c.circled; }), "8");
        EXPECT_EQ(Clues(d.across), "1 ab\n3 c\xCE\xB1"
                                   "de\n5 fg\n");
        // "?" names no number: the word's squares place the clue.
        EXPECT_EQ(Clues(d.down), "1 ac\n2 bdf\n4 \n");
        EXPECT_EQ(d.title, "T & U");
        EXPECT_EQ(d.author, "Au");
        EXPECT_EQ(d.notes, "N");
    }
}

TEST(JpzReader, RefusesWhatTheGameCannotPlayWithItsReason)
{
    EXPECT_EQ(Read(Jpz(kClues, "", "acrostic")).reason,
              "This is an acrostic, which the game cannot play.");
    EXPECT_EQ(Read(Jpz(kClues, "", "coded")).reason,
              "This is a coded puzzle, which the game cannot play.");
    EXPECT_EQ(Read(Jpz(kClues, "right-bar=\"true\"")).reason, "Barred grids are not supported.");
    EXPECT_EQ(
        Read(Jpz(kClues + "<clues><title>Southeast</title><clue number=\"1\">x</clue></clues>"))
            .reason,
        "Clue lists other than Across and Down are not supported (Southeast).");
    EXPECT_EQ(
        Read(Jpz("<clues><title>Across</title></clues><clues fake=\"true\"><title>Down</title>"
                 "<clue number=\"•\">x</clue></clues>"))
            .refusal,
        kDocumentUnmatchedClue);
    EXPECT_EQ(Read(Jpz("<clues><title>Down</title><clue word=\"10\" number=\"A\">x</clue></clues>"))
                  .reason,
              "The clue A Down names no word of the grid.");
    EXPECT_EQ(Read("<?xml version=\"1.0\"?><html><body/></html>").refusal, kDocumentUnknownFormat);
    EXPECT_EQ(Read(Jpz(kClues).substr(0, 300)).refusal, kDocumentDamaged);
}

TEST(JpzReader, LoadsNoDocumentTypeAndExpandsNoEntity)
{
    // Entities of a document type, external or nested a billion times over, are never
    // expanded: the text keeps the reference as written, and nothing is fetched.
    const std::string doctype =
        "<!DOCTYPE crossword-compiler-applet [<!ENTITY lol \"lol\"><!ENTITY lol2 "
        "\"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\"><!ENTITY ext SYSTEM "
        "\"file:///etc/passwd\">]>";
    std::string file = Jpz("<clues><title>Across</title><clue number=\"1\">&lol2;&ext;</clue>"
                           "</clues>");
    file.insert(file.find('\n') + 1, doctype);
    const Reading r = Read(file);
    ASSERT_EQ(r.refusal, kDocumentAccepted) << r.reason;
    EXPECT_EQ(r.document.across[0].text, "&lol2;&ext;");
}

TEST(JpzReader, WordsAndSquaresOutsideTheGridAreRefusedOrNameNothing)
{
    std::string outside = Jpz(kClues);
    outside.replace(outside.find("x=\"3\" y=\"3\""), 11, "x=\"4\" y=\"3\"");
    EXPECT_EQ(Read(outside).reason, "The file is damaged: a square lies outside its grid.");
    EXPECT_EQ(Read(Jpz("<word id=\"20\" x=\"1-9\" y=\"1\"/><clues><title>Across</title>"
                       "<clue word=\"20\" number=\"x\">x</clue></clues>"))
                  .refusal,
              kDocumentUnmatchedClue);
    std::string huge = Jpz(kClues);
    huge.replace(huge.find("width=\"3\""), 9, "width=\"120\"");
    EXPECT_EQ(Read(huge).refusal, kDocumentBeyondCapacity);
}

}  // namespace
