// Pixel probes for GDI tests: a canvas (a surface of chosen size and scale with a DC over
// it), colour and ink-box readers, and a golden-image check.
#pragma once

#include <string>
#include <vector>

#include "gdi_internal.h"
#include "probe_values.h"
#include "wingdi.h"

// A white surface of width × height device pixels at `scale`, with a surface DC covering it.
struct Canvas {
    std::vector<uint32_t> pixels;
    Framebuffer fb;
    HDC dc;

    Canvas(int width, int height, int scale = 1);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Colour of device pixel (x, y): the top-left stored pixel of its block.
    Colour At(int x, int y) const;
    // Bounding box, in device pixels, of the stored pixels of `color` inside `area`
    // (device pixels); an all-zero RECT when there is none.
    RECT InkBox(const RECT& area, COLORREF color) const;
    // Bounding box of the pixels that are not `background`: where text left ink.
    RECT InkBoxExcept(const RECT& area, COLORREF background) const;
    // Rows of characters, one per device pixel of `area`: '#' for `ink`, '.' otherwise.
    std::string Picture(const RECT& area, COLORREF ink) const;

  private:
    template <typename Pred> RECT InkBoxWhere(const RECT& area, Pred&& ink) const;
};

// Compares `fb` with tests/golden/gdi/<Suite>.<Test>.png of the running test, exactly.
// UPDATE_GOLDEN=1 writes the golden instead. On a difference writes the actual picture
// into the build tree and fails with the first differing pixel.
void ExpectMatchesGolden(const Framebuffer& fb);
