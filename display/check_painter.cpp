// PaintCheckMarks and ReportCheck.
#include "check_painter.h"

#include "diagramless.h"
#include "display_state.h"
#include "entry_check.h"
#include "game_state.h"
#include "grid_draw.h"
#include "layout.h"
#include "play_cursor.h"
#include "square_marks.h"
#include "square_text.h"

namespace {

// A placed block where the solution has a letter: red inside its border, as a wrong letter
// is red.
void DrawWrongBlock(HDC dc, int row, int col)
{
    const int x0 = CellLeft(col);
    const int y0 = CellTop(row);
    const RECT inside = {x0 + 1, y0 + 1, x0 + gGame.cellSize, y0 + gGame.cellSize};
    HBRUSH red = CreateSolidBrush(kRevealRed);
    FillRect(dc, &inside, red);
    DeleteObject(red);
}

}  // namespace

void PaintCheckMarks(HWND window, int scope)
{
    HDC dc = gDisplay.backBuffer;
    if (!dc)
        return;
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EnsureGridFonts(window);
    const GameState& g = gGame;
    HPEN blackPen = CreatePen(PS_SOLID, 1, kLineBlack);
    const SquareBrushes brushes = CreateSquareBrushes();
    HBRUSH yellow = CreateSolidBrush(kWordYellow);
    HBRUSH orange = CreateSolidBrush(kCursorOrange);
    HGDIOBJ oldPen = SelectObject(dc, blackPen);
    HGDIOBJ oldBrush = SelectObject(dc, brushes.open);
    SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = GetTextColor(dc);
    const bool whole = scope == kMarkPuzzle;
    for (int r = 0; r < g.height; ++r) {
        for (int c = 0; c < g.width; ++c) {
            const int i = r * g.width + c;
            const CheckMark mark = CheckSquare(i);
            if (!whole && (mark != kCheckWrong || !SquareInScope(i, MarkScope(scope))))
                continue;
            // The whole grid shows no highlight and no inner edge, only the entries; a letter
            // or a word is drawn again in its highlight, so no black of its letter shows.
            if (whole)
                SelectPlainBrush(dc, brushes, i);
            else
                SelectObject(dc, i == CurrentSquare() ? orange : yellow);
            DrawSquare(dc, r, c);
            if (mark == kCheckBlack)
                continue;
            if (mark == kCheckWrong && SquareBlock(i)) {
                DrawWrongBlock(dc, r, c);
                continue;
            }
            if (mark != kCheckEmpty) {
                SetTextColor(dc, mark == kCheckWrong ? kRevealRed : oldColour);
                char text[kRebusTextSize];
                SquareEntryText(i, text);
                DrawSquareText(dc, r, c, text);
                SetTextColor(dc, oldColour);
            }
            DrawNumber(dc, r, c, kNumberSingleLine);
        }
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(blackPen);
    DeleteObject(yellow);
    DeleteObject(orange);
    DeleteSquareBrushes(brushes);
    EndPaint(window, &paint);
}

void ReportCheck(HWND window)
{
    switch (CheckEntries()) {
    case kCheckNotStarted:
        MessageBoxW(window,
                    u"This button will check puzzle for errors. You've have not yet started the "
                    u"puzzle, so there is nothing to check.",
                    u"Puzzle Checker", MB_OK);
        break;
    case kCheckAllRight:
        MessageBoxW(window, u"All the letters entered so far are correct.", u"Nothing Wrong",
                    MB_OK);
        break;
    case kCheckHasWrong: break;  // the red letters are the report
    }
}
