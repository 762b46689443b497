// Screenshot pixels and probes. PPM is read because it is the one format ImageMagick writes
// that needs no library to read back.
#include "window_screenshot.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

// The next header number of a PPM, skipping white space and comments.
bool NextNumber(const std::string& bytes, size_t* at, int* value)
{
    while (*at < bytes.size()) {
        const char c = bytes[*at];
        if (c == '#') {
            while (*at < bytes.size() && bytes[*at] != '\n')
                ++*at;
        } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            ++*at;
        } else {
            break;
        }
    }
    int n = 0;
    size_t digits = 0;
    while (*at < bytes.size() && bytes[*at] >= '0' && bytes[*at] <= '9') {
        n = n * 10 + (bytes[*at] - '0');
        ++*at;
        ++digits;
    }
    *value = n;
    return digits > 0 && digits < 7;
}

// Walks the picture pixels of a device rectangle, clipped to the picture.
template <typename F> void ForEachPixel(const Screenshot& shot, const DeviceRect& rect, F f)
{
    for (int y = rect.top * shot.scale; y < rect.bottom * shot.scale; ++y) {
        for (int x = rect.left * shot.scale; x < rect.right * shot.scale; ++x) {
            if (x >= 0 && y >= 0 && x < shot.width && y < shot.height)
                f(x, y);
        }
    }
}

}  // namespace

bool ReadPpm(const std::string& path, int scale, Screenshot* shot, std::string* why)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 2 || bytes[0] != 'P' || bytes[1] != '6') {
        *why = path + " is not a binary PPM (" + std::to_string(bytes.size()) + " bytes)";
        return false;
    }
    size_t at = 2;
    int width = 0, height = 0, maxValue = 0;
    if (!NextNumber(bytes, &at, &width) || !NextNumber(bytes, &at, &height) ||
        !NextNumber(bytes, &at, &maxValue) || maxValue != 255 || width <= 0 || height <= 0) {
        *why = path + ": PPM header not understood (want 8-bit samples)";
        return false;
    }
    ++at;  // the one white-space byte before the samples
    const size_t size = size_t(width) * size_t(height) * 3;
    if (bytes.size() < at + size) {
        *why = path + ": PPM shorter than its header says";
        return false;
    }
    shot->width = width;
    shot->height = height;
    shot->scale = scale;
    shot->rgb.assign(bytes.begin() + long(at), bytes.begin() + long(at + size));
    return true;
}

Rgb PixelAt(const Screenshot& shot, int x, int y)
{
    if (x < 0 || y < 0 || x >= shot.width || y >= shot.height)
        return {0, 0, 0};
    const size_t i = (size_t(y) * size_t(shot.width) + size_t(x)) * 3;
    return {shot.rgb[i], shot.rgb[i + 1], shot.rgb[i + 2]};
}

double ShareOf(const Screenshot& shot, const DeviceRect& rect, Rgb colour)
{
    int matching = 0, all = 0;
    ForEachPixel(shot, rect, [&](int x, int y) {
        ++all;
        if (PixelAt(shot, x, y) == colour)
            ++matching;
    });
    return all ? double(matching) / all : 0.0;
}

int DarkPixels(const Screenshot& shot, const DeviceRect& rect)
{
    int dark = 0;
    ForEachPixel(shot, rect, [&](int x, int y) {
        const Rgb p = PixelAt(shot, x, y);
        if (p.r < 96 && p.g < 96 && p.b < 96)
            ++dark;
    });
    return dark;
}

bool Differs(const Screenshot& a, const Screenshot& b, const DeviceRect& rect)
{
    if (a.width != b.width || a.height != b.height)
        return true;
    bool differs = false;
    ForEachPixel(a, rect, [&](int x, int y) {
        if (!(PixelAt(a, x, y) == PixelAt(b, x, y)))
            differs = true;
    });
    return differs;
}

std::string Describe(Rgb colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour.r, colour.g, colour.b);
    return text;
}
