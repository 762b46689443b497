// Clue markup to plain text: the HTML of .ipuz and .jpz clues (<i>, <b>, <br>, <span>, ...),
// the marks of .xd clues ({/italic/}, {*bold*}, links, pictures, colours) and character
// references (&#945;, &amp;, &eacute;). Text stays UTF-8; only the markup goes.
#pragma once

#include <string>
#include <string_view>

// Tags removed (a line break becomes a space), character references decoded, white space that
// breaks a line made one space, the ends trimmed. A "<" that opens no tag ("<3") stays.
std::string HtmlToText(std::string_view html);

// Character references decoded and nothing else: named ones of HTML, &#NNN; and &#xHH;.
// An unknown or broken reference stays as written.
std::string DecodeCharacterReferences(std::string_view text);

// The .xd marks removed: style marks keep their text, a link or colour its text, a picture
// its alternative text. Unbalanced marks stay as written. The ends trimmed.
std::string XdMarkupToText(std::string_view text);
