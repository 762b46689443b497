// The game's door to puzzle files on the device: choosing and opening a puzzle, with the
// hand-over of progress between the puzzle left and the puzzle opened, and choosing where a
// downloaded puzzle is stored.
#pragma once

#include "puzzle_reader.h"
#include "windows.h"

// How an opening went: whether a puzzle was opened, and whether with progress of its own (a
// first opening shows the notes, which the puzzle may not be solvable without).
enum PuzzleOpening { kNotOpened = 0, kOpenedAgain, kOpenedFirst };

// Whether `name` ends in the extension of a format the game reads (.puz, .ipuz, .jpz, .xd; any
// case): the files Open File lists and the start looks at.
bool HasPuzzleExtension(LPCWSTR name);

// Lets the user pick a puzzle file and makes it the current puzzle (or the current one again);
// kNotOpened when the user cancelled or answered No, or when the chosen file was refused,
// which the user is told and which changes nothing.
PuzzleOpening OpenPuzzleFile(HWND owner);

// Makes the puzzle file `file` the current puzzle as Open File does once the user has chosen
// and confirmed it: the progress of the puzzle left is saved, the file's own comes back. A
// file that is not a puzzle is refused with Open File's message, owned by `owner`, and
// changes nothing; so does a No to the question asked when the progress left cannot be
// written (its letters would be lost).
PuzzleOpening OpenPuzzleAt(HWND owner, LPCWSTR file);

// Open File's message for a refused file, with the reason: "This file could not be opened as
// a puzzle: the file is damaged.", or the sentence of another format's reader ("Barred grids
// are not supported."). `text` holds `chars` WCHARs; kRefusalMessageChars hold any message.
constexpr int kRefusalMessageChars = 320;
void PuzzleRefusalMessage(PuzzleRefusal reason, WCHAR* text, int chars);

// Lets the user pick the path a download is stored at. `name` (MAX_PATH characters) holds
// the proposed file name and receives the name part of the chosen path; `path` (MAX_PATH)
// receives the full path; a name typed without an extension gets `extension` ("ipuz"). 1 when
// a path was chosen and confirmed; 0 otherwise, `path` untouched. The dialog is owned by the
// main window, the confirmation by `caller`.
int ChooseSaveLocation(HWND caller, WCHAR* name, LPCWSTR extension, WCHAR* path);

// The progress-file path of a puzzle: for a name ending in ".puz" (any case) those four
// characters replaced by ".dat"; any other name (an .ipuz, .jpz or .xd) keeps its whole name
// and adds ".progress", so "today.puz" and "today.jpz" in one folder never share a record.
void ProgressPathOf(LPCWSTR puzzlePath, WCHAR* progressPath);
