// Drawing one square of the grid image: its rectangle, its letter and its clue number, at the
// geometry every grid painter shares. Internal to display/.
#pragma once

#include "windows.h"

// Cell (row, col) covers x0 .. x0 + cellSize and y0 .. y0 + cellSize inclusive: neighbours
// share their one-pixel border line.
int CellLeft(int col);
int CellTop(int row);

// The square as a Rectangle with the DC's current pen and brush; an open circled square gets
// its circle on top, so every painter shows it under the letter it draws next. A void square
// is no square: its inside takes the background colour whatever the brush, and no line.
void DrawSquare(HDC dc, int row, int col);

// The fills of squares nothing highlights, made from the settings for one paint.
struct SquareBrushes {
    HBRUSH open;    // settings.backgroundColour
    HBRUSH shaded;  // kShadedGrey, for the open squares the puzzle shades
    HBRUSH black;   // settings.squareColour
};
SquareBrushes CreateSquareBrushes();
void DeleteSquareBrushes(const SquareBrushes& brushes);
// Selects the brush of square `i` when nothing highlights it: black, shaded or open. Black
// is what the player sees (in a diagramless puzzle the blocks placed), or with `solution` the
// solution's black squares.
void SelectPlainBrush(HDC dc, const SquareBrushes& brushes, int i, bool solution = false);

// Square (row, col) as the block the solution has there, over whatever was drawn: what View
// shows of a diagramless puzzle's hidden blocks.
void DrawSolutionBlock(HDC dc, int row, int col);

// Every void square in the background colour, its border lines included. A full paint does
// this before drawing the other squares, whose own borders then close the puzzle's shape:
// between two void squares no line is left.
void ClearVoidSquares(HDC dc);
// The grey inner edge along the top and the left of an open square.
void DrawInnerEdge(HDC dc, int row, int col, HPEN grey);
// One grid byte centred in the square, in the letter font, in the DC's text colour.
void DrawLetter(HDC dc, int row, int col, char ch);
// A square's text centred in it: one letter as DrawLetter, several (a rebus) in a letter
// font shrunk until they fit the square's width.
void DrawSquareText(HDC dc, int row, int col, const char* text);
// The player's text of square `i`: as DrawSquareText, in grey for a pencil letter.
void DrawEntryText(HDC dc, int i, const char* text);
// How a clue number is laid out: as the full paint, as the highlight painters, or kept
// inside the square.
enum NumberBox { kNumberFullPaint = 0, kNumberSingleLine, kNumberInSquare };
// The square's clue number at its top-left corner in the number font, when it has one and
// the magnification and showNumbers ask for numbers.
void DrawNumber(HDC dc, int row, int col, NumberBox box);

// Makes a new pair of grid fonts for the current cellSize, deleting the previous pair.
void CreateGridFonts(HWND window);
// Makes the fonts when no PaintGrid has made them yet.
void EnsureGridFonts(HWND window);

// Draws the current word's squares yellow and the current square orange, then the letters:
// the entries, or the solution in red when `solution` is set, and the clue numbers in
// black. A square in no word in the current direction is highlighted alone.
void DrawCurrentWord(HDC dc, bool solution);
