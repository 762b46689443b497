// .xd files written by hand: the older sections parted by blank lines and the newer named
// ones, rebus letters, the design's circles, colours and bars, given letters, clue marks.
#include <gtest/gtest.h>

#include "document_probe.h"

namespace {

const std::string kHeaded = R"(## Metadata

<!-- a comment
   over lines -->
Title: T
author:   Au  
copyright: C
rebus: 1=DD 2=EE
description: N

## Grid

AB#
C1E
.FG

## Clues

A1. {/ab/} ~ AB
A1 ^Hint: not a clue
A3. c {@ de | https://x @} ~ CDDE
A5. fg ~ FG

D1. ac ~ AC
D2. bdf ~ BDDF
D4. ~ EG

## Design

<style>O { background: circle }
S { background-light: #c0c0c0 }</style>

O..
..S
...

## Start

...
.1.
.X.
)";

TEST(XdReader, ReadsNamedSectionsWithRebusDesignAndStart)
{
    const Reading r = Read(kHeaded);
    ASSERT_EQ(r.refusal, kDocumentAccepted) << r.reason;
    const PuzzleDocument& d = r.document;
    EXPECT_EQ(Rows(d), "AB#/C[DD]E/#FG");
    EXPECT_EQ(Clues(d.across), "1 ab\n3 c de\n5 fg\n");
    EXPECT_EQ(Clues(d.down), "1 ac\n2 bdf\n4 \n");
    EXPECT_EQ(d.title, "T");
    EXPECT_EQ(d.author, "Au");
    EXPECT_EQ(d.notes, "N");
    EXPECT_EQ(Squares(d, [](const DocumentCell& c) { return c.circled; }), "0");
    EXPECT_EQ(Squares(d, [](const DocumentCell& c) { return c.shaded; }), "5");
    EXPECT_EQ(d.cells[4].given, "DD");
    EXPECT_EQ(d.cells[7].given, "X");
}

TEST(XdReader, ReadsTheOlderSectionsPartedByBlankLines)
{
    const Reading r =
        Read("Title: T\nAuthor: Au\n\n\nAB#\nCDE\n#FG\n\n\nA1. ab ~ AB\nA3. cde ~ CDE\n"
             "A5. fg ~ FG\n\nD1. ac ~ AC\nD2. bdf ~ BDF\nD4. eg ~ EG\n\n\nThe notes.\n");
    ASSERT_EQ(r.refusal, kDocumentAccepted) << r.reason;
    EXPECT_EQ(Rows(r.document), "AB#/CDE/#FG");
    EXPECT_EQ(Clues(r.document.down), "1 ac\n2 bdf\n4 eg\n");
    EXPECT_EQ(r.document.notes, "The notes.");
}

TEST(XdReader, RefusesBarsUnmatchedCluesAndBrokenGrids)
{
    std::string barred = kHeaded;
    barred.replace(barred.find("O { background: circle }"), 24, "O { bar-left: true }");
    EXPECT_EQ(Read(barred).reason, "Barred grids are not supported.");
    std::string unmatched = kHeaded;
    unmatched.replace(unmatched.find("D4. ~ EG"), 8, "D6. x ~ EG");
    EXPECT_EQ(Read(unmatched).reason, "The clue 6 Down names no word of the grid.");
    std::string ragged = kHeaded;
    ragged.replace(ragged.find("C1E"), 3, "C1EX");
    EXPECT_EQ(Read(ragged).reason, "The file is damaged: the rows of its grid differ in length.");
    EXPECT_EQ(Read("## Grid\n\n## Clues\nA1. x ~ Y\n").refusal, kDocumentDamaged);
    EXPECT_EQ(Read("## Grid\nA\xFF\n").refusal, kDocumentUnknownFormat);  // not UTF-8: no .xd
    EXPECT_EQ(Read("Just some text.\nNothing more.\n").refusal, kDocumentUnknownFormat);
    std::string wide = "## Grid\n" + std::string(100, 'A') + "\n";
    EXPECT_EQ(Read(wide).refusal, kDocumentBeyondCapacity);
}

}  // namespace
