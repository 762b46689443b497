// The file name a download proposes from the title of the puzzle it fetched (the title itself
// comes from ScanPuzzleTitle).
#pragma once

#include "title_scan.h"
#include "windows.h"

// The proposed file name of a title: its letters and digits in order, at most 10 of them,
// taken from its first 50 characters. `name` holds MAX_PATH characters.
void ProposedNameOf(const char* title, WCHAR* name);
