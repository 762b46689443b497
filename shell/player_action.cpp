// AfterPlayerAction.
#include "player_action.h"

#include "clue_bar.h"
#include "entry_check.h"
#include "game_state.h"
#include "puzzle_clock.h"
#include "undo_history.h"

void AfterPlayerAction(HWND window)
{
    RecordUndoStep();
    if (!UpdateSolved())
        return;
    ShowClock(window);
    PaintClueBar(window);
}
