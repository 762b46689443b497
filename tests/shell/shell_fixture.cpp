// The shell scenarios' device, puzzles and probes.
#include "shell_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "automation.h"
#include "display_state.h"
#include "game_process.h"
#include "game_state.h"
#include "layout.h"
#include "main_window.h"
#include "puzzle_image.h"
#include "resource_ids.h"
#include "shell_state.h"

namespace fs = std::filesystem;

namespace {

fs::path HostPath(const std::string& devicePath)
{
    std::string relative = devicePath;
    for (char& ch : relative)
        if (ch == '\\')
            ch = '/';
    while (!relative.empty() && relative[0] == '/')
        relative.erase(0, 1);
    return fs::path(std::getenv("CROSSWORD_DEVICE_ROOT")) / relative;
}

}  // namespace

char LatticeLetter(int row, int col)
{
    return char('A' + (row * 7 + col * 3) % 26);
}

std::vector<std::string> LatticeGrid(int side)
{
    std::vector<std::string> rows(size_t(side), std::string(size_t(side), '.'));
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            if (r % 4 != 3 || c % 4 != 3)
                rows[size_t(r)][size_t(c)] = LatticeLetter(r, c);
    return rows;
}

std::vector<std::string> OpenGrid(int width, int height)
{
    std::vector<std::string> rows(size_t(height), std::string(size_t(width), 'A'));
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            rows[size_t(r)][size_t(c)] = LatticeLetter(r, c);
    return rows;
}

void ShellTest::SetUp()
{
    // The device root is the test's own, new (tests/support's main).
    instance = FreshGameProcess();
    SHSipPreference(nullptr, SIP_FORCEDOWN);
}

void ShellTest::TearDown()
{
    if (window && IsWindow(window))
        DestroyWindow(window);
    DestroyBackBuffer();
    DestroyGridFonts();
}

void ShellTest::WritePuzzle(const std::string& devicePath, const std::vector<std::string>& rows,
                            const std::string& title)
{
    PuzzleImage image = MakePuzzle(rows);
    image.title = title;
    AddClues(&image);
    WriteDeviceFile(devicePath, Bytes(image));
}

void ShellTest::WriteDeviceFile(const std::string& devicePath, const std::string& bytes)
{
    const fs::path path = HostPath(devicePath);
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

bool ShellTest::DeviceFileExists(const std::string& devicePath)
{
    return fs::exists(HostPath(devicePath));
}

std::string ShellTest::ReadDeviceFile(const std::string& devicePath)
{
    std::ifstream in(HostPath(devicePath), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ShellTest::RemoveDeviceFile(const std::string& devicePath)
{
    fs::remove(HostPath(devicePath));
}

std::string ShellTest::HostPathOf(const std::string& devicePath)
{
    return HostPath(devicePath).string();
}

HWND ShellTest::Start()
{
    EXPECT_EQ(CreateMainWindow(instance, SW_SHOW), 1);
    window = gShell.mainWindow;
    Idle();
    return window;
}

int ShellTest::RunProgram()
{
    const int result = WinMain(instance, nullptr, nullptr, SW_SHOW);
    window = nullptr;  // destroyed on the way out
    return result;
}

void ShellTest::Idle()
{
    EXPECT_TRUE(AutomationRunUntilIdle());
}

void ShellTest::Tap(int x, int y)
{
    AutomationTap(x, y + 26);
    Idle();
}

void ShellTest::Hold(int x, int y)
{
    AutomationHold(x, y + 26);
}

void ShellTest::Drag(int x0, int y0, int x1, int y1)
{
    RECT client;
    GetClientRect(window, &client);
    const int clueBar = client.bottom - 10;
    AutomationStylusDown(x0, y0 + 26);
    AutomationStylusMove(x1, y1 + 26);
    AutomationStylusMove(x1, clueBar + 26);
    AutomationStylusUp(x1, clueBar + 26);
    Idle();
}

void ShellTest::Key(UINT key)
{
    AutomationKey(key);
    Idle();
}

void ShellTest::CtrlKey(UINT key)
{
    AutomationKeyDown(VK_CONTROL);
    AutomationKey(key);
    AutomationKeyUp(VK_CONTROL);
}

void ShellTest::Command(UINT id)
{
    SendMessageW(window, WM_COMMAND, id, 0);
    Idle();
}

Colour ShellTest::Pixel(int x, int y) const
{
    return {AutomationScreenPixel(x, y + 26)};
}

int ShellTest::CountPixels(const RECT& area, COLORREF colour) const
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += Pixel(x, y).value == colour;
    return n;
}

int ShellTest::CountReddish(const RECT& area) const
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF c = Pixel(x, y).value;
            n += GetRValue(c) >= 0xA0 && GetGValue(c) < 0x90 && GetBValue(c) < 0x70;
        }
    }
    return n;
}

