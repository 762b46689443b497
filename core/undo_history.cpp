// The history is kept by comparison, not by hooks in every change: a shadow copy of the
// entries, rebus squares and marks as they were after the last step is compared with the
// grid after each action, and the squares that differ are recorded with their old content.
// So no change of the entries can slip past it, whatever made it. Steps live in a ring of
// square records; when it is full the oldest steps go. The honest marks are not the
// player's to take back: undoing a Fill leaves the square marked as given.
#include "undo_history.h"

#include <cstring>

#include "diagramless.h"
#include "game_state.h"

namespace {

constexpr int kRecords = 1 << 18;  // square records: 163 whole-grid steps of the largest grid
constexpr int kSteps = 1024;       // steps remembered at most

struct SquareRecord {
    uint16_t square;
    char entry;
    uint8_t marks;
    char rebus[kRebusTextSize];
};

struct Step {
    long first;  // its first record, counted over all records ever written
    int count;   // records
};

struct UndoHistory {
    char entries[kMaxCells];  // the shadow: the grid after the last step
    char rebus[kMaxCells][kRebusTextSize];
    uint8_t marks[kMaxCells];
    int squares;  // squares of the grid the shadow was taken of
    SquareRecord records[kRecords];
    long nextRecord;  // records ever written: the ring slot is this modulo kRecords
    Step steps[kSteps];
    int stepCount;  // steps held, the newest last (ring over kSteps)
    int newestStep;
};

UndoHistory gHistory;

int Squares()
{
    const int n = gGame.width * gGame.height;
    return n > 0 && n <= kMaxCells ? n : 0;
}

void TakeShadow()
{
    const int n = Squares();
    gHistory.squares = n;
    std::memcpy(gHistory.entries, gGame.entries, size_t(n));
    std::memcpy(gHistory.rebus, gGame.playerRebus, sizeof(gGame.playerRebus[0]) * size_t(n));
    std::memcpy(gHistory.marks, gGame.playerMarks, size_t(n));
}

bool Changed(int i)
{
    return gHistory.entries[i] != gGame.entries[i] ||
           ((gHistory.marks[i] ^ gGame.playerMarks[i]) & kMarkPencil) ||
           std::strncmp(gHistory.rebus[i], gGame.playerRebus[i], kRebusTextSize) != 0;
}

// Drops the oldest steps whose records the ring no longer holds.
void ForgetOverwritten()
{
    while (gHistory.stepCount > 0) {
        const int oldest = (gHistory.newestStep - gHistory.stepCount + 1 + kSteps) % kSteps;
        if (gHistory.nextRecord - gHistory.steps[oldest].first <= kRecords)
            return;
        --gHistory.stepCount;
    }
}

}  // namespace

void ResetUndoHistory()
{
    gHistory.stepCount = 0;
    gHistory.nextRecord = 0;
    TakeShadow();
}

void RecordUndoStep()
{
    const int n = Squares();
    if (n != gHistory.squares) {
        ResetUndoHistory();  // another grid: its history starts now
        return;
    }
    const long start = gHistory.nextRecord;
    for (int i = 0; i < n; ++i) {
        if (!Changed(i))
            continue;
        SquareRecord& r = gHistory.records[gHistory.nextRecord % kRecords];
        r.square = uint16_t(i);
        r.entry = gHistory.entries[i];
        r.marks = gHistory.marks[i];
        std::memcpy(r.rebus, gHistory.rebus[i], kRebusTextSize);
        ++gHistory.nextRecord;
    }
    if (gHistory.nextRecord == start)
        return;
    TakeShadow();
    gHistory.newestStep = (gHistory.newestStep + 1) % kSteps;
    gHistory.steps[gHistory.newestStep] = {start, int(gHistory.nextRecord - start)};
    if (gHistory.stepCount < kSteps)
        ++gHistory.stepCount;
    ForgetOverwritten();
}

bool UndoLastStep()
{
    RecordUndoStep();  // an action not yet closed is a step of its own
    if (gHistory.stepCount == 0)
        return false;
    const Step step = gHistory.steps[gHistory.newestStep];
    gHistory.newestStep = (gHistory.newestStep - 1 + kSteps) % kSteps;
    --gHistory.stepCount;
    int firstSquare = -1;
    for (int k = 0; k < step.count; ++k) {
        const SquareRecord& r = gHistory.records[(step.first + k) % kRecords];
        gGame.entries[r.square] = r.entry;
        gGame.playerMarks[r.square] =
            uint8_t((r.marks & kMarkPencil) | (gGame.playerMarks[r.square] & ~kMarkPencil));
        std::memcpy(gGame.playerRebus[r.square], r.rebus, kRebusTextSize);
        if (firstSquare < 0)
            firstSquare = r.square;
    }
    gHistory.nextRecord = step.first;  // its records are free again
    TakeShadow();
    FollowPlayerBlocks();  // a block taken back or brought back changes the words
    if (firstSquare >= 0)
        SetCursorToCell(firstSquare);
    return true;
}
