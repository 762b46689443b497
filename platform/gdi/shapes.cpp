// Shapes: rectangles, rounded rectangles, ellipses, lines, fills and single pixels. Each
// reads guard, geometry, fill: the geometry is worked out in device pixels and handed to the
// raster helpers as rectangles and spans, so every scale draws the same picture.
#include <cmath>
#include <cstdlib>
#include <vector>

#include "raster.h"

namespace {

struct Pen {
    bool visible;    // PS_NULL draws nothing
    bool inside;     // PS_INSIDEFRAME: wide borders grow inwards
    int width;       // device pixels
    uint32_t pixel;  // stored colour
};

Pen PenOf(const DeviceContext& dc)
{
    const GdiObject& p = *dc.pen;
    return Pen{p.penStyle != PS_NULL, p.penStyle == PS_INSIDEFRAME, p.penWidth, PixelOf(p.color)};
}

// The brush's colour, false for a null brush.
bool BrushPixel(const GdiObject& brush, uint32_t* pixel)
{
    if (brush.brushStyle == BS_NULL)
        return false;
    *pixel = PixelOf(brush.color);
    return true;
}

// A frame `thickness` pixels wide just inside `outer`.
void FillFrame(const DeviceContext& dc, const RECT& outer, int thickness, uint32_t pixel)
{
    if (thickness * 2 >= outer.right - outer.left || thickness * 2 >= outer.bottom - outer.top) {
        FillDeviceRect(dc, outer, pixel);
        return;
    }
    FillDeviceRect(dc, RECT{outer.left, outer.top, outer.right, outer.top + thickness}, pixel);
    FillDeviceRect(dc, RECT{outer.left, outer.bottom - thickness, outer.right, outer.bottom},
                   pixel);
    FillDeviceRect(
        dc,
        RECT{outer.left, outer.top + thickness, outer.left + thickness, outer.bottom - thickness},
        pixel);
    FillDeviceRect(
        dc,
        RECT{outer.right - thickness, outer.top + thickness, outer.right, outer.bottom - thickness},
        pixel);
}

// One row of the left half of an ellipse outline: the first outline pixel and how many
// outline pixels follow it on that row.
struct ArcRow {
    int inset;
    int run;
};

// The outline of an ellipse filling a w × h box, rows 0 to (h - 1) / 2 (the lower half is
// the mirror image). Traced with integer error terms along the curve through the centres of
// the box's edge pixels, stepping one pixel at a time, so the outline is connected and the
// same on every machine.
std::vector<ArcRow> EllipseRows(int w, int h)
{
    const int64_t a = w - 1;
    const int64_t b = h - 1;
    const int64_t oddB = b & 1;
    int64_t dx = 4 * (1 - a) * b * b;
    int64_t dy = 4 * (oddB + 1) * a * a;
    int64_t err = dx + dy + oddB * a * a;
    const int64_t stepX = 8 * b * b;
    const int64_t stepY = 8 * a * a;
    int x = 0;           // left outline column
    int y = int(b / 2);  // upper outline row, walking up from the middle
    std::vector<ArcRow> rows((h + 1) / 2, ArcRow{-1, 0});
    auto plot = [&](int px, int py) {
        if (py < 0 || py >= int(rows.size()) || px < 0 || px > (w - 1) / 2)
            return;
        ArcRow& r = rows[py];
        if (r.inset < 0) {
            r = ArcRow{px, 1};
        } else {
            const int last = std::max(r.inset + r.run - 1, px);
            r.inset = std::min(r.inset, px);
            r.run = last - r.inset + 1;
        }
    };
    int right = w - 1;
    do {
        plot(x, y);
        const int64_t e2 = 2 * err;
        if (e2 <= dy) {
            --y;
            err += dy += stepY;
        }
        if (e2 >= dx || 2 * err > dy) {
            ++x;
            --right;
            err += dx += stepX;
        }
    } while (x <= right && y >= 0);
    // A very flat ellipse ends before reaching the top row: finish its tip.
    for (int row = y; row >= 0; --row)
        plot(std::max(0, x - 1), row);
    // Rows the walk skipped take the outline of the row below them.
    for (int row = int(rows.size()) - 1; row >= 0; --row) {
        if (rows[row].inset < 0)
            rows[row] = row + 1 < int(rows.size()) ? rows[row + 1] : ArcRow{0, 1};
    }
    return rows;
}

// A rectangle whose corners are quarters of an ew × eh ellipse: the outline with the pen
// (1 pixel; wider pens thicken it inwards) and the inside with the brush. Left and right,
// top and bottom are mirror images by construction.
void DrawRoundShape(const DeviceContext& dc, const RECT& box, int ew, int eh)
{
    const int w = box.right - box.left;
    const int h = box.bottom - box.top;
    const std::vector<ArcRow> corner = EllipseRows(ew, eh);
    const Pen pen = PenOf(dc);
    uint32_t brushPixel = 0;
    const bool fill = BrushPixel(*dc.brush, &brushPixel);
    const int thickness = pen.visible ? pen.width : 0;

    for (int row = 0; row < h; ++row) {
        const int y = box.top + row;
        const int k = std::min(row, h - 1 - row);  // rows from the nearer edge
        const ArcRow arc = k < int(corner.size()) ? corner[k] : ArcRow{0, 1};
        const int left = box.left + arc.inset;
        const int right = box.right - arc.inset;  // exclusive
        const int edge = k < thickness ? w : std::max(arc.run, thickness);
        if (2 * edge >= right - left) {
            if (thickness > 0)
                FillDeviceSpan(dc, y, left, right, pen.pixel);
            else if (fill)
                FillDeviceSpan(dc, y, left, right, brushPixel);
            continue;
        }
        if (thickness > 0) {
            FillDeviceSpan(dc, y, left, left + edge, pen.pixel);
            FillDeviceSpan(dc, y, right - edge, right, pen.pixel);
            if (fill)
                FillDeviceSpan(dc, y, left + edge, right - edge, brushPixel);
        } else if (fill) {
            FillDeviceSpan(dc, y, left, right, brushPixel);
        }
    }
}

// Calls plot(x, y) for each pixel of the line from (x0, y0) towards (x1, y1), the end point
// left out as GDI does.
template <typename Plot> void WalkLine(int x0, int y0, int x1, int y1, Plot&& plot)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (x0 != x1 || y0 != y1) {
        plot(x0, y0);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void DrawLine(const DeviceContext& dc, POINT from, POINT to)
{
    const Pen pen = PenOf(dc);
    if (!pen.visible)
        return;
    const int lead = pen.width / 2;  // a wide pen is centred on the 1-pixel line
    const int w = pen.width;
    if (from.y == to.y && from.x != to.x) {
        const int x0 = std::min(from.x, to.x + 1);
        const int x1 = std::max(from.x + 1, to.x);
        FillDeviceRect(dc, RECT{x0 - lead, from.y - lead, x1 - lead + w - 1, from.y - lead + w},
                       pen.pixel);
        return;
    }
    if (from.x == to.x && from.y != to.y) {
        const int y0 = std::min(from.y, to.y + 1);
        const int y1 = std::max(from.y + 1, to.y);
        FillDeviceRect(dc, RECT{from.x - lead, y0 - lead, from.x - lead + w, y1 - lead + w - 1},
                       pen.pixel);
        return;
    }
    WalkLine(from.x, from.y, to.x, to.y, [&](int x, int y) {
        FillDeviceRect(dc, RECT{x - lead, y - lead, x - lead + w, y - lead + w}, pen.pixel);
    });
}

bool VisibleAt(const DeviceContext& dc, int x, int y)
{
    const POINT p{x + dc.origin.x, y + dc.origin.y};
    for (const RECT& c : dc.clip) {
        if (p.x >= c.left && p.x < c.right && p.y >= c.top && p.y < c.bottom)
            return true;
    }
    return false;
}

}  // namespace

BOOL WINAPI Rectangle(HDC handle, int left, int top, int right, int bottom)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc)
        return FALSE;
    const RECT rc = NormalizedRect(left, top, right, bottom);
    if (rc.left == rc.right || rc.top == rc.bottom)
        return TRUE;
    const Pen pen = PenOf(*dc);
    uint32_t brushPixel = 0;
    const bool fill = BrushPixel(*dc->brush, &brushPixel);
    if (!pen.visible) {
        // Without a pen the fill ends one pixel short on the right and at the bottom.
        if (fill)
            FillDeviceRect(*dc, RECT{rc.left, rc.top, rc.right - 1, rc.bottom - 1}, brushPixel);
        return TRUE;
    }
    const int w = pen.width;
    RECT outer = rc;
    if (!pen.inside && w > 1) {
        // A wide pen is centred on the 1-pixel border line.
        outer = RECT{rc.left - w / 2, rc.top - w / 2, rc.right - 1 - w / 2 + w,
                     rc.bottom - 1 - w / 2 + w};
    }
    if (fill) {
        FillDeviceRect(*dc, RECT{outer.left + w, outer.top + w, outer.right - w, outer.bottom - w},
                       brushPixel);
    }
    FillFrame(*dc, outer, w, pen.pixel);
    return TRUE;
}

