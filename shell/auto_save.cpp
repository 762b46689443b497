// The record last written is kept to compare with, so a timer after a change that changed
// nothing (a tap on the current square, a paused clock) writes nothing.
#include "auto_save.h"

#include <cstring>

#include "game_state.h"
#include "progress_file.h"
#include "puzzle_files.h"
#include "startup.h"
#include "whole_file.h"

namespace {

bool gScheduled = false;
bool gWrittenValid = false;
unsigned char gWritten[kProgressRecordSize];

// The record to the state file, and with `own` to the puzzle's own progress file first.
bool SaveProgress(bool own)
{
    unsigned char record[kProgressRecordSize];
    BuildProgressRecord(record);
    if (gWrittenValid && std::memcmp(record, gWritten, sizeof record) == 0)
        return true;
    bool saved = true;
    if (own && PuzzleOpen() && gGame.puzzlePath[0]) {
        WCHAR ownPath[MAX_PATH];
        ProgressPathOf(gGame.puzzlePath, ownPath);
        saved = WriteFileWhole(ownPath, record, kProgressRecordSize) == kWholeFileDone;
    }
    WCHAR state[MAX_PATH];
    StateFilePath(state);
    saved = WriteFileWhole(state, record, kProgressRecordSize) == kWholeFileDone && saved;
    // Only a record on both files may stand for "nothing to write": after an opening the
    // puzzle's own file still waits for its first change.
    gWrittenValid = saved && own;
    if (gWrittenValid)
        std::memcpy(gWritten, record, sizeof record);
    return saved;
}

}  // namespace

void ResetAutoSave()
{
    gScheduled = false;
    gWrittenValid = false;
}

void ScheduleAutoSave(HWND window)
{
    if (gScheduled || !window)
        return;
    gScheduled = SetTimer(window, kAutoSaveTimer, 1000, nullptr) != 0;
}

void OnAutoSaveTimer(HWND window)
{
    KillTimer(window, kAutoSaveTimer);
    gScheduled = false;
    SaveProgressNow();
}

bool SaveProgressNow()
{
    return SaveProgress(true);
}

bool SaveStartRecordNow()
{
    return SaveProgress(false);
}
