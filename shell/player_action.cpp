// AfterPlayerAction.
#include "player_action.h"

#include "auto_save.h"
#include "clue_bar.h"
#include "entry_check.h"
#include "game_state.h"
#include "puzzle_clock.h"
#include "undo_history.h"

void AfterPlayerAction(HWND window)
{
    RecordUndoStep();
    ScheduleAutoSave(window);
    if (!UpdateSolved())
        return;
    ShowClock(window);
    PaintClueBar(window);
}
