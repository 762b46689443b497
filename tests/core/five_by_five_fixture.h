// The small shared grid (kFiveByFive) loaded with every square empty: the fixture of the core
// tests that play on squares directly, without a window.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "game_state.h"
#include "puzzle_load.h"

class FiveByFiveTest : public testing::Test {
  protected:
    void SetUp() override
    {
        ResetGameState();
        ASSERT_TRUE(LoadGrid(kFiveByFive));
    }

    static std::string Entries() { return std::string(gGame.entries, 25); }

    static void At(int row, int col, int direction)
    {
        gGame.cursorRow = row;
        gGame.cursorCol = col;
        gGame.direction = direction;
    }
};
