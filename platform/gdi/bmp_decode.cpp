// Reads uncompressed BMP pictures (1, 4, 8, 24 and 32 bits per pixel, bottom-up or top-down,
// with or without the file header) into bitmaps at the device scale, each picture pixel
// becoming a scale × scale block. Every offset is checked against the given size: a damaged
// picture gives nullptr, never a read past the data.
#include <cstring>

#include "gdi_objects.h"

namespace {

uint32_t Read16(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8;
}

uint32_t Read32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

struct DibLayout {
    int width;               // device pixels
    int height;              // device pixels, positive
    bool topDown;            // first row in the data is the top row
    int bitCount;            // 1, 4, 8, 24 or 32
    const uint8_t* palette;  // colour table, nullptr above 8 bits
    int paletteEntries;      // entries present in the table
    int paletteStride;       // 4 bytes (RGBQUAD) or 3 (the old core header's RGBTRIPLE)
    const uint8_t* bits;     // first row of pixel data
    size_t rowBytes;         // bytes per row, padded to four
};

bool ReadLayout(const uint8_t* data, size_t size, DibLayout* out)
{
    size_t info = 0;
    size_t bitsOffset = 0;
    const bool hasFileHeader = size >= 14 && data[0] == 'B' && data[1] == 'M';
    if (hasFileHeader) {
        info = 14;
        bitsOffset = Read32(data + 10);
    }
    if (size < info + 12)
        return false;
    const uint32_t headerSize = Read32(data + info);
    if (headerSize < 12 || headerSize > size - info)
        return false;
    int64_t width = 0;
    int64_t height = 0;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    if (headerSize == 12) {
        width = Read16(data + info + 4);
        height = Read16(data + info + 6);
        out->bitCount = int(Read16(data + info + 10));
        out->paletteStride = 3;
    } else {
        if (headerSize < 40)
            return false;
        width = int32_t(Read32(data + info + 4));
        height = int32_t(Read32(data + info + 8));
        out->bitCount = int(Read16(data + info + 14));
        compression = Read32(data + info + 16);
        colorsUsed = Read32(data + info + 32);
        out->paletteStride = 4;
    }
    const int bpp = out->bitCount;
    if (compression != 0 || (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32))
        return false;
    if (width <= 0 || width > 16384 || height == 0 || height > 16384 || height < -16384)
        return false;
    out->width = int(width);
    out->topDown = height < 0;
    out->height = int(height < 0 ? -height : height);

    const size_t paletteOffset = info + headerSize;
    out->palette = nullptr;
    out->paletteEntries = 0;
    if (bpp <= 8) {
        const uint32_t full = 1u << bpp;
        const uint32_t entries = colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
        if (paletteOffset + size_t(entries) * out->paletteStride > size)
            return false;
        out->palette = data + paletteOffset;
        out->paletteEntries = int(entries);
    }
    if (!hasFileHeader)
        bitsOffset = paletteOffset + size_t(out->paletteEntries) * out->paletteStride;
    out->rowBytes = (size_t(out->width) * bpp + 31) / 32 * 4;
    if (bitsOffset > size || out->rowBytes * out->height > size - bitsOffset)
        return false;
    out->bits = data + bitsOffset;
    return true;
}

// The 0x00RRGGBB value of pixel x of one row of the data.
uint32_t PixelAt(const DibLayout& dib, const uint8_t* row, int x)
{
    if (dib.bitCount > 8) {
        const uint8_t* p = row + size_t(x) * (dib.bitCount / 8);
        return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
    }
    const int bit = x * dib.bitCount;
    const int shift = 8 - dib.bitCount - bit % 8;
    const int index = (row[bit / 8] >> shift) & ((1 << dib.bitCount) - 1);
    if (index >= dib.paletteEntries)
        return 0x000000;  // a colour the table does not have draws black
    const uint8_t* q = dib.palette + size_t(index) * dib.paletteStride;
    return uint32_t(q[2]) << 16 | uint32_t(q[1]) << 8 | q[0];
}

}  // namespace

HBITMAP GdiCreateBitmapFromBmp(const void* data, size_t size)
{
    DibLayout dib{};
    if (!data || !ReadLayout(static_cast<const uint8_t*>(data), size, &dib))
        return nullptr;
    HBITMAP handle = GdiNewBitmap(dib.width, dib.height);
    GdiObject* bitmap = GdiObjectFromHandle(handle);
    if (!bitmap)
        return nullptr;
    Framebuffer& fb = bitmap->surface;
    const int s = fb.scale;
    for (int y = 0; y < dib.height; ++y) {
        const int dataRow = dib.topDown ? y : dib.height - 1 - y;
        const uint8_t* row = dib.bits + size_t(dataRow) * dib.rowBytes;
        uint32_t* out = fb.pixels + size_t(y) * s * fb.stride;
        for (int x = 0; x < dib.width; ++x)
            std::fill_n(out + size_t(x) * s, s, PixelAt(dib, row, x));
        for (int k = 1; k < s; ++k)
            std::memcpy(out + size_t(k) * fb.stride, out, size_t(fb.width) * sizeof(uint32_t));
    }
    return handle;
}
