// EnterKey, AdvanceCursor and ScrollWordIntoView.
#include "play_input.h"

#include "clue_bar.h"
#include "game_state.h"
#include "grid_paint.h"
#include "layout.h"
#include "play_cursor.h"
#include "play_scroll.h"
#include "rebus_entry.h"

void AdvanceCursor(HWND window)
{
    PaintGrid(window);
    StepCursorAfterLetter();
    PaintWordHighlight(window);
    PaintClueBar(window);
}

void EnterKey(HWND window, int key)
{
    if (RebusEntryOpen()) {
        RebusEntryKey(window, key);
        return;
    }
    if (key == kKeyBackspace) {
        if (EraseLetter()) {
            PaintGrid(window);
            StepBackInWord();
            PaintWordHighlight(window);
        }
    } else if (StoreLetter(key)) {
        AdvanceCursor(window);
    }
    PresentView(window, gGame.viewWidth, gGame.viewHeight, gGame.scrollX, gGame.scrollY);
}

void ScrollWordIntoView(HWND window)
{
    if (ScrollOffsetsToCurrentWord())
        PresentView(window, gGame.viewWidth, gGame.viewHeight, gGame.scrollX, gGame.scrollY);
}
