// The pictures iconpng works on: plain RGB pixels, and the three steps of making desktop
// icons from a program's own icon resource: read the .bmp, resample, write PNG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Image {
    int width;                     // pixels
    int height;                    // pixels
    std::vector<uint32_t> pixels;  // 0xRRGGBB, row-major, top row first
};

// Decodes an uncompressed 24- or 32-bit .bmp (bottom-up or top-down rows, as icon resources
// are stored). On failure returns false and says why in `why`.
bool DecodeBmp(const std::vector<uint8_t>& bytes, Image* out, std::string* why);

// Resamples `in` to width x height by area averaging: each output pixel is the mean of the
// source area it covers, weighted by overlap. Whole-number enlargements therefore repeat
// pixels exactly (the picture stays crisp), reductions average whole blocks, and only
// fractional ratios blend the pixels a boundary falls across.
Image ResampleArea(const Image& in, int width, int height);

// Writes `image` as an 8-bit RGB PNG. Returns false when the file cannot be written.
bool WritePng(const Image& image, const std::string& path);
