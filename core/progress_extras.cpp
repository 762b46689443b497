// Rebus squares are stored only where the player put several letters, so a record of an
// ordinary grid carries nothing extra.
#include "progress_extras.h"

#include <cstring>

#include "game_state.h"
#include "play_time.h"
#include "progress_file.h"

namespace {

constexpr int kRebusHead = 3;  // square low byte, square high byte, size

void PutRebus(ProgressTailWriter* tail)
{
    unsigned char item[kProgressRecordSize];
    int size = 0;
    // Room left in the record: its end, less this item's head and the closing kind.
    const int start = tail->at ? tail->at : kProgressTailOffset + 4;
    const int room = kProgressRecordSize - start - 3 - 1;
    const int n = gGame.width * gGame.height;
    for (int i = 0; i < n && i < kMaxCells; ++i) {
        const int length = int(strnlen(gGame.playerRebus[i], kRebusTextSize - 1));
        if (length == 0)
            continue;
        if (size + kRebusHead + length > room)
            break;
        item[size] = static_cast<unsigned char>(i & 0xFF);
        item[size + 1] = static_cast<unsigned char>(i >> 8);
        item[size + 2] = static_cast<unsigned char>(length);
        std::memcpy(item + size + kRebusHead, gGame.playerRebus[i], size_t(length));
        size += kRebusHead + length;
    }
    if (size > 0)
        PutProgressTailItem(tail, kTailRebus, item, size);
}

// A bit per square of the grid the entries were filled for, set where the square has `mark`;
// nothing when no square has it.
void PutMarks(ProgressTailWriter* tail, int kind, uint8_t mark)
{
    const int n = gGame.width * gGame.height;
    unsigned char bits[(kMaxCells + 7) / 8] = {};
    bool any = false;
    for (int i = 0; i < n && i < kMaxCells; ++i) {
        if (gGame.playerMarks[i] & mark) {
            bits[i / 8] |= static_cast<unsigned char>(1 << (i % 8));
            any = true;
        }
    }
    if (any)
        PutProgressTailItem(tail, kind, bits, (n + 7) / 8);
}

// The cursor of an open puzzle, or of a held record that kept one: a record of no play at
// all stays as bare as the layout.
void PutCursor(ProgressTailWriter* tail)
{
    const bool moved = gGame.cursorRow != 0 || gGame.cursorCol != 0 || gGame.direction != kAcross;
    if (!PuzzleOpen() && !moved)
        return;
    const unsigned char cursor[3] = {static_cast<unsigned char>(gGame.cursorRow),
                                     static_cast<unsigned char>(gGame.cursorCol),
                                     static_cast<unsigned char>(gGame.direction)};
    PutProgressTailItem(tail, kTailCursor, cursor, sizeof cursor);
}

// The kept cursor, or -1 in every field when the record has none (or one no grid can hold).
void GetCursor(const unsigned char* record, RestoredPlay* play)
{
    int size = 0;
    const unsigned char* cursor = FindProgressTailItem(record, kTailCursor, &size);
    const bool kept = cursor && size == 3 && cursor[0] < kMaxSide && cursor[1] < kMaxSide &&
                      (cursor[2] == kAcross || cursor[2] == kDown);
    play->cursorRow = kept ? cursor[0] : -1;
    play->cursorCol = kept ? cursor[1] : -1;
    play->cursorDirection = kept ? cursor[2] : -1;
}

void GetMarks(const unsigned char* record, int kind, uint8_t mark, uint8_t* marks)
{
    int size = 0;
    const unsigned char* bits = FindProgressTailItem(record, kind, &size);
    for (int i = 0; bits && i < size * 8 && i < kMaxCells; ++i) {
        if (bits[i / 8] & (1 << (i % 8)))
            marks[i] |= mark;
    }
}

}  // namespace

