// GDI: device contexts, bitmaps, pens, brushes, fonts and drawing.
#pragma once

#include "windef.h"
