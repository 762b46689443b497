// The time spent on a puzzle as the player reads it: "12:34", "1:02:03" past an hour.
#pragma once

#include "windows.h"

// Writes `seconds` as minutes and seconds (hours first past an hour) into `out` (16 WCHARs);
// the characters written.
int FormatPlayTime(int seconds, WCHAR* out);
