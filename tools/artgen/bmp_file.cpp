// The .bmp encoder of the artwork generator.
#include "bmp_file.h"

#include <cstdio>

namespace {

// The sixteen colours every 4-bit display of the era shows the same way.
const COLORREF kPalette16[16] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
};

void Put16(std::vector<uint8_t>* out, size_t at, uint32_t v)
{
    (*out)[at] = uint8_t(v);
    (*out)[at + 1] = uint8_t(v >> 8);
}

void Put32(std::vector<uint8_t>* out, size_t at, uint32_t v)
{
    for (int k = 0; k < 4; ++k)
        (*out)[at + size_t(k)] = uint8_t(v >> (8 * k));
}

}  // namespace

Picture ReadPicture(HDC dc, int width, int height)
{
    Picture p = {width, height, std::vector<COLORREF>(size_t(width) * size_t(height))};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.pixels[size_t(y) * size_t(width) + size_t(x)] = GetPixel(dc, x, y);
    return p;
}

int NearestPaletteIndex(COLORREF colour)
{
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < 16; ++i) {
        const long dr = long(GetRValue(colour)) - GetRValue(kPalette16[i]);
        const long dg = long(GetGValue(colour)) - GetGValue(kPalette16[i]);
        const long db = long(GetBValue(colour)) - GetBValue(kPalette16[i]);
        const long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

std::vector<uint8_t> EncodeBmp(const Picture& picture, int bitsPerPixel)
{
    const int paletteEntries = bitsPerPixel == 4 ? 16 : 0;
    const size_t rowBytes = size_t((picture.width * bitsPerPixel + 31) / 32 * 4);
    const size_t bitsOffset = 14 + 40 + size_t(paletteEntries) * 4;
    std::vector<uint8_t> out(bitsOffset + rowBytes * size_t(picture.height), 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(&out, 2, uint32_t(out.size()));
    Put32(&out, 10, uint32_t(bitsOffset));
    Put32(&out, 14, 40);
    Put32(&out, 18, uint32_t(picture.width));
    Put32(&out, 22, uint32_t(picture.height));  // positive: bottom-up rows
    Put16(&out, 26, 1);
    Put16(&out, 28, uint32_t(bitsPerPixel));
    Put32(&out, 34, uint32_t(rowBytes * size_t(picture.height)));
    Put32(&out, 38, 3780);  // 96 dpi
    Put32(&out, 42, 3780);
    Put32(&out, 46, uint32_t(paletteEntries));
    for (int i = 0; i < paletteEntries; ++i) {
        const size_t at = 54 + size_t(i) * 4;
        out[at] = GetBValue(kPalette16[i]);
        out[at + 1] = GetGValue(kPalette16[i]);
        out[at + 2] = GetRValue(kPalette16[i]);
    }
    for (int y = 0; y < picture.height; ++y) {
        uint8_t* row = &out[bitsOffset + size_t(picture.height - 1 - y) * rowBytes];
        for (int x = 0; x < picture.width; ++x) {
            const COLORREF c = picture.pixels[size_t(y) * size_t(picture.width) + size_t(x)];
            if (bitsPerPixel == 4) {
                const int index = NearestPaletteIndex(c);
                row[x / 2] |= uint8_t(x % 2 == 0 ? index << 4 : index);
            } else {
                row[x * 3] = GetBValue(c);
                row[x * 3 + 1] = GetGValue(c);
                row[x * 3 + 2] = GetRValue(c);
            }
        }
    }
    return out;
}

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}
