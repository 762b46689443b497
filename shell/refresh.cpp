// Refresh and Present.
#include "refresh.h"

#include "check_painter.h"
#include "clue_bar.h"
#include "game_state.h"
#include "grid_paint.h"
#include "keyboard.h"
#include "layout.h"
#include "square_marks.h"

void Present(HWND window)
{
    PresentView(window, gGame.viewWidth, gGame.viewHeight, gGame.scrollX, gGame.scrollY);
}

void Refresh(HWND window, unsigned steps)
{
    if (steps & kLayout)
        ComputeLayout(window);
    if (steps & (kGrid | kSolutionGrid))
        PaintGrid(window, (steps & kSolutionGrid) ? kGridSolution : kGridEntries);
    if (steps & kCheckMarks)
        PaintCheckMarks(window, kMarkPuzzle);
    if (steps & kWord)
        PaintWordHighlight(window);
    if (steps & kViewLetter)
        PaintViewedLetter(window);
    if (steps & kViewWord)
        PaintViewedWord(window);
    if (steps & kCheckLetter)
        PaintCheckMarks(window, kMarkLetter);
    if (steps & kCheckWord)
        PaintCheckMarks(window, kMarkWord);
    if ((steps & kScroll) || ((steps & kScrollZoomed) && Magnified()))
        ScrollWordIntoView(window);
    if (steps & kClueBar)
        PaintClueBar(window);
    if ((steps & kKeyboard) && gGame.keyboardShown)
        PaintKeyboardImage(window);
    if (steps & kPresent)
        Present(window);
}
