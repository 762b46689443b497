// Progress records: the puzzle path, the entries and the preferences in one 4096-byte record,
// stored as "crossword.dat" in the program folder and as "<puzzle>.dat" beside each puzzle.
#pragma once

#include "game_state.h"

// Lays out the record of the current gGame into `record` (kProgressRecordSize bytes):
// path, height, width, entries, magnification, auto skip, numbers, background and square
// colours, each as NUL-terminated decimal text in its fixed field; every other byte zero.
void BuildProgressRecord(unsigned char* record);

// Applies a record of `size` bytes (missing bytes read as zero) to gGame: puzzlePath, the
// entries and their grid size, the settings. A record that cannot be trusted (sizes not
// decimal 1-99, more than 1600 squares, a path without its NUL in 260 bytes) changes
// nothing and gives false.
bool ApplyProgressRecord(const unsigned char* record, int size);

// The puzzle path a whole record (kProgressRecordSize bytes) names, into `path` (MAX_PATH
// characters); false when the record has no path field.
bool ProgressRecordPath(const unsigned char* record, WCHAR* path);

// Writes the record to `path`, replacing the old file in one step: a failed write leaves
// the old record. Failures are silent.
void WriteProgressFile(LPCWSTR path);

// Reads and applies the record at `path`; false (nothing changed) when the file cannot be
// opened or its record cannot be trusted.
bool ReadProgressFile(LPCWSTR path);
