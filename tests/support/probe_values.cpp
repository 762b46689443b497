// Printers of the probes' colours and rectangles.
#include "probe_values.h"

#include <cstdio>

void PrintTo(const Colour& c, std::ostream* os)
{
    char text[16];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", unsigned(GetRValue(c.value)),
                  unsigned(GetGValue(c.value)), unsigned(GetBValue(c.value)));
    *os << text;
}

void PrintTo(const RECT& r, std::ostream* os)
{
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
