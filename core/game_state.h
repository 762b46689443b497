// The game's one state record, gGame: the open puzzle, the play position, the paths, the
// preferences and the view. Every subsystem reads and writes its fields directly. It is
// statically sized; its capacities are the limits of the whole game.
#pragma once

#include <cstdint>

#include "windows.h"

constexpr int kMaxCells = 1600;             // squares per puzzle (width x height)
constexpr int kMaxSide = 99;                // a side above this does not fit a progress record
constexpr int kMaxWords = 300;              // across words, and again down words
constexpr int kMaxClues = 400;              // clue strings, across and down together
constexpr int kMaxPuzzleFile = 16000;       // bytes of a .puz file, and of the image played
constexpr int kMaxCrosswordFile = 4 << 20;  // bytes of a file of another format
constexpr int kHeaderLineSize = 264;        // title "\n" author "\n" copyright, NUL included
constexpr int kProgressRecordSize = 4096;
constexpr int kRebusKeys = 255;     // keys 0-254: a square's GRBS byte is 1 + its key
constexpr int kRebusTextSize = 17;  // a rebus text: 16 characters and the NUL

enum Direction { kAcross = 0, kDown = 1 };
enum Magnification { kSmall = 0, kMedium = 1, kLarge = 2 };
enum PuzzleEncoding { kEncodingAnsi = 0, kEncodingUtf8 = 1 };
// Whether the solution grid is the real solution: a scrambled (locked) one or a file without
// one holds letters that would mark right entries wrong and reveal nonsense.
enum SolutionState { kSolutionOpen = 0, kSolutionLocked = 1, kSolutionMissing = 2 };

// Word membership of one square; -1 means none.
struct CellInfo {
    int32_t acrossClue;  // clue index of the across word through the square
    int32_t downClue;    // clue index of the down word through the square
    int32_t number;      // number printed in the square when a word starts there
};

// One word of acrossClues or downClues; a row of -1 values is free.
struct ClueEntry {
    int32_t clueIndex;  // index into clueTexts
    int32_t number;     // the number of the word's first square
    int32_t length;     // squares of the word
};

struct Settings {
    int32_t magnification[3];   // Small, Medium, Large: exactly one is 1
    int32_t autoSkip;           // 1: after a letter, skip to the next empty square
    int32_t showNumbers;        // 1: draw clue numbers in the grid
    COLORREF squareColour;      // fill of black squares
    COLORREF backgroundColour;  // fill of open squares
    int32_t pencil;             // 1: letters typed now are pencil letters, drawn grey
    int32_t marks;              // 1: show the marks Check and View / Fill leave
    int32_t arrowSquares;       // 1: an arrow moves one square (turning first), not a word
    int32_t nextWordAfterLast;  // 1: after a word's last letter, on to the next word
    int32_t skipAcrossWords;    // 1: Auto Skip goes on over filled squares into later words
};

// What the player's actions leave on a square, beside its letters. The values are the GEXT
// section's where the meanings match.
constexpr uint8_t kMarkPencil = 0x08;    // typed while Pencil was on
constexpr uint8_t kMarkWasWrong = 0x10;  // Check found it wrong
constexpr uint8_t kMarkGiven = 0x40;     // shown by View or Fill

