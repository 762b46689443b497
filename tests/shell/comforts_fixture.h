// The solver's comforts played through the window procedure on a five-by-five puzzle: the
// fixture the pencil, marks, clock, undo and cross-reference scenarios share.
#pragma once

#include <string>
#include <vector>

#include "automation.h"
#include "clue_bar.h"
#include "game_dialog_fixture.h"
#include "game_state.h"
#include "main_window.h"
#include "puzzle_image.h"
#include "resource_ids.h"

inline const std::vector<std::string> kRows = {"HEART", "OVERT", "NORTH", "EASEL", "SLEDS"};
inline constexpr COLORREF kPencil = 0x00808080;
inline constexpr COLORREF kWrongCorner = 0x000000E0;
inline constexpr COLORREF kGivenCorner = 0x00E06000;

class ComfortsTest : public GameDialogTest {
  protected:
    // The five-by-five puzzle with a clue per word and `sections` after its strings.
    void Open(const std::string& sections = "")
    {
        PuzzleImage p = MakePuzzle(kRows);
        AddClues(&p);
        p.sections = sections;
        WriteDeviceFile("\\My Documents\\a.puz", Bytes(p));
        Restart();
    }
    void Type(const std::string& letters)
    {
        for (char c : letters)
            Key(UINT(c));
    }
    // Types every solution letter of row `row` from its first square.
    void TypeRow(int row)
    {
        TapCell(row, 0);
        if (gGame.direction != 0)
            Key(VK_RETURN);
        Type(kRows[size_t(row)]);
    }
    int Count(int row, int col, COLORREF colour) const
    {
        return CountPixels(CellOnScreen(row, col), colour);
    }
    std::u16string Title() const
    {
        WCHAR text[64] = {};
        GetWindowTextW(window, text, 64);
        return text;
    }
    std::u16string ClueBar() const
    {
        WCHAR text[300];
        ComposeClueBarText(text);
        return text;
    }
    // White pixels of the title in the navigation bar: its text as drawn.
    static int TitleInk()
    {
        int n = 0;
        for (int y = 0; y < 26; ++y)
            for (int x = 26; x < 236; ++x)
                n += AutomationScreenPixel(x, y) == 0x00FFFFFF;
        return n;
    }
    void Wait(int ms)
    {
        AutomationAdvance(uint32_t(ms));
        Idle();
    }
};
