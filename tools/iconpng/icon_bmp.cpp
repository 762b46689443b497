// Reading the icon's .bmp: only the uncompressed true-colour layouts our artwork uses.
#include "image.h"

namespace {

uint32_t Read16(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8;
}

uint32_t Read32(const std::vector<uint8_t>& b, size_t at)
{
    return Read16(b, at) | Read16(b, at + 2) << 16;
}

}  // namespace

bool DecodeBmp(const std::vector<uint8_t>& bytes, Image* out, std::string* why)
{
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') {
        *why = "not a .bmp file";
        return false;
    }
    const uint32_t bitsOffset = Read32(bytes, 10);
    const uint32_t headerSize = Read32(bytes, 14);
    if (headerSize < 40) {
        *why = "old-style .bmp header";
        return false;
    }
    const int32_t width = int32_t(Read32(bytes, 18));
    const int32_t rawHeight = int32_t(Read32(bytes, 22));
    const uint32_t bitsPerPixel = Read16(bytes, 28);
    const uint32_t compression = Read32(bytes, 30);
    // BI_BITFIELDS (3) with 32 bits is the usual BGRX layout too; other masks are not ours.
    if ((bitsPerPixel != 24 && bitsPerPixel != 32) ||
        !(compression == 0 || (compression == 3 && bitsPerPixel == 32))) {
        *why = "only uncompressed 24- and 32-bit .bmp files are read";
        return false;
    }
    const bool topDown = rawHeight < 0;
    const int64_t height = topDown ? -int64_t(rawHeight) : rawHeight;
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096) {
        *why = "picture size out of range";
        return false;
    }
    const size_t bytesPerPixel = bitsPerPixel / 8;
    const size_t rowBytes = (size_t(width) * bytesPerPixel + 3) / 4 * 4;
    if (bitsOffset > bytes.size() || bytes.size() - bitsOffset < rowBytes * size_t(height)) {
        *why = "pixel data cut short";
        return false;
    }
    out->width = width;
    out->height = int(height);
    out->pixels.assign(size_t(width) * size_t(height), 0);
    for (int y = 0; y < out->height; ++y) {
        const int fileRow = topDown ? y : out->height - 1 - y;
        const size_t row = bitsOffset + size_t(fileRow) * rowBytes;
        for (int x = 0; x < width; ++x) {
            const size_t at = row + size_t(x) * bytesPerPixel;
            out->pixels[size_t(y) * size_t(width) + size_t(x)] =
                uint32_t(bytes[at + 2]) << 16 | uint32_t(bytes[at + 1]) << 8 | bytes[at];
        }
    }
    return true;
}
