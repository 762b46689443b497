// Progress records: the puzzle path, the entries and the preferences in one 4096-byte record,
// stored as "crossword.dat" in the program folder and as "<puzzle>.dat" beside each puzzle.
#pragma once

#include "game_state.h"
#include "whole_file.h"

// Lays out the record of the current gGame into `record` (kProgressRecordSize bytes):
// path, height, width, entries, magnification, auto skip, numbers, background and square
// colours, each as NUL-terminated decimal text in its fixed field; every other byte zero.
void BuildProgressRecord(unsigned char* record);

// What a record brings back of the play on one puzzle, for ParsePuzzle to keep when it fits
// the puzzle read: the entries and the grid they were saved for, the rebus squares, the marks,
// the time spent and whether the player had paused it, the key that opened a locked solution
// and where the cursor was.
struct RestoredPlay {
    int32_t width;                                // the grid the entries were saved for
    int32_t height;                               //
    char entries[kMaxCells];                      // as gGame.entries
    char playerRebus[kMaxCells][kRebusTextSize];  // as gGame.playerRebus
    uint8_t playerMarks[kMaxCells];               // as gGame.playerMarks
    int32_t timerSeconds;                         // seconds spent; -1 when the record kept none
    int32_t unlockKey;                            // -1 when no key was in use
    int32_t cursorRow;        // where the cursor was; -1 when the record kept no cursor
    int32_t cursorCol;        //
    int32_t cursorDirection;  // kAcross or kDown
    int32_t paused;           // 1 when the player had paused the clock
};

// Applies a record of `size` bytes (missing bytes read as zero): puzzlePath and the settings
// go to gGame, the play on the puzzle to `play`. A record that cannot be trusted (sizes not
// decimal 1-99, more than 1600 squares, a path without its NUL in 260 bytes) changes
// nothing and gives false.
bool ApplyProgressRecord(const unsigned char* record, int size, RestoredPlay* play);

// A start that could open no puzzle holds the play of the record it read in gGame (the
// puzzle still closed, PuzzleOpen false), so that the exit writes that record back as it came.
void HoldUnopenedPlay(const RestoredPlay& play);

// The puzzle path a whole record (kProgressRecordSize bytes) names, into `path` (MAX_PATH
// characters); false when the record has no path field.
bool ProgressRecordPath(const unsigned char* record, WCHAR* path);

// Writes the record to `path`, replacing the old file in one step: a failed write leaves
// the old record, and its step comes back (GetLastError tells why) for the caller to tell.
WholeFileStep WriteProgressFile(LPCWSTR path);

// Reads and applies the record at `path`; false (nothing changed) when the file cannot be
// opened or its record cannot be trusted.
bool ReadProgressFile(LPCWSTR path, RestoredPlay* play);
