// The lock works on the solution's letters read column by column, black squares left out:
// for each key digit in turn, every letter is shifted by the key digit of its position
// (cycling through the four), the string is rotated left by the digit, and its two halves
// are interleaved, second half first. Unlocking runs those steps backwards.
#include "solution_lock.h"

#include <cstring>

#include "entry_check.h"
#include "game_state.h"
#include "puz_layout.h"

namespace {

constexpr int kKeyDigits = 4;

// Undoes the interleave: the letters at odd places were the first half.
void Unshuffle(char* s, int length, char* scratch)
{
    int at = 0;
    for (int i = 1; i < length; i += 2)
        scratch[at++] = s[i];
    for (int i = 0; i < length; i += 2)
        scratch[at++] = s[i];
    std::memcpy(s, scratch, size_t(length));
}

// Rotates right by `count`, undoing the rotation left.
void RotateRight(char* s, int length, int count, char* scratch)
{
    count %= length;
    std::memcpy(scratch, s + length - count, size_t(count));
    std::memcpy(scratch + count, s, size_t(length - count));
    std::memcpy(s, scratch, size_t(length));
}

}  // namespace

bool UnlockSolution(int key)
{
    if (gGame.solutionState != kSolutionLocked || key < 0 || key > 9999)
        return false;
    const int w = gGame.width;
    const int h = gGame.height;
    char letters[kMaxCells];
    char scratch[kMaxCells];
    int length = 0;
    for (int c = 0; c < w; ++c) {
        for (int r = 0; r < h; ++r) {
            const char ch = gGame.solution[r * w + c];
            if (ch == '.')
                continue;
            if (ch < 'A' || ch > 'Z')
                return false;  // only letters are ever scrambled
            letters[length++] = ch;
        }
    }
    if (length == 0)
        return false;
    const int digits[kKeyDigits] = {key / 1000, key / 100 % 10, key / 10 % 10, key % 10};
    for (int k = kKeyDigits - 1; k >= 0; --k) {
        Unshuffle(letters, length, scratch);
        RotateRight(letters, length, digits[k], scratch);
        for (int i = 0; i < length; ++i)
            letters[i] = char('A' + (letters[i] - 'A' + 26 - digits[i % kKeyDigits]) % 26);
    }
    if (puz::ChecksumRegion(letters, length, 0) != gGame.scrambledChecksum)
        return false;
    int at = 0;
    for (int c = 0; c < w; ++c) {
        for (int r = 0; r < h; ++r) {
            if (gGame.solution[r * w + c] != '.')
                gGame.solution[r * w + c] = letters[at++];
        }
    }
    gGame.solutionState = kSolutionOpen;
    gGame.unlockKey = key;
    return true;
}

bool LockSolution()
{
    if (gGame.unlockKey < 0 || gGame.solutionState != kSolutionOpen)
        return false;
    // The file's image still holds the locked solution: fileBuffer is never written.
    const char* grid = gGame.fileBuffer + gGame.headerOffset + puz::kGridOffset;
    for (int i = 0; i < gGame.width * gGame.height; ++i) {
        if (gGame.solution[i] != '.')
            gGame.solution[i] = grid[i];
    }
    gGame.solutionState = kSolutionLocked;
    gGame.unlockKey = -1;
    gGame.solved = 0;
    return true;
}

bool LettersMostlyDisagree()
{
    constexpr int kFewestLetters = 3;  // fewer tell nothing about the key
    int letters = 0;
    int wrong = 0;
    for (int i = 0; i < gGame.width * gGame.height; ++i) {
        const CheckMark mark = CheckSquare(i);
        letters += mark == kCheckRight || mark == kCheckWrong;
        wrong += mark == kCheckWrong;
    }
    return letters >= kFewestLetters && 2 * wrong > letters;
}
