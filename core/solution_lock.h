// Locked solutions: a file may carry its solution scrambled with a 4-digit key, together with
// the checksum of the real one, so a key can be tried without knowing the answer.
#pragma once

// Tries `key` (0 to 9999) on the locked solution of gGame. True when it unscrambles to the
// file's checksum: the solution is then the real one, solutionState kSolutionOpen and
// unlockKey the key, which the progress keeps. A wrong
// key, or a puzzle that is not locked, changes nothing and gives false.
bool UnlockSolution(int key);

// Takes an unlock back: the solution is the file's locked one again and the key is forgotten;
// the player's letters stay as they are. The checksum cannot tell every wrong key from the
// right one (a real file has two keys that match), so a player who used the wrong one needs
// this way back. False when no key is in use.
bool LockSolution();

// Whether the player's letters, where there are a few, mostly disagree with the solution: after
// an unlock, the sign of a key that matched the checksum but is not the puzzle's.
bool LettersMostlyDisagree();
