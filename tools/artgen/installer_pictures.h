// The installer's artwork: its icon, the three pieces of the intro animation and the splash
// screen of each pack. Colours are the sixteen of the device's 4-bit pictures.
#pragma once

#include "bmp_file.h"

// 32 x 32: a bramble leaf over a small grid.
Picture DrawInstallerIcon();

// The animation pieces, which come to rest at (22, 102), (102, 72) and (192, 102) and there
// make one picture: a left block of grid, a middle block with letters and a right strip.
Picture DrawLeftPiece();    // 62 x 91
Picture DrawMiddlePiece();  // 64 x 84
Picture DrawRightPiece();   // 27 x 84

// 240 x 320: the pack's title, the rested pieces and the two help lines, "Contact us" over
// (65, 187, 178, 198) and "Trademarks and copyrights" over (44, 202, 196, 213), where the
// installer's taps look for them.
Picture DrawSplash(const char16_t* title);
