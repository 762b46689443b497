// The pack table: which embedded puzzle is written under which file name. Each build carries
// its own table as a resource, so the installer's code is the same in all six builds.
#pragma once

#include "windows.h"

constexpr int kPackRows = 31;  // a month's worth of puzzles

struct PackEntry {
    const WCHAR* resourceName;  // "#256": the puzzle's PUZZLETYPE resource
    const WCHAR* fileName;      // "scoring.puz": the name it is installed under
};

// A build's table: exactly kPackRows rows, in installation and preview order.
using PackTable = PackEntry[kPackRows];

// The table of the build whose resources `instance` names, or nullptr when it has none.
const PackEntry* LoadPackTable(HINSTANCE instance);
