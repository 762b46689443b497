// Rebus squares are stored only where the player put several letters, so a record of an
// ordinary grid carries nothing extra.
#include "progress_extras.h"

#include <cstring>

#include "game_state.h"

namespace {

constexpr int kRebusHead = 3;  // square low byte, square high byte, size

void PutRebus(ProgressTailWriter* tail)
{
    unsigned char item[kProgressRecordSize];
    int size = 0;
    // Room left in the record: its end, less this item's head and the closing kind.
    const int start = tail->at ? tail->at : kProgressTailOffset + 4;
    const int room = kProgressRecordSize - start - 3 - 1;
    const int n = gGame.entriesWidth * gGame.entriesHeight;
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

}  // namespace

void PutProgressExtras(ProgressTailWriter* tail)
{
    if (gGame.unlockKey >= 0) {
        const unsigned char key[2] = {static_cast<unsigned char>(gGame.unlockKey & 0xFF),
                                      static_cast<unsigned char>(gGame.unlockKey >> 8)};
        PutProgressTailItem(tail, kTailUnlockKey, key, sizeof key);
    }
    PutRebus(tail);
}

void GetProgressExtras(const unsigned char* record)
{
    std::memset(gGame.playerRebus, 0, sizeof gGame.playerRebus);
    int size = 0;
    const unsigned char* rebus = FindProgressTailItem(record, kTailRebus, &size);
    for (int at = 0; rebus && at + kRebusHead <= size;) {
        const int square = rebus[at] | (rebus[at + 1] << 8);
        const int length = rebus[at + 2];
        if (at + kRebusHead + length > size)
            break;
        if (square < kMaxCells && length < kRebusTextSize)
            std::memcpy(gGame.playerRebus[square], rebus + at + kRebusHead, size_t(length));
        at += kRebusHead + length;
    }
    const unsigned char* key = FindProgressTailItem(record, kTailUnlockKey, &size);
    gGame.unlockKey = key && size == 2 ? (key[0] | (key[1] << 8)) : -1;
}
