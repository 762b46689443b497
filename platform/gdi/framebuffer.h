// The pixel surfaces GDI draws into: the device screen, window surfaces and bitmaps.
// Pixels are 0x00RRGGBB words. A surface stores `scale` pixels per device pixel in each
// direction, so API coordinates stay in device pixels while the picture is N times finer.
#pragma once

#include <cstdint>

struct Framebuffer {
    uint32_t* pixels;  // first stored pixel of the surface (top-left)
    int width;         // stored pixels per row (device width × scale)
    int height;        // stored rows (device height × scale)
    int stride;        // pixels from one row to the next
    int scale;         // stored pixels per device pixel, 1 to 4
};

inline uint32_t PixelFromColorref(uint32_t colorref)
{
    return ((colorref & 0xFF) << 16) | (colorref & 0xFF00) | ((colorref >> 16) & 0xFF);
}

inline uint32_t ColorrefFromPixel(uint32_t pixel)
{
    return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}
