// Progress that must outlive a start-up which could not reopen the last puzzle. The exit
// after such a start rewrites "crossword.dat" for whatever puzzle is open then, so the record
// it held is kept first where the next opening of its puzzle looks for progress.
#pragma once

#include "windows.h"

// Keeps the record of `stateFile`, which names `lastPuzzle`: as the puzzle's own progress
// file when the puzzle's folder is there (the state file is never older than it), otherwise
// in the kept-records file of the program folder. A failed write is told in a box owned by
// `owner`.
void KeepUnopenedProgress(HWND owner, LPCWSTR stateFile, LPCWSTR lastPuzzle);

struct RestoredPlay;

// Brings back the progress of `puzzle` before it is parsed: from its own progress file, or
// else from a record kept for it, which then leaves the kept-records file. True when a
// record was applied: its settings to gGame, its play to `play` for the parse. A failed
// rewrite of the kept records is told in a box owned by `owner`.
bool ReadPuzzleProgress(HWND owner, LPCWSTR puzzle, RestoredPlay* play);
