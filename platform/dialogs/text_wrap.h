// Word wrapping for text the platform lays out itself (message boxes): breaks at blanks and
// at line feeds, and cuts a word that alone is wider than the line. Knows nothing of GDI:
// the caller supplies the width of a run of text.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Width in pixels of a run of text in the font the lines will be drawn with.
using TextMeasure = std::function<int(std::u16string_view)>;

// The lines of `text` wrapped to `maxWidth` pixels. Blanks at a break are dropped; "\r\n" and
// "\n" end a line (an empty line is kept); a word wider than the line is cut between
// characters, never leaving a line empty.
std::vector<std::u16string> WrapText(std::u16string_view text, int maxWidth,
                                     const TextMeasure& measure);
