// Diagramless puzzles: the file hides where its black squares are and the player places them,
// as "." in the entries. The word tables of gGame (cells, acrossClues, downClues, clueTexts)
// then follow the player's blocks and are numbered again whenever one comes or goes; the
// file's own words, numbered from the solution, are kept here for the clue list and the print.
// An ordinary puzzle passes through every function unchanged.
#pragma once

#include "game_state.h"

// Whether square `i` is drawn and played as a block: a black square of the solution, or in a
// diagramless puzzle a block the player placed.
bool SquareBlock(int i);

// Whether square `i` takes an entry: an open square, or any square of a diagramless puzzle
// (a letter typed on a placed block replaces it).
bool SquareTakesEntry(int i);

// The reader's call once the file's words are numbered and measured from the solution: keeps
// them, then numbers the player's layout in their place.
void KeepFileWords();

// Numbers the player's layout again after the entries changed: each word's clue is the file's
// clue of the same number and direction, or none (nullptr in clueTexts) when the file has no
// such word. Nothing for an ordinary puzzle.
void FollowPlayerBlocks();

// The words the file's clues belong to, as acrossClues / downClues hold them (a free row,
// clueIndex -1, ends the list), and the clue of one of them: for an ordinary puzzle the game's
// own tables, for a diagramless one those the solution numbers.
const ClueEntry* FileWords(int direction);
const char* FileClueText(const ClueEntry& word);
// The number the file's own layout prints in square `i`, or -1 for none (the solution's
// numbering, whatever the player has laid out).
int FileSquareNumber(int i);

// The "." key: a block on the current square, then the cursor one square on in the current
// direction (at the grid's edge it stays). False, nothing changed, for an ordinary puzzle.
bool TypeBlock();

// The Block command: a block on the current square, or the square open again when it
// holds one. False, nothing changed, for an ordinary puzzle.
bool ToggleBlock();
