// The title of a .puz image found without parsing it, and the file name a download proposes
// from it. Both look only at the bytes they are given.
#pragma once

#include "windows.h"

// Copies the title of the .puz image `bytes` (`size` bytes) into `title` (`titleSize` bytes,
// always terminated): past the size bytes and the four zero bytes that follow them, to the
// first solution square ("." or "A"-"Z"), past both grids, then the zero-terminated string
// there. A scan that runs out of bytes gives what it found so far, often "".
void ScanPuzzleTitle(const unsigned char* bytes, int size, char* title, int titleSize);

// The proposed file name of a title: its letters and digits in order, at most 10 of them,
// taken from its first 50 characters. `name` holds MAX_PATH characters.
void ProposedNameOf(const char* title, WCHAR* name);
