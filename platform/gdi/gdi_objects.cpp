// GDI's object table: creation, selection and deletion of pens, brushes, fonts, bitmaps and
// device contexts, the stock objects, and the device's capabilities. Handles are the
// addresses of their records, checked against the live set so that a stale or foreign
// handle fails instead of crashing.
#include <algorithm>
#include <cstring>
#include <unordered_set>
#include <utility>

#include "automation.h"
#include "gdi_objects.h"
#include "raster.h"

namespace {

int gScale = 1;
std::unordered_set<const void*> gKnownObjects;  // every live object, stock ones included
int gCountedObjects = 0;                        // live objects that are not stock
std::unordered_set<const void*> gLiveDcs;

GdiObject* MakeStock(GdiKind kind)
{
    auto* object = new GdiObject{};
    object->kind = kind;
    object->stock = true;
    gKnownObjects.insert(object);
    return object;
}

GdiObject* StockBrush(COLORREF color, int style = BS_SOLID)
{
    GdiObject* brush = MakeStock(GdiKind::Brush);
    brush->color = color;
    brush->brushStyle = style;
    return brush;
}

GdiObject* StockPen(COLORREF color, int style = PS_SOLID)
{
    GdiObject* pen = MakeStock(GdiKind::Pen);
    pen->color = color;
    pen->penStyle = style;
    return pen;
}

GdiObject* StockFont()
{
    // The device's system font: the 8-point sans of its dialogs and menus.
    GdiObject* font = MakeStock(GdiKind::Font);
    font->logFont.lfHeight = -11;
    font->logFont.lfWeight = FW_NORMAL;
    const char16_t face[] = u"Tahoma";
    std::copy(std::begin(face), std::end(face), font->logFont.lfFaceName);
    return font;
}

// A new memory DC holds a 1 × 1 bitmap until the program selects its own.
GdiObject* DefaultBitmap()
{
    static GdiObject* bitmap = [] {
        GdiObject* b = MakeStock(GdiKind::Bitmap);
        b->width = 1;
        b->height = 1;
        b->pixels.assign(1, 0x000000);
        b->surface = Framebuffer{b->pixels.data(), 1, 1, 1, 1};
        return b;
    }();
    return bitmap;
}

GdiObject* Stock(int which)
{
    // Stock objects live for the whole process; they are made on first use.
    static GdiObject* const objects[] = {
        StockBrush(0xFFFFFF),
        StockBrush(0xC0C0C0),
        StockBrush(0x808080),
        StockBrush(0x404040),
        StockBrush(0x000000),
        StockBrush(0, BS_NULL),
        StockPen(0xFFFFFF),
        StockPen(0x000000),
        StockPen(0, PS_NULL),
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        StockFont(),
        nullptr,
        nullptr,
        nullptr,
        StockFont(),
    };
    if (which < 0 || which >= int(std::size(objects)))
        return nullptr;
    return objects[which];
}

HGDIOBJ Register(GdiObject* object)
{
    gKnownObjects.insert(object);
    ++gCountedObjects;
    return object;
}

void FreeObject(GdiObject* object)
{
    gKnownObjects.erase(object);
    --gCountedObjects;
    delete object;
}

// Drops one selection of `object`; frees it when a DeleteObject was waiting for that.
void Release(GdiObject* object)
{
    if (--object->selectCount == 0 && object->deletePending)
        FreeObject(object);
}

void Retain(GdiObject* object)
{
    ++object->selectCount;
}

void ClipToTarget(DeviceContext* dc)
{
    const RECT bounds{0, 0, DeviceWidth(*dc->target), DeviceHeight(*dc->target)};
    std::vector<RECT> clipped;
    for (const RECT& r : dc->clip) {
        RECT part;
        if (IntersectInto(&part, r, bounds))
            clipped.push_back(part);
    }
    dc->clip = std::move(clipped);
}

void UseBitmap(DeviceContext* dc, GdiObject* bitmap)
{
    dc->bitmap = bitmap;
    dc->target = &bitmap->surface;
    dc->clip.assign(1, RECT{0, 0, bitmap->width, bitmap->height});
}

DeviceContext* NewDc()
{
    auto* dc = new DeviceContext{};
    dc->pen = Stock(BLACK_PEN);
    dc->brush = Stock(WHITE_BRUSH);
    dc->font = Stock(SYSTEM_FONT);
    dc->bitmap = nullptr;
    gLiveDcs.insert(dc);
    return dc;
}

GdiObject* NewBitmap(int width, int height)
{
    const int s = gScale;
    auto* bitmap = new GdiObject{};
    bitmap->kind = GdiKind::Bitmap;
    bitmap->width = width;
    bitmap->height = height;
    bitmap->pixels.assign(size_t(width) * s * height * s, 0x000000);
    bitmap->surface = Framebuffer{bitmap->pixels.data(), width * s, height * s, width * s, s};
    return bitmap;
}

}  // namespace

