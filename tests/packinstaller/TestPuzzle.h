// A tiny .puz writer for the installer's tests: the header fields the title scan walks, a
// square solution and fill, and the strings. No checksums: the installer never reads them.
#pragma once

#include <string>

// A `side` x `side` puzzle whose letters start from `first`, titled `title`.
std::string MakeTestPuzzle(const std::string& title, int side, char first);
