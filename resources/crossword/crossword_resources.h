// The game's resources as the device sees them: one registration at start.
#pragma once

#include "windows.h"

// Registers the game's resource tables and returns its instance handle. Registering again
// returns the same handle.
HINSTANCE RegisterCrosswordResources();

// The device path of the game's program file, "\Program Files\Crossword\Crossword.exe".
const char16_t* CrosswordModulePath();
