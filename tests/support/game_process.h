// A new run of the game on the same device, for the game's scenarios and benchmarks.
#pragma once

#include "windows.h"

// The game's memory as a new process finds it, on the device as it is: the grid image and
// fonts released, every window, class, timer and script of the device forgotten, the game,
// display and shell state empty, then the module path and the game's resources registered
// again. The device's files stay; the files a new device starts with are not registered.
// Returns the game's instance.
HINSTANCE FreshGameProcess();
