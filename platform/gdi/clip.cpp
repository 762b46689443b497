// Clipping calls on a DC: the clip is a list of disjoint rectangles in target coordinates,
// narrowed by IntersectClipRect and cut by ExcludeClipRect, plus the XOR helpers that
// controls draw focus and selection with.
#include "raster.h"

namespace {

RECT ToTarget(const DeviceContext& dc, const RECT& r)
{
    return RECT{r.left + dc.origin.x, r.top + dc.origin.y, r.right + dc.origin.x,
                r.bottom + dc.origin.y};
}

int Complexity(const DeviceContext& dc)
{
    return dc.clip.empty() ? NULLREGION : dc.clip.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace

int WINAPI IntersectClipRect(HDC handle, int left, int top, int right, int bottom)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc)
        return RGN_ERROR;
    const RECT cut = ToTarget(*dc, NormalizedRect(left, top, right, bottom));
    std::vector<RECT> kept;
    for (const RECT& c : dc->clip) {
        RECT part;
        if (IntersectInto(&part, c, cut))
            kept.push_back(part);
    }
    dc->clip = std::move(kept);
    return Complexity(*dc);
}

int WINAPI ExcludeClipRect(HDC handle, int left, int top, int right, int bottom)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc)
        return RGN_ERROR;
    const RECT hole = ToTarget(*dc, NormalizedRect(left, top, right, bottom));
    std::vector<RECT> kept;
    for (const RECT& c : dc->clip) {
        RECT overlap;
        if (!IntersectInto(&overlap, c, hole)) {
            kept.push_back(c);
            continue;
        }
        // What is left of c around the hole: bands above and below, pieces left and right.
        const RECT pieces[] = {
            {c.left, c.top, c.right, overlap.top},
            {c.left, overlap.bottom, c.right, c.bottom},
            {c.left, overlap.top, overlap.left, overlap.bottom},
            {overlap.right, overlap.top, c.right, overlap.bottom},
        };
        for (const RECT& p : pieces) {
            if (p.left < p.right && p.top < p.bottom)
                kept.push_back(p);
        }
    }
    dc->clip = std::move(kept);
    return Complexity(*dc);
}

int WINAPI GetClipBox(HDC handle, LPRECT box)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc || !box)
        return RGN_ERROR;
    *box = RECT{0, 0, 0, 0};
    bool any = false;
    for (const RECT& c : dc->clip) {
        if (!any)
            *box = c;
        box->left = std::min(box->left, c.left);
        box->top = std::min(box->top, c.top);
        box->right = std::max(box->right, c.right);
        box->bottom = std::max(box->bottom, c.bottom);
        any = true;
    }
    if (any) {
        box->left -= dc->origin.x;
        box->right -= dc->origin.x;
        box->top -= dc->origin.y;
        box->bottom -= dc->origin.y;
    }
    return Complexity(*dc);
}

BOOL WINAPI InvertRect(HDC handle, const RECT* rect)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc || !rect)
        return FALSE;
    XorDeviceRect(*dc, *rect, 0xFFFFFF);
    return TRUE;
}

BOOL WINAPI DrawFocusRect(HDC handle, const RECT* rect)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc || !rect || rect->left >= rect->right || rect->top >= rect->bottom)
        return FALSE;
    // A dotted frame, every other pixel inverted, so drawing it twice removes it.
    const RECT& r = *rect;
    for (int x = r.left; x < r.right; x += 2) {
        XorDeviceRect(*dc, RECT{x, r.top, x + 1, r.top + 1}, 0xFFFFFF);
        if (r.bottom - 1 > r.top)
            XorDeviceRect(*dc, RECT{x, r.bottom - 1, x + 1, r.bottom}, 0xFFFFFF);
    }
    for (int y = r.top + 2; y < r.bottom - 1; y += 2) {
        XorDeviceRect(*dc, RECT{r.left, y, r.left + 1, y + 1}, 0xFFFFFF);
        if (r.right - 1 > r.left)
            XorDeviceRect(*dc, RECT{r.right - 1, y, r.right, y + 1}, 0xFFFFFF);
    }
    return TRUE;
}
