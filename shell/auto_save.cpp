// The record last written is kept to compare with, so a timer after a change that changed
// nothing (a tap on the current square, a paused clock) writes nothing.
#include "auto_save.h"

#include <cstring>

#include "failed_write.h"
#include "game_state.h"
#include "progress_file.h"
#include "puzzle_files.h"
#include "startup.h"
#include "whole_file.h"

namespace {

constexpr UINT kAutoSaveDelayMs = 500;

bool gScheduled = false;
bool gFailureTold = false;  // the player knows the letters are not on disk
bool gWrittenValid = false;
unsigned char gWritten[kProgressRecordSize];

// A failed save is told once, with its reason, until a save succeeds again; the letters stay
// in the game and the next change tries again.
void TellFailure(HWND window, bool saved, DWORD error)
{
    if (saved) {
        gFailureTold = false;
        return;
    }
    if (gFailureTold)
        return;
    gFailureTold = true;
    WCHAR text[256];
    wsprintfW(text,
              u"Your letters could not be saved: %s (error %u). The game keeps them and tries "
              u"again at your next change.",
              FailedWriteReason(error), unsigned(error));
    MessageBoxW(window, text, u"Crossword", MB_OK | MB_ICONEXCLAMATION);
}

// The record to the state file, and with `own` to the puzzle's own progress file first.
bool SaveProgress(bool own, DWORD* error)
{
    *error = 0;
    unsigned char record[kProgressRecordSize];
    BuildProgressRecord(record);
    if (gWrittenValid && std::memcmp(record, gWritten, sizeof record) == 0)
        return true;
    bool saved = true;
    if (own && PuzzleOpen() && gGame.puzzlePath[0]) {
        WCHAR ownPath[MAX_PATH];
        ProgressPathOf(gGame.puzzlePath, ownPath);
        saved = WriteFileWhole(ownPath, record, kProgressRecordSize) == kWholeFileDone;
        if (!saved)
            *error = GetLastError();
    }
    WCHAR state[MAX_PATH];
    StateFilePath(state);
    saved = WriteFileWhole(state, record, kProgressRecordSize) == kWholeFileDone && saved;
    if (!saved && !*error)
        *error = GetLastError();
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
    gFailureTold = false;
}

void ScheduleAutoSave(HWND window)
{
    if (gScheduled || !window)
        return;
    // Half a second: the letters are on disk well inside the second promised, and a run of
    // keys still costs one write, not one each.
    gScheduled = SetTimer(window, kAutoSaveTimer, kAutoSaveDelayMs, nullptr) != 0;
}

void OnAutoSaveTimer(HWND window)
{
    KillTimer(window, kAutoSaveTimer);
    gScheduled = false;
    DWORD error = 0;
    const bool saved = SaveProgress(true, &error);
    TellFailure(window, saved, error);
}

void SaveAtClockTick(HWND window)
{
    OnAutoSaveTimer(window);
}

bool SaveProgressNow()
{
    DWORD error = 0;
    return SaveProgress(true, &error);
}

bool SaveStartRecordNow()
{
    DWORD error = 0;
    return SaveProgress(false, &error);
}

void CloseAfterSaving(HWND window)
{
    DWORD error = 0;
    if (!SaveProgress(true, &error)) {
        WCHAR text[256];
        wsprintfW(text,
                  u"Your letters could not be saved: %s (error %u). They will be lost if you "
                  u"quit now. Quit anyway?",
                  FailedWriteReason(error), unsigned(error));
        if (MessageBoxW(window, text, u"Crossword", MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
            return;
    }
    DestroyWindow(window);
}
