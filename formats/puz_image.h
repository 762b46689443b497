// Writing a PuzzleDocument as the .puz image the game's reader accepts: header and checksums,
// solution and fill grids, the strings in the game's clue order, and the extra sections for
// circles, rebus squares, the squares that are void or shaded (puz::kSquareStyleSection) and
// the letters a player left, rebus ones included.
#pragma once

#include <string>

#include "puzzle_document.h"

// Writes the image of `document` into *image. Refuses (with a sentence in *reason) a
// document beyond the game's capacities or whose image would pass 16000 bytes.
DocumentRefusal WritePuzImage(const PuzzleDocument& document, std::string* image,
                              std::string* reason);
