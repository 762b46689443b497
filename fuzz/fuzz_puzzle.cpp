// Any bytes as a puzzle file: the reader accepts or refuses them, and an accepted file
// parses into a grid that keeps every invariant, with fresh and with restored entries. Each
// input is tried once more with its header's checksum made right, so that mutations of the
// sizes reach the grid instead of stopping at the checksum.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "automation.h"
#include "grid_invariants.h"
#include "progress_file.h"
#include "puz_layout.h"
#include "puzzle_reader.h"

namespace {

void TryImage(const uint8_t* data, int length)
{
    if (LoadPuzzleImage(data, length)) {
        ParsePuzzle(nullptr);
        CheckGridInvariants();
        // The same puzzle again with its entries restored, as after a progress record.
        static RestoredPlay play;
        play.width = gGame.width;
        play.height = gGame.height;
        std::memcpy(play.entries, gGame.entries, sizeof play.entries);
        if (gGame.width > 0 && gGame.height > 0)
            play.entries[0] = play.entries[0] == '-' ? 'Q' : play.entries[0];
        play.timerSeconds = 7;
        play.unlockKey = 1234;
        ParsePuzzle(&play);
        CheckGridInvariants();
    } else {
        Require(LastPuzzleRefusal() != kPuzzleAccepted);
    }
}

// Where the header starts (the magic's offset less its own), or -1.
int FindHeader(const uint8_t* data, int length)
{
    for (int i = puz::kMagicOffset; i + int(sizeof puz::kMagic) <= length; ++i) {
        if (std::memcmp(data + i, puz::kMagic, sizeof puz::kMagic) == 0)
            return i - puz::kMagicOffset;
    }
    return -1;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("CROSSWORD_BACKEND", "headless", 1);
    ResetGameState();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const int length = size > size_t(kMaxPuzzleFile) + 64 ? kMaxPuzzleFile + 64 : int(size);
    TryImage(data, length);
    const int header = FindHeader(data, length);
    if (header >= 0 && header + puz::kGridOffset <= length) {
        std::vector<uint8_t> mended(data, data + length);
        const uint16_t sum = puz::ChecksumRegion(&mended[size_t(header + puz::kHeaderSumStart)],
                                                 puz::kHeaderSumSize, 0);
        mended[size_t(header + puz::kHeaderChecksumOffset)] = uint8_t(sum & 0xFF);
        mended[size_t(header + puz::kHeaderChecksumOffset + 1)] = uint8_t(sum >> 8);
        TryImage(mended.data(), length);
    }
    AutomationReset();  // the recorded message boxes would otherwise pile up
    return 0;
}
