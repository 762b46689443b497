// Locked solutions: a file may carry its solution scrambled with a 4-digit key, together with
// the checksum of the real one, so a key can be tried without knowing the answer.
#pragma once

// Tries `key` (0 to 9999) on the locked solution of gGame. True when it unscrambles to the
// file's checksum: the solution is then the real one, solutionState kSolutionOpen and
// unlockKey the key, which the progress keeps. A wrong
// key, or a puzzle that is not locked, changes nothing and gives false.
bool UnlockSolution(int key);
