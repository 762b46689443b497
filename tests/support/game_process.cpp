// A new run of the game's memory.
#include "game_process.h"

#include "automation.h"
#include "crossword_resources.h"
#include "device.h"
#include "display_state.h"
#include "game_state.h"
#include "layout.h"
#include "shell_state.h"

HINSTANCE FreshGameProcess()
{
    DestroyBackBuffer();
    DestroyGridFonts();
    AutomationResetDevice();
    ResetGameState();
    gDisplay = {};
    gShell = {};
    DeviceSetModuleFileName(CrosswordModulePath());
    return RegisterCrosswordResources();
}
