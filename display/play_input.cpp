// EnterKey, AdvanceCursor and ScrollWordIntoView.
#include "play_input.h"

#include "clue_bar.h"
#include "game_state.h"
#include "grid_paint.h"
#include "layout.h"
#include "play_cursor.h"
#include "play_scroll.h"
#include "puzzle_text.h"
#include "rebus_entry.h"
#include "square_text.h"

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

void EnterCharacter(HWND window, WCHAR ch)
{
    if ((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || ch <= u' ')
        return;  // keys of their own, control codes and the space
    char bytes[4];
    const int count = NarrowTypedCharacter(ch, bytes, sizeof bytes);
    if (count == 0)
        return;
    if (RebusEntryOpen()) {
        RebusEntryType(window, bytes, count);
        return;
    }
    const int byte = static_cast<unsigned char>(bytes[0]);
    if (count == 1 && IsEntryByte(byte))
        EnterKey(window, byte);
}

void ScrollWordIntoView(HWND window)
{
    if (ScrollOffsetsToCurrentWord())
        PresentView(window, gGame.viewWidth, gGame.viewHeight, gGame.scrollX, gGame.scrollY);
}
