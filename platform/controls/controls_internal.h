// What the controls share with the dialog manager and the common dialogs: class
// registration, the look (colours, font, frames) and small text helpers. Programs never
// include this.
#pragma once

#include <string_view>

#include "windef.h"

// Compares without letter case (ASCII and Latin-1 letters), as list boxes and file names do.
int CompareNoCase(std::u16string_view a, std::u16string_view b);