void PutProgressExtras(ProgressTailWriter* tail)
{
    if (gGame.unlockKey >= 0) {
        const unsigned char key[2] = {static_cast<unsigned char>(gGame.unlockKey & 0xFF),
                                      static_cast<unsigned char>(gGame.unlockKey >> 8)};
        PutProgressTailItem(tail, kTailUnlockKey, key, sizeof key);
    }
    const unsigned char toggles = static_cast<unsigned char>((gGame.settings.pencil ? 1 : 0) |
                                                             (gGame.settings.marks ? 2 : 0));
    if (toggles)
        PutProgressTailItem(tail, kTailToggles, &toggles, 1);
    const unsigned char navigation = static_cast<unsigned char>(
        (gGame.settings.arrowSquares ? 1 : 0) | (gGame.settings.nextWordAfterLast ? 2 : 0) |
        (gGame.settings.skipAcrossWords ? 4 : 0));
    if (navigation)
        PutProgressTailItem(tail, kTailNavigation, &navigation, 1);
    if (ClockSeconds() > 0) {
        const uint32_t seconds = uint32_t(ClockSeconds());
        const unsigned char time[4] = {
            static_cast<unsigned char>(seconds), static_cast<unsigned char>(seconds >> 8),
            static_cast<unsigned char>(seconds >> 16), static_cast<unsigned char>(seconds >> 24)};
        PutProgressTailItem(tail, kTailTimer, time, sizeof time);
    }
    // Only a pause adds the item: a running clock leaves the record as older games wrote it.
    if (ClockPaused()) {
        const unsigned char paused = 1;
        PutProgressTailItem(tail, kTailPaused, &paused, 1);
    }
    PutCursor(tail);
    PutMarks(tail, kTailPencil, kMarkPencil);
    PutMarks(tail, kTailWasWrong, kMarkWasWrong);
    PutMarks(tail, kTailGiven, kMarkGiven);
    PutRebus(tail);  // last: the largest, and the one that may be cut
}

void GetProgressExtras(const unsigned char* record, RestoredPlay* play)
{
    std::memset(play->playerRebus, 0, sizeof play->playerRebus);
    std::memset(play->playerMarks, 0, sizeof play->playerMarks);
    GetMarks(record, kTailPencil, kMarkPencil, play->playerMarks);
    GetMarks(record, kTailWasWrong, kMarkWasWrong, play->playerMarks);
    GetMarks(record, kTailGiven, kMarkGiven, play->playerMarks);
    int size = 0;
    const unsigned char* toggles = FindProgressTailItem(record, kTailToggles, &size);
    gGame.settings.pencil = toggles && size == 1 && (toggles[0] & 1);
    gGame.settings.marks = toggles && size == 1 && (toggles[0] & 2);
    // A record older than the navigation preferences has none: today's moves.
    const unsigned char* navigation = FindProgressTailItem(record, kTailNavigation, &size);
    const int ways = navigation && size == 1 ? navigation[0] : 0;
    gGame.settings.arrowSquares = (ways & 1) != 0;
    gGame.settings.nextWordAfterLast = (ways & 2) != 0;
    gGame.settings.skipAcrossWords = (ways & 4) != 0;
    const unsigned char* time = FindProgressTailItem(record, kTailTimer, &size);
    play->timerSeconds =
        time && size == 4
            ? int32_t((time[0] | (time[1] << 8) | (time[2] << 16) | (uint32_t(time[3]) << 24)) &
                      0x7FFFFFFF)
            : -1;
    const unsigned char* rebus = FindProgressTailItem(record, kTailRebus, &size);
    for (int at = 0; rebus && at + kRebusHead <= size;) {
        const int square = rebus[at] | (rebus[at + 1] << 8);
        const int length = rebus[at + 2];
        if (at + kRebusHead + length > size)
            break;
        if (square < kMaxCells && length < kRebusTextSize)
            std::memcpy(play->playerRebus[square], rebus + at + kRebusHead, size_t(length));
        at += kRebusHead + length;
    }
    // A record from before the pause was kept has no such item: its clock runs.
    const unsigned char* paused = FindProgressTailItem(record, kTailPaused, &size);
    play->paused = paused && size == 1 && paused[0] == 1;
    GetCursor(record, play);
    const unsigned char* key = FindProgressTailItem(record, kTailUnlockKey, &size);
    play->unlockKey = key && size == 2 ? (key[0] | (key[1] << 8)) : -1;
}
