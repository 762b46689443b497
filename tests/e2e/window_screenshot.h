// Screenshots of a real window as RGB pixels, and the probes the end-to-end tests make on
// them: the colour at a point, how many pixels of a rectangle match a colour or are dark.
// Rectangles and points are in device pixels; the picture is `scale` times finer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

struct DeviceRect {
    int left, top, right, bottom;  // right and bottom exclusive, as on the device
};

struct Screenshot {
    int width = 0, height = 0;  // in picture pixels
    int scale = 1;              // picture pixels per device pixel
    std::vector<uint8_t> rgb;   // width * height * 3, row-major
};

// Reads a binary PPM (P6, 8-bit) as written by ImageMagick. False and `why` otherwise.
bool ReadPpm(const std::string& path, int scale, Screenshot* shot, std::string* why);

// Picture pixel (x, y); black outside the picture.
Rgb PixelAt(const Screenshot& shot, int x, int y);

// The share (0 to 1) of the picture pixels of a device rectangle that are exactly `colour`.
double ShareOf(const Screenshot& shot, const DeviceRect& rect, Rgb colour);

// How many picture pixels of a device rectangle are dark ink (every channel below 96).
int DarkPixels(const Screenshot& shot, const DeviceRect& rect);

// True when the two pictures differ somewhere inside the device rectangle.
bool Differs(const Screenshot& a, const Screenshot& b, const DeviceRect& rect);

// "#RRGGBB" for messages.
std::string Describe(Rgb colour);
