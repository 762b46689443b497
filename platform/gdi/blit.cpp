// Block transfers between device contexts: BitBlt with the source raster operations and a
// nearest-neighbour StretchBlt. Sources are clipped to their surface, destinations to their
// DC's visible rectangles; a copy within one surface reads a snapshot of the source first.
#include <vector>

#include "raster.h"

namespace {

bool UsesSource(DWORD rop)
{
    // A ternary raster operation depends on the source when its truth table changes with it.
    return (((rop << 2) ^ rop) & 0xCC0000) != 0;
}

bool Combine(DWORD rop, uint32_t src, uint32_t dst, uint32_t* out)
{
    switch (rop) {
    case SRCCOPY: *out = src; return true;
    case SRCAND: *out = src & dst; return true;
    case SRCPAINT: *out = src | dst; return true;
    case SRCINVERT: *out = src ^ dst; return true;
    case NOTSRCCOPY: *out = ~src & 0xFFFFFF; return true;
    case SRCERASE: *out = src & ~dst & 0xFFFFFF; return true;
    case NOTSRCERASE: *out = ~(src | dst) & 0xFFFFFF; return true;
    default: return false;
    }
}

struct Source {
    const uint32_t* pixels;  // stored pixel (originX, originY) of the region below
    int stride;
    int originX;  // stored coordinates of `pixels` on the source surface
    int originY;
    int scale;
    RECT stored;  // readable stored pixels, source surface coordinates
};

// The source pixels of `devRect` (source surface coordinates, device pixels), copied aside
// when the destination writes into the same surface.
Source TakeSource(const Framebuffer& fb, const RECT& devRect, bool snapshot,
                  std::vector<uint32_t>* copy)
{
    const int s = fb.scale;
    const RECT stored{devRect.left * s, devRect.top * s, devRect.right * s, devRect.bottom * s};
    if (!snapshot)
        return Source{fb.pixels, fb.stride, 0, 0, s, stored};
    const int w = stored.right - stored.left;
    const int h = stored.bottom - stored.top;
    copy->resize(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const uint32_t* row = fb.pixels + size_t(stored.top + y) * fb.stride + stored.left;
        std::copy(row, row + w, copy->data() + size_t(y) * w);
    }
    return Source{copy->data(), w, stored.left, stored.top, s, stored};
}

const uint32_t* SourceRow(const Source& src, int y)
{
    return src.pixels + size_t(y - src.originY) * src.stride - src.originX;
}

// Copies with the device-pixel offset (offX, offY) from destination target coordinates to
// source surface coordinates.
void CopyBlock(const DeviceContext& dst, const RECT& dstRect, const Source& src, int offX, int offY,
               DWORD rop)
{
    ForEachStoredRect(dst, dstRect, [&](Framebuffer& fb, const RECT& r) {
        const int ds = fb.scale;
        const int ss = src.scale;
        for (int y = r.top; y < r.bottom; ++y) {
            uint32_t* out = fb.pixels + size_t(y) * fb.stride;
            const uint32_t* in = SourceRow(src, y * ss / ds + offY * ss);
            if (ds == ss && rop == SRCCOPY) {
                std::copy(in + r.left + offX * ss, in + r.right + offX * ss, out + r.left);
                continue;
            }
            for (int x = r.left; x < r.right; ++x) {
                uint32_t value = 0;
                Combine(rop, in[x * ss / ds + offX * ss], out[x], &value);
                out[x] = value;
            }
        }
    });
}

}  // namespace

BOOL WINAPI BitBlt(HDC dstHandle, int x, int y, int width, int height, HDC srcHandle, int srcX,
                   int srcY, DWORD rop)
{
    DeviceContext* dst = GdiDcFromHandle(dstHandle);
    if (!dst)
        return FALSE;
    if (!UsesSource(rop))
        return PatBlt(dstHandle, x, y, width, height, rop);
    DeviceContext* src = GdiDcFromHandle(srcHandle);
    uint32_t probe = 0;
    if (!src || !Combine(rop, 0, 0, &probe))
        return FALSE;
    if (width <= 0 || height <= 0)
        return TRUE;

    // Source rectangle on its surface, clipped to the surface: what lies outside is not
    // copied and leaves the destination as it was.
    const Framebuffer& sfb = *src->target;
    RECT srcRect{srcX + src->origin.x, srcY + src->origin.y, srcX + src->origin.x + width,
                 srcY + src->origin.y + height};
    if (!IntersectInto(&srcRect, srcRect, RECT{0, 0, DeviceWidth(sfb), DeviceHeight(sfb)}))
        return TRUE;
    const int offX = srcX + src->origin.x - (x + dst->origin.x);  // dst target -> src surface
    const int offY = srcY + src->origin.y - (y + dst->origin.y);
    const RECT dstRect{srcRect.left - offX - dst->origin.x, srcRect.top - offY - dst->origin.y,
                       srcRect.right - offX - dst->origin.x, srcRect.bottom - offY - dst->origin.y};

    std::vector<uint32_t> copy;
    const Source source = TakeSource(sfb, srcRect, sfb.pixels == dst->target->pixels, &copy);
    CopyBlock(*dst, dstRect, source, offX, offY, rop);
    return TRUE;
}

BOOL WINAPI StretchBlt(HDC dstHandle, int x, int y, int width, int height, HDC srcHandle, int srcX,
                       int srcY, int srcWidth, int srcHeight, DWORD rop)
{
    if (width == srcWidth && height == srcHeight)
        return BitBlt(dstHandle, x, y, width, height, srcHandle, srcX, srcY, rop);
    DeviceContext* dst = GdiDcFromHandle(dstHandle);
    DeviceContext* src = GdiDcFromHandle(srcHandle);
    uint32_t probe = 0;
    if (!dst || !src || !Combine(rop, 0, 0, &probe))
        return FALSE;
    if (width <= 0 || height <= 0 || srcWidth <= 0 || srcHeight <= 0)
        return TRUE;  // mirroring is not offered

    const Framebuffer& sfb = *src->target;
    const RECT srcDev{srcX + src->origin.x, srcY + src->origin.y, srcX + src->origin.x + srcWidth,
                      srcY + src->origin.y + srcHeight};
    std::vector<uint32_t> copy;
    RECT readable;
    if (!IntersectInto(&readable, srcDev, RECT{0, 0, DeviceWidth(sfb), DeviceHeight(sfb)}))
        return TRUE;
    const Source source = TakeSource(sfb, readable, sfb.pixels == dst->target->pixels, &copy);
    const int ss = sfb.scale;
    const RECT dstRect{x, y, x + width, y + height};
    ForEachStoredRect(*dst, dstRect, [&](Framebuffer& fb, const RECT& r) {
        const int ds = fb.scale;
        const int64_t left = int64_t(x + dst->origin.x) * ds;  // unclipped stored rectangle
        const int64_t top = int64_t(y + dst->origin.y) * ds;
        for (int py = r.top; py < r.bottom; ++py) {
            const int sy = int(srcDev.top * ss + (py - top) * srcHeight * ss / (height * ds));
            if (sy < source.stored.top || sy >= source.stored.bottom)
                continue;
            const uint32_t* in = SourceRow(source, sy);
            uint32_t* out = fb.pixels + size_t(py) * fb.stride;
            for (int px = r.left; px < r.right; ++px) {
                const int sx = int(srcDev.left * ss + (px - left) * srcWidth * ss / (width * ds));
                if (sx < source.stored.left || sx >= source.stored.right)
                    continue;
                Combine(rop, in[sx], out[px], &out[px]);
            }
        }
    });
    return TRUE;
}
