// What ends every action of the player (a key, a tap, a command): its changes to the entries
// become one undo step, and a puzzle that became solved (or stopped being) says so in the clue
// bar and stops (or restarts) the clock.
#pragma once

#include "windows.h"

void AfterPlayerAction(HWND window);