void GdiSetScale(int scale)
{
    gScale = std::clamp(scale, 1, 4);
}
int GdiScale()
{
    return gScale;
}

int AutomationGdiObjectCount()
{
    return gCountedObjects + int(gLiveDcs.size());
}

GdiObject* GdiObjectFromHandle(HGDIOBJ handle)
{
    return handle && gKnownObjects.count(handle) ? static_cast<GdiObject*>(handle) : nullptr;
}

DeviceContext* GdiDcFromHandle(HDC dc)
{
    return dc && gLiveDcs.count(dc) ? reinterpret_cast<DeviceContext*>(dc) : nullptr;
}

HBITMAP GdiNewBitmap(int width, int height)
{
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384)
        return nullptr;
    return static_cast<HBITMAP>(Register(NewBitmap(width, height)));
}

HDC GdiCreateSurfaceDC(Framebuffer* target, POINT origin, const RECT* clipRects, int clipCount)
{
    if (!target || !target->pixels || target->scale < 1)
        return nullptr;
    DeviceContext* dc = NewDc();
    dc->target = target;
    dc->origin = origin;
    if (clipRects && clipCount > 0)
        dc->clip.assign(clipRects, clipRects + clipCount);
    ClipToTarget(dc);
    Retain(dc->pen);
    Retain(dc->brush);
    Retain(dc->font);
    return reinterpret_cast<HDC>(dc);
}

void GdiDeleteSurfaceDC(HDC handle)
{
    DeleteDC(handle);
}

HDC WINAPI CreateCompatibleDC(HDC)
{
    DeviceContext* dc = NewDc();
    dc->memory = true;
    UseBitmap(dc, DefaultBitmap());
    Retain(dc->pen);
    Retain(dc->brush);
    Retain(dc->font);
    Retain(dc->bitmap);
    return reinterpret_cast<HDC>(dc);
}

BOOL WINAPI DeleteDC(HDC handle)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc)
        return FALSE;
    // The DC lets go of its objects but deletes none: they belong to the program.
    Release(dc->pen);
    Release(dc->brush);
    Release(dc->font);
    if (dc->bitmap)
        Release(dc->bitmap);
    gLiveDcs.erase(dc);
    delete dc;
    return TRUE;
}

int WINAPI GetDeviceCaps(HDC, int index)
{
    switch (index) {
    case HORZRES: return 240;
    case VERTRES: return 320;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    case HORZSIZE: return 64;  // millimetres of a 240-pixel row at 96 dpi
    case VERTSIZE: return 85;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    default: return 0;
    }
}

HGDIOBJ WINAPI GetStockObject(int which)
{
    return Stock(which);
}

namespace {

// The device's colour scheme: white pages, grey controls, dark blue highlights.
constexpr COLORREF kSysColors[] = {
    0xC0C0C0, 0x800000, 0x800000, 0x808080, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x800000, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080,
    0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xDFDFDF, 0x000000, 0xE1FFFF,
};
constexpr int kSysColorCount = int(std::size(kSysColors));

}  // namespace

