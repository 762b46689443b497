// Replacing a file whole: the bytes go to a temporary file beside it, are flushed, and the
// temporary file is renamed over the old one, so a crash or a full disk leaves the old file
// or the new one, never a torn one and never none.
#pragma once

#include "windows.h"

// Writes `size` bytes as the new content of `path`. False (the old file untouched, no
// temporary file left) when any step fails; GetLastError then tells why.
bool ReplaceFileWhole(LPCWSTR path, const void* bytes, DWORD size);

// Reads up to `capacity` bytes of `path` into `bytes`; the count read, or -1 when the file
// cannot be opened or read.
int ReadFileStart(LPCWSTR path, void* bytes, DWORD capacity);
