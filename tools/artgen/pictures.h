// The game's artwork, drawn in code so it can be drawn again: the menu bar's picture strip,
// the program icon and the on-screen keyboard.
#pragma once

#include "bmp_file.h"

// Ten 16 x 16 pictures side by side on the menu bar's grey: a menu page, a check mark, a pair
// of eyes, an information sign, a folder, a list, a magnifier, turning arrows, a keyboard and
// a question mark.
Picture DrawToolbarStrip();

// 32 x 32: a small crossword grid.
Picture DrawIcon();

// 240 x 44: three rows of rounded letter keys in QWERTY order, an erase key and an OK key,
// where the game's tap test expects them.
Picture DrawKeyboard();