struct GameState {
    // The open puzzle.
    int32_t width;                     // columns
    int32_t height;                    // rows
    char solution[kMaxCells];          // solution letter per square, row-major; "." black
    char entries[kMaxCells];           // the user's letters: "A"-"Z", "-" empty, "." black
                                       // (in a diagramless puzzle: a block the player put)
    CellInfo cells[kMaxCells];         // word membership per square
    ClueEntry acrossClues[kMaxWords];  // across words in grid order
    ClueEntry downClues[kMaxWords];    // down words in grid order
    const char* clueTexts[kMaxClues];  // clue strings in file order, pointing into fileBuffer
    char headerLine[kHeaderLineSize];  // title "\n" author "\n" copyright
    // Raw image of the puzzle file. One byte more than the largest file, always zero, so
    // the last string of a file is terminated even when the file itself does not end it.
    char fileBuffer[kMaxPuzzleFile + 1];
    int32_t fileSize;       // bytes of fileBuffer that came from the file
    int32_t headerOffset;   // bytes before the header (some files carry a few)
    int32_t textEncoding;   // PuzzleEncoding of the strings: UTF-8 for version 2.0 files
    int32_t clueCount;      // words of the grid = clue strings in use
    const char* notes;      // the string after the last clue, in fileBuffer ("" when none)
    int32_t solutionState;  // SolutionState of the solution grid
    // 1: the file hides its black squares and the player places them ("." in entries); the
    // word tables then follow the player's blocks (core/diagramless.cpp).
    int32_t diagramless;
    // What the file's extra sections add; a section with a wrong checksum or size is left out
    // on its own, as if the file had none.
    uint8_t squareFlags[kMaxCells];               // GEXT: circled, given, ... per square
    uint8_t squareStyles[kMaxCells];              // XSQF: void, shaded per square
    uint8_t rebusKeys[kMaxCells];                 // GRBS: 0, or 1 + the square's rebus key
    char rebusTable[kRebusKeys][kRebusTextSize];  // RTBL: the rebus texts by key
    char playerRebus[kMaxCells][kRebusTextSize];  // several letters the player put in a square
    int32_t scrambledChecksum;                    // sum of the locked solution's real letters
    int32_t unlockKey;  // the key that opened the solution, kept with the progress; -1 none
    int32_t solved;     // 1: every square filled and right
    uint8_t playerMarks[kMaxCells];  // kMark* flags per square

    int32_t cursorRow;  // row of the current square
    int32_t cursorCol;  // column of the current square
    int32_t direction;  // kAcross or kDown: which word of the square is current

    WCHAR puzzlePath[MAX_PATH];     // device path of the current puzzle
    WCHAR programFolder[MAX_PATH];  // folder of the program, with a trailing backslash

    Settings settings;

    int32_t cellSize;           // side of one square, pixels
    int32_t gridLeft;           // left margin that centres the grid
    int32_t viewWidth;          // visible grid area
    int32_t viewHeight;         //
    int32_t scrollX;            // offset of the visible area within the grid image
    int32_t scrollY;            //
    int32_t bottomPanelHeight;  // 20 for the clue bar, 65 with the on-screen keyboard, plus
                                // clueBarGrowth
    int32_t clueBarGrowth;      // pixels a long clue's bar reaches above its band's top
    int32_t keyboardShown;      // the on-screen keyboard is visible
    int32_t bufferWidth;        // size of the off-screen grid image
    int32_t bufferHeight;       //
};

extern GameState gGame;

// Gives every field its start-up value (the defaults of a first run): 15 x 15, Across,
// Small, auto skip and numbers off, black squares on white, every
// word table free.
void ResetGameState();

// Whether a puzzle file has been read into gGame: false after a start that found none it
// could open, while the fields still hold what the last run's record restored.
bool PuzzleOpen();

// Places the cursor on cell `index` of the current grid.
void SetCursorToCell(int index);

// First and last square of the word through `square` in `direction`: the run of neighbours
// in the same row (Across) or column (Down) carrying the same clue index. A square in no
// word that way, black ones included, is its own extent.
void WordExtent(int square, int direction, int* first, int* last);

// The other layers change gGame through these, so that every write of the record is core's.
// The settings the player chose (the menus, Preferences).
void SetSettings(const Settings& settings);
// The path of the puzzle now open (or none: ""), and the program's folder.
void SetPuzzlePath(LPCWSTR path);
void SetProgramFolder(LPCWSTR folder);

// The on/off settings of the Toggle menu; FlipSetting turns one over and gives its new value.
enum SettingToggle { kToggleAutoSkip, kToggleNumbers, kTogglePencil, kToggleMarks };
bool FlipSetting(SettingToggle which);

// The magnification index 0-2 of the settings (Small when none is set).
int MagnificationIndex(const Settings& settings);
void SetMagnification(Settings* settings, int index);
