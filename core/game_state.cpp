// gGame and the helpers every subsystem uses to find words.
#include "game_state.h"

#include <cstring>

GameState gGame;

void ResetGameState()
{
    std::memset(&gGame, 0, sizeof gGame);
    GameState& p = gGame;
    p.width = p.height = 15;
    std::memset(p.cells, 0xFF, sizeof p.cells);  // all -1
    std::memset(p.acrossClues, 0xFF, sizeof p.acrossClues);
    std::memset(p.downClues, 0xFF, sizeof p.downClues);
    p.notes = p.fileBuffer + kMaxPuzzleFile;  // the always-zero guard byte
    gGame.unlockKey = -1;
    gGame.direction = kAcross;
    SetMagnification(&gGame.settings, kSmall);
    gGame.settings.squareColour = RGB(0, 0, 0);
    gGame.settings.backgroundColour = RGB(255, 255, 255);
    gGame.cellSize = 1;
    gGame.viewWidth = 240;
    gGame.viewHeight = 240;
}

bool PuzzleOpen()
{
    return gGame.fileSize > 0;  // only an accepted file sets it
}

void SetCursorToCell(int index)
{
    const int width = gGame.width > 0 ? gGame.width : 1;
    gGame.cursorRow = index / width;
    gGame.cursorCol = index % width;
}

void WordExtent(int square, int direction, int* first, int* last)
{
    const GameState& p = gGame;
    *first = *last = square;
    if (square < 0 || square >= p.width * p.height || p.width <= 0)
        return;
    auto clueOf = [&](int i) {
        return direction == kAcross ? p.cells[i].acrossClue : p.cells[i].downClue;
    };
    const int clue = clueOf(square);
    if (clue == -1)
        return;
    const int step = direction == kAcross ? 1 : p.width;
    // Across the walk stays in the square's row; Down it stays in the grid.
    const int low = direction == kAcross ? square - square % p.width : 0;
    const int high = direction == kAcross ? low + p.width - 1 : p.width * p.height - 1;
    while (*first - step >= low && clueOf(*first - step) == clue)
        *first -= step;
    while (*last + step <= high && clueOf(*last + step) == clue)
        *last += step;
}

void SetSettings(const Settings& settings)
{
    gGame.settings = settings;
}

void SetPuzzlePath(LPCWSTR path)
{
    lstrcpynW(gGame.puzzlePath, path ? path : u"", MAX_PATH);
}

void SetProgramFolder(LPCWSTR folder)
{
    lstrcpynW(gGame.programFolder, folder ? folder : u"", MAX_PATH);
}

bool FlipSetting(SettingToggle which)
{
    Settings& s = gGame.settings;
    int32_t* const settings[] = {&s.autoSkip, &s.showNumbers, &s.pencil, &s.marks};
    int32_t* setting = settings[which];
    *setting = !*setting;
    return *setting != 0;
}

int MagnificationIndex(const Settings& settings)
{
    if (settings.magnification[kLarge])
        return kLarge;
    return settings.magnification[kMedium] ? kMedium : kSmall;
}

void SetMagnification(Settings* settings, int index)
{
    for (int i = 0; i < 3; ++i)
        settings->magnification[i] = i == index ? 1 : 0;
}
