// A headless main window for the display's tests: a 240 x 268 client area at the top of the
// visible desktop, a puzzle built in code, the keyboard picture as a resource, and probes
// that read the screen (client coordinates) and the grid image.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_state.h"
#include "probe_values.h"
#include "puzzle_image.h"
#include "windows.h"

// Text is anti-aliased: its ink is told by its hue, not by one exact colour.
bool IsDark(COLORREF c);     // black text and its darker edge pixels
bool IsReddish(COLORREF c);  // red text over a light or yellow fill

// The colour of the keyboard picture the tests register as bitmap 138.
constexpr COLORREF kPictureGrey = 0x00A0A0A0;

// An all-open grid of `width` columns and `height` rows ("A" everywhere).
std::vector<std::string> OpenGrid(int width, int height);

class DisplayTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Loads a puzzle with a clue per word: "c0", "c1", ... unless `clues` are given.
    static void Load(const std::vector<std::string>& rows,
                     const std::vector<std::string>& clues = {},
                     const std::string& version = "1.3");
    // Sets the magnification and lays the view out again.
    void Layout(int magnification);

    // Probes. Screen points are client coordinates of the window.
    Colour Screen(int x, int y) const;
    static Colour Buffer(int x, int y);
    // Bounding box of the grid image's pixels of `colour` inside `area`; all zero if none.
    static RECT BufferInk(const RECT& area, COLORREF colour);
    // Bounding box of the grid image's pixels for which `ink` holds.
    static RECT BufferInkWhere(const RECT& area, bool (*ink)(COLORREF));
    // The same on the screen, client coordinates.
    RECT ScreenInk(const RECT& area, COLORREF colour) const;
    RECT ScreenInkWhere(const RECT& area, bool (*ink)(COLORREF)) const;
    // Centre of square (row, col) in grid-image coordinates.
    static POINT CellCentre(int row, int col);
    // The square's inside (its border line excluded), grid-image coordinates.
    static RECT CellInside(int row, int col);
    // Paints the whole client area one colour on the screen.
    void FillClient(COLORREF colour) const;

    static void At(int row, int col, int direction);

    HWND window = nullptr;
    POINT origin = {};  // client (0, 0) on the screen
};
