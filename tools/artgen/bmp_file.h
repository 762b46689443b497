// Writing a drawn picture as a .bmp file: 24 bits per pixel, or 4 bits with the sixteen
// standard colours, each pixel taking the nearest of them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "windows.h"

struct Picture {
    int width;
    int height;
    std::vector<COLORREF> pixels;  // row-major, top row first
};

// The pixels of a memory DC's selected bitmap, read back with GetPixel.
Picture ReadPicture(HDC dc, int width, int height);

// The .bmp bytes of `picture` at 24 or 4 bits per pixel (bottom-up rows, BITMAPINFOHEADER).
std::vector<uint8_t> EncodeBmp(const Picture& picture, int bitsPerPixel);

// Index into the sixteen-colour palette nearest to `colour`.
int NearestPaletteIndex(COLORREF colour);

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