BOOL WINAPI RoundRect(HDC handle, int left, int top, int right, int bottom, int ellipseWidth,
                      int ellipseHeight)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc)
        return FALSE;
    const RECT rc = NormalizedRect(left, top, right, bottom);
    if (rc.left == rc.right || rc.top == rc.bottom)
        return TRUE;
    const int ew = std::min<int>(rc.right - rc.left, std::abs(ellipseWidth));
    const int eh = std::min<int>(rc.bottom - rc.top, std::abs(ellipseHeight));
    // Corners of two pixels or less round nothing: GDI draws the plain rectangle.
    if (ew <= 2 || eh <= 2)
        return Rectangle(handle, left, top, right, bottom);
    DrawRoundShape(*dc, rc, ew, eh);
    return TRUE;
}

BOOL WINAPI Ellipse(HDC handle, int left, int top, int right, int bottom)
{
    const RECT rc = NormalizedRect(left, top, right, bottom);
    return RoundRect(handle, left, top, right, bottom, rc.right - rc.left, rc.bottom - rc.top);
}

BOOL WINAPI Polyline(HDC handle, const POINT* points, int count)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc || !points || count < 2)
        return FALSE;
    for (int i = 0; i + 1 < count; ++i)
        DrawLine(*dc, points[i], points[i + 1]);
    return TRUE;
}

