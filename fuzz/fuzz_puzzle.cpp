// Any bytes as a puzzle file: the reader accepts or refuses them, and an accepted file
// parses into a grid that keeps every invariant, with fresh and with restored entries.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "automation.h"
#include "grid_invariants.h"
#include "puzzle_reader.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("CROSSWORD_BACKEND", "headless", 1);
    ResetGameState();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const int length = size > size_t(kMaxPuzzleFile) + 64 ? kMaxPuzzleFile + 64 : int(size);
    if (LoadPuzzleImage(data, length)) {
        gGame.entriesFromPuzzle = 1;
        ParsePuzzle();
        CheckGridInvariants();
        // The same puzzle again with the entries kept, as after a progress record.
        if (gGame.width > 0 && gGame.height > 0)
            gGame.entries[0] = gGame.entries[0] == '-' ? 'Q' : gGame.entries[0];
        gGame.entriesFromPuzzle = 0;
        ParsePuzzle();
        CheckGridInvariants();
    } else {
        Require(LastPuzzleRefusal() != kPuzzleAccepted);
    }
    AutomationReset();  // the recorded message boxes would otherwise pile up
    return 0;
}
