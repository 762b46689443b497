// The handheld shell: menu bar, full-screen dialogs, input panel, gestures.
#pragma once

#include "windef.h"
