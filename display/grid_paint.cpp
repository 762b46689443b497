// PaintGrid, PaintWordHighlight, SelectCellAt and the View commands.
#include "grid_paint.h"

#include <cstring>

#include "clue_bar.h"
#include "diagramless.h"
#include "display_state.h"
#include "game_state.h"
#include "grid_draw.h"
#include "keyboard.h"
#include "layout.h"
#include "play_cursor.h"
#include "square_text.h"

namespace {

// Every square of the grid: void ones as background first, black ones in their brush, open
// ones (shaded or not) with their inner edge, their letters (the entries, or the solution in
// red) and their numbers.
void DrawSquares(HDC dc, bool solution, const SquareBrushes& brushes, HPEN greyPen)
{
    const GameState& g = gGame;
    ClearVoidSquares(dc);
    for (int r = 0; r < g.height; ++r) {
        for (int c = 0; c < g.width; ++c) {
            const int i = r * g.width + c;
            if (SquareVoid(i))
                continue;
            // The solution shows the solution's blocks, which a diagramless grid otherwise hides.
            SelectPlainBrush(dc, brushes, i, solution);
            DrawSquare(dc, r, c);
            if (solution ? g.solution[i] == '.' : SquareBlock(i))
                continue;
            DrawInnerEdge(dc, r, c, greyPen);
            char text[kRebusTextSize];
            if (solution) {
                SquareSolutionText(i, text);
                SetTextColor(dc, kRevealRed);
                DrawSquareText(dc, r, c, text);
                SetTextColor(dc, kLineBlack);  // numbers stay black over the solution
            } else {
                SquareEntryText(i, text);
                DrawEntryText(dc, i, text);
            }
            // The player's numbering does not belong on the diagramless solution.
            if (!(solution && g.diagramless))
                DrawNumber(dc, r, c, kNumberFullPaint);
        }
    }
}

}  // namespace

void PaintGrid(HWND window, GridContents contents)
{
    HDC dc = gDisplay.backBuffer;
    if (!dc)
        return;
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    const GameState& g = gGame;

    const SquareBrushes brushes = CreateSquareBrushes();
    HPEN whitePen = CreatePen(PS_SOLID, 1, kPaperWhite);
    HPEN greyPen = CreatePen(PS_SOLID, 1, kInnerEdgeGrey);
    HPEN blackPen = CreatePen(PS_SOLID, 1, kLineBlack);

    HGDIOBJ oldPen = SelectObject(dc, whitePen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, 0, 0, g.bufferWidth, g.bufferHeight);
    SelectObject(dc, blackPen);
    DeleteObject(whitePen);

    CreateGridFonts(window);
    HGDIOBJ oldFont = SelectObject(dc, gDisplay.letterFont);
    SetBkColor(dc, g.settings.backgroundColour);
    SetBkMode(dc, TRANSPARENT);
    const bool solution = contents == kGridSolution;
    const COLORREF oldColour = solution ? SetTextColor(dc, kRevealRed) : GetTextColor(dc);
    DrawSquares(dc, solution, brushes, greyPen);
    if (solution)
        SetTextColor(dc, oldColour);

    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldFont);
    DeleteObject(greyPen);
    DeleteObject(blackPen);
    DeleteSquareBrushes(brushes);
    EndPaint(window, &paint);
}

void PaintWordHighlight(HWND window)
{
    if (!gDisplay.backBuffer)
        return;
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EnsureGridFonts(window);
    SetBkMode(gDisplay.backBuffer, TRANSPARENT);
    DrawCurrentWord(gDisplay.backBuffer, false);
    EndPaint(window, &paint);
}

void PaintViewedLetter(HWND window)
{
    HDC dc = gDisplay.backBuffer;
    const int square = CurrentSquare();
    if (!dc || square < 0 || square >= gGame.width * gGame.height)
        return;
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    HPEN pen = CreatePen(PS_SOLID, 1, kLineBlack);
    HBRUSH orange = CreateSolidBrush(kCursorOrange);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, orange);
    DrawSquare(dc, gGame.cursorRow, gGame.cursorCol);
    const COLORREF oldColour = SetTextColor(dc, kRevealRed);
    char text[kRebusTextSize];
    SquareSolutionText(square, text);
    if (gGame.solution[square] != '.')
        DrawSquareText(dc, gGame.cursorRow, gGame.cursorCol, text);
    else if (gGame.diagramless)
        DrawSolutionBlock(dc, gGame.cursorRow, gGame.cursorCol);
    SetTextColor(dc, kLineBlack);
    DrawNumber(dc, gGame.cursorRow, gGame.cursorCol, kNumberInSquare);
    SetTextColor(dc, oldColour);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(orange);
    EndPaint(window, &paint);
}

void PaintViewedWord(HWND window)
{
    if (!gDisplay.backBuffer)
        return;
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    DrawCurrentWord(gDisplay.backBuffer, true);
    EndPaint(window, &paint);
}