DWORD WINAPI GetSysColor(int index)
{
    return index >= 0 && index < kSysColorCount ? kSysColors[index] : 0;
}

HBRUSH WINAPI GetSysColorBrush(int index)
{
    static GdiObject* brushes[kSysColorCount] = {};
    if (index < 0 || index >= kSysColorCount)
        return nullptr;
    if (!brushes[index])
        brushes[index] = StockBrush(kSysColors[index]);
    return static_cast<HBRUSH>(static_cast<HGDIOBJ>(brushes[index]));
}

GdiObject* GdiBrushFromHandle(HBRUSH handle)
{
    const uintptr_t value = reinterpret_cast<uintptr_t>(handle);
    if (value >= 1 && value <= uintptr_t(kSysColorCount))
        return GdiObjectFromHandle(GetSysColorBrush(int(value) - 1));
    GdiObject* object = GdiObjectFromHandle(handle);
    return object && object->kind == GdiKind::Brush ? object : nullptr;
}

HGDIOBJ WINAPI SelectObject(HDC handle, HGDIOBJ objectHandle)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    GdiObject* object = GdiObjectFromHandle(objectHandle);
    if (!dc || !object || object->deletePending)
        return nullptr;
    GdiObject** slot = nullptr;
    switch (object->kind) {
    case GdiKind::Pen: slot = &dc->pen; break;
    case GdiKind::Brush: slot = &dc->brush; break;
    case GdiKind::Font: slot = &dc->font; break;
    case GdiKind::Bitmap:
        // Only memory DCs take bitmaps, and a bitmap sits in one DC at a time.
        if (!dc->memory)
            return nullptr;
        if (object != dc->bitmap && object->selectCount > 0 && !object->stock)
            return nullptr;
        slot = &dc->bitmap;
        break;
    }
    GdiObject* previous = *slot;
    if (previous == object)
        return previous;
    Retain(object);
    if (object->kind == GdiKind::Bitmap)
        UseBitmap(dc, object);
    else
        *slot = object;
    Release(previous);  // may free it: the handle is returned for comparison only then
    return previous;
}

BOOL WINAPI DeleteObject(HGDIOBJ handle)
{
    GdiObject* object = GdiObjectFromHandle(handle);
    if (!object)
        return FALSE;
    if (object->stock)
        return TRUE;
    if (object->selectCount > 0) {
        object->deletePending = true;
        return TRUE;
    }
    FreeObject(object);
    return TRUE;
}

int WINAPI GetObjectW(HGDIOBJ handle, int size, LPVOID buffer)
{
    GdiObject* object = GdiObjectFromHandle(handle);
    if (!object)
        return 0;
    auto copyOut = [&](const auto& value) {
        const int needed = int(sizeof(value));
        if (!buffer)
            return needed;
        const int n = std::min(size, needed);
        if (n <= 0)
            return 0;
        std::memcpy(buffer, &value, size_t(n));
        return n;
    };
    switch (object->kind) {
    case GdiKind::Pen:
        return copyOut(LOGPEN{UINT(object->penStyle), POINT{object->penWidth, 0}, object->color});
    case GdiKind::Brush: return copyOut(LOGBRUSH{UINT(object->brushStyle), object->color, 0});
    case GdiKind::Font: return copyOut(object->logFont);
    case GdiKind::Bitmap:
        return copyOut(BITMAP{0, object->width, object->height, object->width * 4, 1, 32, nullptr});
    }
    return 0;
}

DWORD WINAPI GetObjectType(HGDIOBJ handle)
{
    if (DeviceContext* dc = GdiDcFromHandle(static_cast<HDC>(handle)))
        return dc->memory ? OBJ_MEMDC : OBJ_DC;
    GdiObject* object = GdiObjectFromHandle(handle);
    if (!object)
        return 0;
    switch (object->kind) {
    case GdiKind::Pen: return OBJ_PEN;
    case GdiKind::Brush: return OBJ_BRUSH;
    case GdiKind::Font: return OBJ_FONT;
    case GdiKind::Bitmap: return OBJ_BITMAP;
    }
    return 0;
}