int ShellTest::CountDarkIn(const RECT& area) const
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF c = Pixel(x, y).value;
            n += GetRValue(c) < 0x70 && GetGValue(c) < 0x70 && GetBValue(c) < 0x70;
        }
    }
    return n;
}

int ShellTest::CountDark(int row, int col) const
{
    RECT r = CellOnScreen(row, col);
    r.left += 1;  // the inner edge
    r.top += 1;
    return CountDarkIn(r);
}

int ShellTest::StalePixelsInView() const
{
    BITMAP image = {};
    GetObjectW(gDisplay.backBitmap, sizeof image, &image);
    int n = 0;
    for (int y = 0; y < gGame.viewHeight; ++y) {
        for (int x = 0; x < gGame.viewWidth; ++x) {
            const int ix = x + gGame.scrollX;
            const int iy = y + gGame.scrollY;
            const bool onImage = ix < image.bmWidth && iy < image.bmHeight;
            const COLORREF expected = onImage ? GetPixel(gDisplay.backBuffer, ix, iy) : kWhitePaper;
            n += Pixel(x, y).value != expected;
        }
    }
    return n;
}

void ShellTest::TapCell(int row, int col)
{
    const POINT p = CellCentreOnScreen(row, col);
    Tap(p.x, p.y);
}

RECT ShellTest::CellOnScreen(int row, int col) const
{
    const int left = col * gGame.cellSize + gGame.gridLeft - gGame.scrollX;
    const int top = row * gGame.cellSize - gGame.scrollY;
    return {left + 1, top + 1, left + gGame.cellSize, top + gGame.cellSize};
}

POINT ShellTest::CellCentreOnScreen(int row, int col) const
{
    const RECT r = CellOnScreen(row, col);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool ShellTest::Checked(UINT button, UINT id) const
{
    HMENU menu =
        reinterpret_cast<HMENU>(SendMessageW(gShell.menuBar, SHCMBM_GETSUBMENU, 0, button));
    // CheckMenuItem answers the state it replaces; putting the same state back reads it.
    const DWORD was = CheckMenuItem(menu, id, MF_BYCOMMAND | MF_CHECKED);
    CheckMenuItem(menu, id, MF_BYCOMMAND | (was & MF_CHECKED));
    return (was & MF_CHECKED) != 0;
}

bool ShellTest::MenuItemEnabled(UINT id) const
{
    return MenuItemEnabled(IDM_MAIN_MENU_BUTTON, id);
}

bool ShellTest::BarButtonEnabled(UINT id) const
{
    return SendMessageW(gShell.menuBar, TB_ISBUTTONENABLED, id, 0) != 0;
}

bool ShellTest::MenuItemEnabled(UINT button, UINT id) const
{
    HMENU menu =
        reinterpret_cast<HMENU>(SendMessageW(gShell.menuBar, SHCMBM_GETSUBMENU, 0, button));
    // EnableMenuItem answers the state it replaces; putting the same state back reads it.
    const UINT was = EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(menu, id, MF_BYCOMMAND | (was & MF_GRAYED));
    return !(was & MF_GRAYED);
}

std::string ShellTest::StateFile()
{
    return ReadDeviceFile("\\Program Files\\Crossword\\crossword.dat");
}

std::string ShellTest::RecordEntries(const std::string& record, int squares)
{
    const size_t path = record.find('\0');
    // The path's NUL, then height and width in three-byte fields.
    return record.substr(path + 1 + 6, size_t(squares));
}
