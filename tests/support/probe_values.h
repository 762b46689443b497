// What pixel probes return, printed so that a failed check reads as a colour or a rectangle
// rather than raw bytes: GoogleTest finds these PrintTo overloads for EXPECT_EQ's message.
#pragma once

#include <ostream>

#include "windef.h"

// A COLORREF that prints as #RRGGBB in failure messages.
struct Colour {
    COLORREF value;
    bool operator==(const Colour& other) const { return value == other.value; }
};
void PrintTo(const Colour& c, std::ostream* os);

// {left, top, right, bottom}
void PrintTo(const RECT& r, std::ostream* os);
