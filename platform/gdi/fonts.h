// Fonts as GDI draws them: a LOGFONTW resolved through fontconfig to a face file, sized the
// way GDI sizes (negative height = em height, positive = cell height), with metrics in
// device pixels and anti-aliased glyph images rendered by FreeType at the surface's scale.
// Instances and their glyphs are cached for the life of the process, so fonts created anew
// by every paint cost nothing after the first.
#pragma once

#include <cstdint>
#include <vector>

#include "wingdi.h"

struct FontMetrics {
    int ascent;           // device pixels above the baseline
    int descent;          // device pixels below it
    int height;           // ascent + descent: one line
    int internalLeading;  // height minus the em height
    int externalLeading;  // suggested extra gap between lines
    int aveCharWidth;     // average glyph width
    int maxCharWidth;     // widest glyph
    int weight;           // FW_* of the face drawn
};

struct GlyphImage {
    int left;                       // stored pixels from the pen position to the first column
    int top;                        // stored pixels from the baseline up to the first row
    int width;                      // columns of coverage
    int rows;                       // rows of coverage
    int advance;                    // device pixels to the next glyph
    std::vector<uint8_t> coverage;  // width × rows, 0 to 255
};

struct FontInstance;

// The cached instance for `lf` at `scale` stored pixels per device pixel; never nullptr
// (a face that cannot be found falls back to any face fontconfig offers, or to a font
// without glyphs whose text has width but no ink).
FontInstance* GdiFontInstance(const LOGFONTW& lf, int scale);
const FontMetrics& GdiFontMetrics(const FontInstance* font);
// The glyph of code point `ch`, rendered at the instance's scale.
const GlyphImage& GdiFontGlyph(FontInstance* font, char32_t ch);
