// Markup to plain text: HTML tags and references, and the marks of .xd clues.
#include <gtest/gtest.h>

#include <algorithm>

#include "clue_markup.h"

TEST(ClueMarkup, HtmlLosesItsTagsAndKeepsItsText)
{
    EXPECT_EQ(HtmlToText("<b>Bold</b>, <i>italic</i> and <b><i>both</i></b>"),
              "Bold, italic and both");
    EXPECT_EQ(HtmlToText("Line<br/>break<br>twice"), "Line break twice");
    EXPECT_EQ(HtmlToText("<span style=\"color:red\">red</span> <sub>2</sub>"), "red 2");
    EXPECT_EQ(HtmlToText("  spread\n  over\tlines,  two spaces kept  "),
              "spread over lines,  two spaces kept");
    // A "<" that opens no tag is text.
    EXPECT_EQ(HtmlToText("I <3 NY, 2 < 3"), "I <3 NY, 2 < 3");
    EXPECT_EQ(HtmlToText("unclosed <b"), "unclosed <b");
}

TEST(ClueMarkup, CharacterReferencesBecomeUtf8)
{
    EXPECT_EQ(HtmlToText("&#945;&#x3B2;&#X3b3; &amp; &eacute;t&eacute; &quot;q&quot;"),
              "\xCE\xB1\xCE\xB2\xCE\xB3 & \xC3\xA9t\xC3\xA9 \"q\"");
    EXPECT_EQ(DecodeCharacterReferences("&mdash;&rsquo;&nbsp;"),
              "\xE2\x80\x94\xE2\x80\x99\xC2\xA0");
    // Unknown names, bad digits, code points that are no character and a lone "&" stay.
    EXPECT_EQ(DecodeCharacterReferences("&bogus; &#xZZ; &#0; &#xD800; &#1114112; AT&T &"),
              "&bogus; &#xZZ; &#0; &#xD800; &#1114112; AT&T &");
    // Decoded text is not markup again.
    EXPECT_EQ(HtmlToText("&lt;i&gt;"), "<i>");
}

TEST(ClueMarkup, XdMarksKeepWhatTheyShow)
{
    EXPECT_EQ(XdMarkupToText("with {*bold*}, {/italic/}, {_under_}, {-struck-} and {*{/both/}*}"),
              "with bold, italic, under, struck and both");
    EXPECT_EQ(XdMarkupToText("{~sub~} {^sup^}"), "sub sup");
    EXPECT_EQ(XdMarkupToText("{@ Linked text | https://example.com @}"), "Linked text");
    EXPECT_EQ(XdMarkupToText("{! picture.png | Alt text | 10 | 20 !}"), "Alt text");
    EXPECT_EQ(XdMarkupToText("{!! picture.png | Alt text | 10 | 20 !}"), "Alt text");
    EXPECT_EQ(XdMarkupToText("{# Coloured | #123456 | #654321 #}"), "Coloured");
    // Unbalanced or mismatched marks are text.
    EXPECT_EQ(XdMarkupToText("a {/b and c*} d {"), "a {/b and c*} d {");
    EXPECT_EQ(XdMarkupToText("a {/b and c*} d /}"), "a b and c*} d");
    EXPECT_EQ(XdMarkupToText("{/open {*inner*}"), "{/open inner");
}

TEST(ClueMarkup, DeepOrLongMarkupStaysLinear)
{
    std::string opens;
    for (int i = 0; i < 20000; ++i)
        opens += "{/";
    EXPECT_EQ(XdMarkupToText(opens).size(), opens.size());
    std::string nested;
    for (int i = 0; i < 40; ++i)
        nested = "{*" + nested + "x*}";
    // Marks past the nesting the reader follows stay as written; the text is all there.
    const std::string plain = XdMarkupToText(nested);
    EXPECT_EQ(std::count(plain.begin(), plain.end(), 'x'), 40);
    EXPECT_LT(plain.size(), nested.size());
    std::string tags;
    for (int i = 0; i < 20000; ++i)
        tags += "<b";
    EXPECT_EQ(HtmlToText(tags), tags);
}
