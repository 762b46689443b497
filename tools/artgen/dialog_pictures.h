// The artwork of the game's dialogs: the quick help's pictures, the About picture with its
// link lines, and the three pieces of the logo that slide together in the About box.
#pragma once

#include "bmp_file.h"

// 19 x 19: picture `index` of the menu bar strip (0 to 9) on white, centred, as the quick
// help lists it beside its text.
Picture DrawQuickHelpPicture(int index);

// 240 x 320: the finished logo, title and version, then the contact, trademarks and web
// address lines exactly over the About box's link areas.
Picture DrawAboutPicture();

// The logo pieces at their sizes: left 62 x 91, middle 64 x 84, right 27 x 84.
Picture DrawLogoLeft();
Picture DrawLogoMiddle();
Picture DrawLogoRight();
