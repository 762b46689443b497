// Scenarios of the whole game on the headless device: puzzles written into a fresh device
// root, the real main window and resources, scripted stylus and keys, and probes that read
// the game state, the screen at exact points and the bytes of the state file.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "display_state.h"
#include "probe_values.h"
#include "windows.h"

constexpr COLORREF kBlackInk = 0x00000000;    // grid lines, black squares
constexpr COLORREF kWhitePaper = 0x00FFFFFF;  // open squares
constexpr COLORREF kYellow = kWordYellow;     // the current word
constexpr COLORREF kOrange = kCursorOrange;   // the current square

// A solution grid with black squares where row % 4 == 3 and column % 4 == 3 both hold, and
// letters that differ from square to square. Every across and down word is 3 or `side` long.
std::vector<std::string> LatticeGrid(int side);
// The solution letter of square (row, col) of LatticeGrid.
char LatticeLetter(int row, int col);
// An all-open grid of `width` columns and `height` rows with LatticeGrid's letters: one
// across word per row and one down word per column.
std::vector<std::string> OpenGrid(int width, int height);

class ShellTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a puzzle file with `rows` as its solution and an empty fill.
    static void WritePuzzle(const std::string& devicePath, const std::vector<std::string>& rows,
                            const std::string& title = "Title");
    // Writes a file of the device: `devicePath` below the device root.
    static void WriteDeviceFile(const std::string& devicePath, const std::string& bytes);
    static bool DeviceFileExists(const std::string& devicePath);
    static std::string ReadDeviceFile(const std::string& devicePath);
    static void RemoveDeviceFile(const std::string& devicePath);
    // The host path of a device file, for what the device API cannot do (permissions).
    static std::string HostPathOf(const std::string& devicePath);

    // Creates the main window as WinMain does and lets it settle; the window.
    HWND Start();
    // Runs WinMain to its end with whatever the script holds; its result.
    int RunProgram();
    void Idle();

    // Client-coordinate input.
    void Tap(int x, int y);
    void Hold(int x, int y);
    // Stylus down at (x0, y0), a move to (x1, y1), then off the grid view into the clue bar
    // and up there, so the drag ends without a tap on a square.
    void Drag(int x0, int y0, int x1, int y1);
    void Key(UINT key);
    void CtrlKey(UINT key);
    void Command(UINT id);

    Colour Pixel(int x, int y) const;  // client coordinates
    // Pixels of the client rectangle `area` that are exactly `colour`.
    int CountPixels(const RECT& area, COLORREF colour) const;
    int CountReddish(const RECT& area) const;
    // Dark pixels (letter and number ink) inside `area`, or inside square (row, col) without
    // its border lines.
    int CountDarkIn(const RECT& area) const;
    int CountDark(int row, int col) const;
    void TapCell(int row, int col);
    // Pixels of the grid view that are not what it must show: the grid image at the scroll
    // offsets, and white paper past the image's edges. Anything else an earlier picture
    // (the keyboard, an older frame) left on the screen.
    int StalePixelsInView() const;
    // The inside of square (row, col) on the screen, client coordinates, at the current
    // cell size and scroll offsets.
    RECT CellOnScreen(int row, int col) const;
    POINT CellCentreOnScreen(int row, int col) const;

    // Whether menu item `id` in the pop-up of drop-down `button` is checked.
    bool Checked(UINT button, UINT id) const;
    // Whether item `id` of the main menu, or of the pop-up of drop-down `button`, is enabled.
    bool MenuItemEnabled(UINT id) const;
    bool MenuItemEnabled(UINT button, UINT id) const;
    // Whether the menu bar's button sending `id` is enabled.
    bool BarButtonEnabled(UINT id) const;

    // The state file the game writes at exit, as bytes.
    static std::string StateFile();
    // The entries stored in a state file record (after path and sizes).
    static std::string RecordEntries(const std::string& record, int squares);

    HINSTANCE instance = nullptr;
    HWND window = nullptr;
};
