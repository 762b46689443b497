// The one place where device-pixel geometry meets stored pixels: every primitive hands its
// rectangles (DC coordinates, GDI's exclusive right and bottom) to these helpers, which
// offset them to the target, clip them to the DC's visible rectangles and scale them to the
// stored pixels. A shape drawn this way at scale N is exactly its scale-1 picture upscaled.
#pragma once

#include <algorithm>
#include <cstdint>

#include "gdi_objects.h"

// Orders the corners so left <= right and top <= bottom, as GDI does with the rectangle
// arguments of its shape calls.
inline RECT NormalizedRect(int left, int top, int right, int bottom)
{
    return RECT{std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
}

inline bool IntersectInto(RECT* out, const RECT& a, const RECT& b)
{
    out->left = std::max(a.left, b.left);
    out->top = std::max(a.top, b.top);
    out->right = std::min(a.right, b.right);
    out->bottom = std::min(a.bottom, b.bottom);
    return out->left < out->right && out->top < out->bottom;
}

// Calls fn(Framebuffer&, RECT stored) for each part of `rect` (DC coordinates) that is
// visible, in stored pixels of the DC's target.
template <typename Fn> void ForEachStoredRect(const DeviceContext& dc, RECT rect, Fn&& fn)
{
    if (rect.left >= rect.right || rect.top >= rect.bottom)
        return;
    Framebuffer& fb = *dc.target;
    const int s = fb.scale;
    rect.left += dc.origin.x;
    rect.right += dc.origin.x;
    rect.top += dc.origin.y;
    rect.bottom += dc.origin.y;
    for (const RECT& c : dc.clip) {
        RECT part;
        if (!IntersectInto(&part, rect, c))
            continue;
        fn(fb, RECT{part.left * s, part.top * s, part.right * s, part.bottom * s});
    }
}

// Fills `rect` (DC coordinates) with one stored pixel value.
void FillDeviceRect(const DeviceContext& dc, const RECT& rect, uint32_t pixel);

// One row of device pixels, x0 inclusive to x1 exclusive.
inline void FillDeviceSpan(const DeviceContext& dc, int y, int x0, int x1, uint32_t pixel)
{
    FillDeviceRect(dc, RECT{x0, y, x1, y + 1}, pixel);
}

// XORs `rect` with `mask` (DSTINVERT is a mask of 0xFFFFFF).
void XorDeviceRect(const DeviceContext& dc, const RECT& rect, uint32_t mask);

inline uint32_t PixelOf(COLORREF color)
{
    return PixelFromColorref(color & 0xFFFFFF);
}
