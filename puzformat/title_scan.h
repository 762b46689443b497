// The title of a .puz image found without parsing it: what the download proposes as a file
// name and the installer's preview lists. It looks only at the bytes it is given.
#pragma once

// Copies the title of the image `bytes` (`size` bytes, the header first) into `title`
// (`titleSize` bytes, always terminated): past the size bytes and the four zero bytes that
// follow them, to the first solution square ("." or "A"-"Z"), past both grids, then the
// zero-terminated string there, cut to the buffer or to the bytes given. False (title "") when
// the bytes end before the title starts.
bool ScanPuzzleTitle(const unsigned char* bytes, int size, char* title, int titleSize);
