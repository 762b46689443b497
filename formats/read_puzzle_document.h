// Reading a crossword file of any format the game knows into a PuzzleDocument: .puz, .ipuz,
// .jpz (bare or zipped) and .xd, told apart by their content, never by a file name.
#pragma once

#include <cstddef>
#include <string>

#include "puzzle_document.h"

// Reads `size` bytes into *out. On refusal *out is left empty and *reason (when given) holds a
// sentence for the player; on acceptance *reason is cleared. Never reads past `size`, and
// refuses rather than crashes or hangs on any bytes.
DocumentRefusal ReadPuzzleDocument(const void* bytes, size_t size, PuzzleDocument* out,
                                   std::string* reason);

// The extension a file of these bytes is named with: ".puz", ".ipuz", ".jpz" (a ZIP archive
// holding one is named so too) or ".xd"; ".puz" for anything else, the game's own format.
// Looks at the bytes as the reader chooses by them, without reading the puzzle.
const char* DocumentExtension(const void* bytes, size_t size);
