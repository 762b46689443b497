// The installer tests' puzzles, from the tests' .puz writer: a square grid whose letters
// run on from a given one, under a title of the test's choosing.
#pragma once

#include <string>

// A `side` x `side` puzzle whose letters start from `first`, titled `title`.
std::string MakeTestPuzzle(const std::string& title, int side, char first);
