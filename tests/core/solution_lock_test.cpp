// Locked solutions: which keys open one, what an unlock and a lock change and keep, and when
// the player's letters say a key was the wrong one.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "five_by_five_fixture.h"
#include "solution_lock.h"

namespace {

const std::vector<std::string> kHeart = {"HEART", "OVERT", "NORTH", "EASEL", "SLEDS"};

class SolutionLock : public FiveByFiveTest {
  protected:
    // Opens `rows` locked with `key`; the locked grid as the game holds it.
    static std::string OpenLocked(const std::vector<std::string>& rows, int key)
    {
        PuzzleImage p = MakePuzzle(rows);
        AddClues(&p);
        ScrambleSolution(&p, key);
        EXPECT_TRUE(LoadAndParse(Bytes(p)));
        EXPECT_EQ(gGame.solutionState, kSolutionLocked);
        return Solution();
    }
    static std::string Solution()
    {
        return std::string(gGame.solution, size_t(gGame.width * gGame.height));
    }
};

// Black squares are left out of the lock, and a grid may have fewer letters than a key digit.
TEST_F(SolutionLock, OnlyTheKeyOpensTheSolutionAndLockingTakesItBack)
{
    const std::string locked = OpenLocked(kFiveByFive, 1234);
    ASSERT_NE(locked, "ABC.DE.FGHIJKLMN.O.PQRS.T");
    for (int key : {-1, 10000, 0, 1235, 4321}) {
        EXPECT_FALSE(UnlockSolution(key)) << key;
        EXPECT_EQ(Solution(), locked);
    }
    EXPECT_FALSE(LockSolution());  // no key in use
    EXPECT_EQ(gGame.unlockKey, -1);

    ASSERT_TRUE(UnlockSolution(1234));
    EXPECT_EQ(Solution(), "ABC.DE.FGHIJKLMN.O.PQRS.T");
    EXPECT_EQ(gGame.solutionState, kSolutionOpen);
    EXPECT_EQ(gGame.unlockKey, 1234);
    EXPECT_FALSE(UnlockSolution(1234));  // open already

    gGame.entries[0] = 'A';
    gGame.solved = 1;
    ASSERT_TRUE(LockSolution());
    EXPECT_EQ(Solution(), locked);
    EXPECT_EQ(gGame.solutionState, kSolutionLocked);
    EXPECT_EQ(gGame.unlockKey, -1);
    EXPECT_EQ(gGame.solved, 0);
    EXPECT_EQ(gGame.entries[0], 'A');

    OpenLocked({"CAT", "DOG"}, 9876);
    ASSERT_TRUE(UnlockSolution(9876));
    EXPECT_EQ(Solution(), "CATDOG");
}

// Nothing but letters is ever locked: a locked grid holding another character opens with no
// key, and an open puzzle takes none.
TEST_F(SolutionLock, OnlyALockedGridOfLettersTakesAKey)
{
    EXPECT_FALSE(UnlockSolution(0));
    EXPECT_EQ(gGame.solutionState, kSolutionOpen);

    PuzzleImage p = MakePuzzle(kHeart);
    AddClues(&p);
    ScrambleSolution(&p, 4271);
    p.solution[7] = '7';
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_FALSE(UnlockSolution(4271));
    EXPECT_EQ(Solution(), p.solution);
}

// 9001 matches the checksum of the grid locked with 4271 but opens nonsense: the player's
// letters tell, and locking again lets the right key in.
TEST_F(SolutionLock, AKeyMatchingOnlyTheChecksumIsToldByTheLetters)
{
    OpenLocked(kHeart, 4271);
    for (int i = 0; i < 5; ++i)
        gGame.entries[i] = kHeart[0][size_t(i)];
    ASSERT_TRUE(UnlockSolution(9001));
    EXPECT_NE(Solution(), "HEARTOVERTNORTHEASELSLEDS");
    EXPECT_TRUE(LettersMostlyDisagree());
    ASSERT_TRUE(LockSolution());
    ASSERT_TRUE(UnlockSolution(4271));
    EXPECT_EQ(Solution(), "HEARTOVERTNORTHEASELSLEDS");
    EXPECT_FALSE(LettersMostlyDisagree());
}

// Fewer than three letters tell nothing; half of them wrong is not most.
TEST_F(SolutionLock, MostlyMeansMoreThanHalfOfAtLeastThreeLetters)
{
    EXPECT_FALSE(LettersMostlyDisagree());
    gGame.entries[0] = 'X';
    gGame.entries[1] = 'X';
    EXPECT_FALSE(LettersMostlyDisagree());
    gGame.entries[2] = 'C';
    EXPECT_TRUE(LettersMostlyDisagree());
    gGame.entries[4] = 'D';
    EXPECT_FALSE(LettersMostlyDisagree());
}

}  // namespace
