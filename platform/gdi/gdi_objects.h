// The records behind GDI's handles: pens, brushes, fonts, bitmaps and device contexts, and
// the lookups that turn a handle back into its record. Shared by the files of platform/gdi
// only; nothing outside GDI sees these records.
#pragma once

#include <cstdint>
#include <vector>

#include "framebuffer.h"
#include "gdi_internal.h"
#include "wingdi.h"

struct FontInstance;

enum class GdiKind { Pen, Brush, Font, Bitmap };

struct GdiObject {
    GdiKind kind;                      // which of the fields below mean something
    bool stock = false;                // GetStockObject's: never freed, never counted
    bool deletePending = false;        // DeleteObject came while selected: free on last release
    int selectCount = 0;               // device contexts that have it selected
    COLORREF color = 0;                // pen or brush colour
    int penStyle = PS_SOLID;           // PS_SOLID, PS_NULL, PS_INSIDEFRAME
    int penWidth = 1;                  // device pixels, at least 1
    int brushStyle = BS_SOLID;         // BS_SOLID or BS_NULL
    LOGFONTW logFont{};                // font as created
    FontInstance* instance = nullptr;  // its face and glyphs, cached at instanceScale
    int instanceScale = 0;             // surface scale the instance was made for
    int width = 0;                     // bitmap size in device pixels
    int height = 0;                    // bitmap size in device pixels
    std::vector<uint32_t> pixels;      // bitmap storage, (width × scale) × (height × scale)
    Framebuffer surface{};             // the bitmap's pixels as a drawing target
};

struct DeviceContext {
    bool memory = false;     // CreateCompatibleDC's, else a surface DC
    Framebuffer* target;     // where drawing goes: the surface or the selected bitmap
    POINT origin{};          // DC point (0, 0) on the target, device pixels
    std::vector<RECT> clip;  // visible parts of the target, device pixels, target coords
    GdiObject* pen;          // selected objects; never null
    GdiObject* brush;
    GdiObject* font;
    GdiObject* bitmap;  // memory DCs: the selected bitmap (the stock 1 × 1 at first)
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    POINT position{};  // current position for MoveToEx / LineTo
};

// The record of a live handle, or nullptr for a deleted, foreign or null handle.
GdiObject* GdiObjectFromHandle(HGDIOBJ handle);
DeviceContext* GdiDcFromHandle(HDC dc);
// A brush handle, or a system colour index + 1 as window classes pass it; nullptr otherwise.
GdiObject* GdiBrushFromHandle(HBRUSH brush);

// A new counted bitmap of width × height device pixels at the device scale, all black;
// nullptr for sizes out of range (1 to 16384).
HBITMAP GdiNewBitmap(int width, int height);

// Device pixels of a target, whatever its scale.
inline int DeviceWidth(const Framebuffer& fb)
{
    return fb.width / fb.scale;
}
inline int DeviceHeight(const Framebuffer& fb)
{
    return fb.height / fb.scale;
}