BOOL WINAPI MoveToEx(HDC handle, int x, int y, LPPOINT previous)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc)
        return FALSE;
    if (previous)
        *previous = dc->position;
    dc->position = POINT{x, y};
    return TRUE;
}

BOOL WINAPI LineTo(HDC handle, int x, int y)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc)
        return FALSE;
    DrawLine(*dc, dc->position, POINT{x, y});
    dc->position = POINT{x, y};
    return TRUE;
}

int WINAPI FillRect(HDC handle, const RECT* rect, HBRUSH brushHandle)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    GdiObject* brush = GdiBrushFromHandle(brushHandle);
    if (!dc || !rect || !brush)
        return 0;
    uint32_t pixel = 0;
    if (BrushPixel(*brush, &pixel))
        FillDeviceRect(*dc, *rect, pixel);
    return 1;
}

int WINAPI FrameRect(HDC handle, const RECT* rect, HBRUSH brushHandle)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    GdiObject* brush = GdiBrushFromHandle(brushHandle);
    if (!dc || !rect || !brush)
        return 0;
    uint32_t pixel = 0;
    if (BrushPixel(*brush, &pixel) && rect->left < rect->right && rect->top < rect->bottom)
        FillFrame(*dc, *rect, 1, pixel);
    return 1;
}

BOOL WINAPI PatBlt(HDC handle, int x, int y, int width, int height, DWORD rop)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc)
        return FALSE;
    const RECT rc = NormalizedRect(x, y, x + width, y + height);
    uint32_t brushPixel = 0;
    switch (rop) {
    case BLACKNESS: FillDeviceRect(*dc, rc, 0x000000); return TRUE;
    case WHITENESS: FillDeviceRect(*dc, rc, 0xFFFFFF); return TRUE;
    case DSTINVERT: XorDeviceRect(*dc, rc, 0xFFFFFF); return TRUE;
    case PATCOPY:
        if (BrushPixel(*dc->brush, &brushPixel))
            FillDeviceRect(*dc, rc, brushPixel);
        return TRUE;
    case PATINVERT:
        if (BrushPixel(*dc->brush, &brushPixel))
            XorDeviceRect(*dc, rc, brushPixel);
        return TRUE;
    default: return FALSE;
    }
}

COLORREF WINAPI SetPixel(HDC handle, int x, int y, COLORREF color)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc || !VisibleAt(*dc, x, y))
        return CLR_INVALID;
    FillDeviceRect(*dc, RECT{x, y, x + 1, y + 1}, PixelOf(color));
    return color & 0xFFFFFF;
}

COLORREF WINAPI GetPixel(HDC handle, int x, int y)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc || !VisibleAt(*dc, x, y))
        return CLR_INVALID;
    const Framebuffer& fb = *dc->target;
    const int s = fb.scale;
    return ColorrefFromPixel(
        fb.pixels[size_t(y + dc->origin.y) * s * fb.stride + size_t(x + dc->origin.x) * s]);
}