HGDIOBJ WINAPI GetCurrentObject(HDC handle, UINT type)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc)
        return nullptr;
    switch (type) {
    case OBJ_PEN: return dc->pen;
    case OBJ_BRUSH: return dc->brush;
    case OBJ_FONT: return dc->font;
    case OBJ_BITMAP: return dc->bitmap;
    default: return nullptr;
    }
}

HPEN WINAPI CreatePen(int style, int width, COLORREF color)
{
    if (style != PS_SOLID && style != PS_NULL && style != PS_INSIDEFRAME)
        style = PS_SOLID;  // dashes are not drawn on this device's small pens
    auto* pen = new GdiObject{};
    pen->kind = GdiKind::Pen;
    pen->penStyle = style;
    pen->penWidth = std::max(1, width);  // width 0 is the 1-pixel cosmetic pen
    pen->color = color & 0xFFFFFF;
    return static_cast<HPEN>(Register(pen));
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color)
{
    auto* brush = new GdiObject{};
    brush->kind = GdiKind::Brush;
    brush->color = color & 0xFFFFFF;
    return static_cast<HBRUSH>(Register(brush));
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC, int width, int height)
{
    // Always a colour bitmap of the device's depth, even from a fresh memory DC.
    if (width == 0 || height == 0)
        return GdiNewBitmap(1, 1);
    return GdiNewBitmap(width, height);
}

HFONT WINAPI CreateFontIndirectW(const LOGFONTW* logFont)
{
    if (!logFont)
        return nullptr;
    auto* font = new GdiObject{};
    font->kind = GdiKind::Font;
    font->logFont = *logFont;
    font->logFont.lfFaceName[LF_FACESIZE - 1] = 0;
    return static_cast<HFONT>(Register(font));
}

HFONT WINAPI CreateFontW(int height, int width, int escapement, int orientation, int weight,
                         DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                         DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                         DWORD pitchAndFamily, LPCWSTR faceName)
{
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = BYTE(italic);
    lf.lfUnderline = BYTE(underline);
    lf.lfStrikeOut = BYTE(strikeOut);
    lf.lfCharSet = BYTE(charSet);
    lf.lfOutPrecision = BYTE(outPrecision);
    lf.lfClipPrecision = BYTE(clipPrecision);
    lf.lfQuality = BYTE(quality);
    lf.lfPitchAndFamily = BYTE(pitchAndFamily);
    for (int i = 0; faceName && faceName[i] && i < LF_FACESIZE - 1; ++i)
        lf.lfFaceName[i] = faceName[i];
    return CreateFontIndirectW(&lf);
}

namespace {

// The text and background colours: the old one for the new (kept to 24 bits), CLR_INVALID
// without a DC.
COLORREF SwapColour(HDC handle, COLORREF DeviceContext::*field, COLORREF color)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    return dc ? std::exchange(dc->*field, color & 0xFFFFFF) : CLR_INVALID;
}

COLORREF ReadColour(HDC handle, COLORREF DeviceContext::*field)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    return dc ? dc->*field : CLR_INVALID;
}

}  // namespace

COLORREF WINAPI SetTextColor(HDC handle, COLORREF color)
{
    return SwapColour(handle, &DeviceContext::textColor, color);
}

COLORREF WINAPI GetTextColor(HDC handle)
{
    return ReadColour(handle, &DeviceContext::textColor);
}

COLORREF WINAPI SetBkColor(HDC handle, COLORREF color)
{
    return SwapColour(handle, &DeviceContext::bkColor, color);
}

COLORREF WINAPI GetBkColor(HDC handle)
{
    return ReadColour(handle, &DeviceContext::bkColor);
}

int WINAPI SetBkMode(HDC handle, int mode)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    return std::exchange(dc->bkMode, mode);
}

int WINAPI GetBkMode(HDC handle)
{
    DeviceContext* dc = GdiDcFromHandle(handle);
    return dc ? dc->bkMode : 0;
}
