// GDI: device contexts, bitmaps, pens, brushes, fonts and drawing, plus the rectangle helpers
// and DrawTextW, which live with the text engine here. Coordinates are device pixels; how
// finely a surface stores them is GDI's business, never the caller's.
#pragma once

#include "windef.h"

// ---- Colours and object kinds ---------------------------------------------------------------

#define CLR_INVALID 0xFFFFFFFF

#define OBJ_PEN    1
#define OBJ_BRUSH  2
#define OBJ_DC     3
#define OBJ_FONT   6
#define OBJ_BITMAP 7
#define OBJ_MEMDC  10

// ---- Stock objects ---------------------------------------------------------------------------

#define WHITE_BRUSH      0
#define LTGRAY_BRUSH     1
#define GRAY_BRUSH       2
#define DKGRAY_BRUSH     3
#define BLACK_BRUSH      4
#define NULL_BRUSH       5
#define HOLLOW_BRUSH     NULL_BRUSH
#define WHITE_PEN        6
#define BLACK_PEN        7
#define NULL_PEN         8
#define SYSTEM_FONT      13
#define DEFAULT_GUI_FONT 17

// ---- System colours -------------------------------------------------------------------------
// FillRect also takes (HBRUSH)(COLOR_xxx + 1) for a system colour, as window classes do.

#define COLOR_SCROLLBAR     0
#define COLOR_BACKGROUND    1
#define COLOR_ACTIVECAPTION 2
#define COLOR_MENU          4
#define COLOR_WINDOW        5
#define COLOR_WINDOWFRAME   6
#define COLOR_MENUTEXT      7
#define COLOR_WINDOWTEXT    8
#define COLOR_CAPTIONTEXT   9
#define COLOR_HIGHLIGHT     13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE       15
#define COLOR_BTNSHADOW     16
#define COLOR_GRAYTEXT      17
#define COLOR_BTNTEXT       18
#define COLOR_BTNHIGHLIGHT  20
#define COLOR_3DDKSHADOW    21
#define COLOR_3DLIGHT       22
#define COLOR_3DFACE        COLOR_BTNFACE
#define COLOR_3DSHADOW      COLOR_BTNSHADOW
#define COLOR_3DHILIGHT     COLOR_BTNHIGHLIGHT

// ---- Pens and brushes ------------------------------------------------------------------------

#define PS_SOLID       0
#define PS_NULL        5
#define PS_INSIDEFRAME 6

#define BS_SOLID  0
#define BS_NULL   1
#define BS_HOLLOW BS_NULL

typedef struct tagLOGPEN {
    UINT lopnStyle;   // PS_*
    POINT lopnWidth;  // x is the width in pixels
    COLORREF lopnColor;
} LOGPEN;

typedef struct tagLOGBRUSH {
    UINT lbStyle;  // BS_*
    COLORREF lbColor;
    ULONG_PTR lbHatch;
} LOGBRUSH;

// ---- Bitmaps ---------------------------------------------------------------------------------

typedef struct tagBITMAP {
    LONG bmType;        // always 0
    LONG bmWidth;       // device pixels
    LONG bmHeight;      // device pixels
    LONG bmWidthBytes;  // bytes per row of the device-pixel picture
    WORD bmPlanes;      // 1
    WORD bmBitsPixel;   // 32
    LPVOID bmBits;      // never exposed: nullptr
} BITMAP, *LPBITMAP;

// ---- Fonts -----------------------------------------------------------------------------------

#define LF_FACESIZE 32

#define FW_DONTCARE  0
#define FW_THIN      100
#define FW_LIGHT     300
#define FW_NORMAL    400
#define FW_REGULAR   400
#define FW_MEDIUM    500
#define FW_SEMIBOLD  600
#define FW_BOLD      700
#define FW_EXTRABOLD 800
#define FW_HEAVY     900

#define ANSI_CHARSET        0
#define DEFAULT_CHARSET     1
#define OUT_DEFAULT_PRECIS  0
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY     0
#define ANTIALIASED_QUALITY 4
#define DEFAULT_PITCH       0
#define FIXED_PITCH         1
#define VARIABLE_PITCH      2
#define FF_DONTCARE         0x00
#define FF_SWISS            0x20
#define FF_MODERN           0x30

typedef struct tagLOGFONTW {
    LONG lfHeight;  // < 0: character (em) height in pixels; > 0: cell height; 0: default
    LONG lfWidth;   // ignored: glyphs keep their own proportions
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;  // FW_*; 600 and above draws the bold face
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    WCHAR lfFaceName[LF_FACESIZE];
} LOGFONTW, *LPLOGFONTW;
typedef LOGFONTW LOGFONT;

typedef struct tagTEXTMETRICW {
    LONG tmHeight;            // ascent + descent
    LONG tmAscent;            // pixels above the baseline
    LONG tmDescent;           // pixels below the baseline
    LONG tmInternalLeading;   // tmHeight minus the em height
    LONG tmExternalLeading;   // suggested gap between lines
    LONG tmAveCharWidth;      // average width of the lower-case letters
    LONG tmMaxCharWidth;      // widest glyph
    LONG tmWeight;            // FW_*
    LONG tmOverhang;          // 0
    LONG tmDigitizedAspectX;  // 96
    LONG tmDigitizedAspectY;  // 96
    WCHAR tmFirstChar;
    WCHAR tmLastChar;
    WCHAR tmDefaultChar;
    WCHAR tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
} TEXTMETRICW, *LPTEXTMETRICW;
typedef TEXTMETRICW TEXTMETRIC;

// ---- Raster operations and background modes -------------------------------------------------

#define SRCCOPY     0x00CC0020
#define SRCPAINT    0x00EE0086
#define SRCAND      0x008800C6
#define SRCINVERT   0x00660046
#define SRCERASE    0x00440328
#define NOTSRCCOPY  0x00330008
#define NOTSRCERASE 0x001100A6
#define PATCOPY     0x00F00021
#define PATINVERT   0x005A0049
#define DSTINVERT   0x00550009
#define BLACKNESS   0x00000042
#define WHITENESS   0x00FF0062

#define TRANSPARENT 1
#define OPAQUE      2

#define ETO_OPAQUE  0x0002
#define ETO_CLIPPED 0x0004

// ---- Device capabilities ---------------------------------------------------------------------

#define HORZSIZE   4
#define VERTSIZE   6
#define HORZRES    8
#define VERTRES    10
#define BITSPIXEL  12
#define PLANES     14
#define NUMCOLORS  24
#define LOGPIXELSX 88
#define LOGPIXELSY 90

// ---- DrawTextW -------------------------------------------------------------------------------

#define DT_TOP             0x00000000
#define DT_LEFT            0x00000000
#define DT_CENTER          0x00000001
#define DT_RIGHT           0x00000002
#define DT_VCENTER         0x00000004
#define DT_BOTTOM          0x00000008
#define DT_WORDBREAK       0x00000010
#define DT_SINGLELINE      0x00000020
#define DT_NOCLIP          0x00000100
#define DT_EXTERNALLEADING 0x00000200
#define DT_CALCRECT        0x00000400
#define DT_NOPREFIX        0x00000800
#define DT_END_ELLIPSIS    0x00008000

// ---- Device contexts and objects -------------------------------------------------------------

HDC WINAPI CreateCompatibleDC(HDC dc);
BOOL WINAPI DeleteDC(HDC dc);
int WINAPI GetDeviceCaps(HDC dc, int index);

HGDIOBJ WINAPI GetStockObject(int which);
DWORD WINAPI GetSysColor(int index);
HBRUSH WINAPI GetSysColorBrush(int index);  // shared, like a stock object
HGDIOBJ WINAPI SelectObject(HDC dc, HGDIOBJ object);
// A pen, brush, font or bitmap still selected into a device context is not freed at once:
// DeleteObject succeeds and the object goes when the last context lets go of it.
BOOL WINAPI DeleteObject(HGDIOBJ object);
int WINAPI GetObjectW(HGDIOBJ object, int size, LPVOID buffer);
DWORD WINAPI GetObjectType(HGDIOBJ object);
HGDIOBJ WINAPI GetCurrentObject(HDC dc, UINT type);

HPEN WINAPI CreatePen(int style, int width, COLORREF color);
HBRUSH WINAPI CreateSolidBrush(COLORREF color);
HBITMAP WINAPI CreateCompatibleBitmap(HDC dc, int width, int height);
HFONT WINAPI CreateFontIndirectW(const LOGFONTW* logFont);
HFONT WINAPI CreateFontW(int height, int width, int escapement, int orientation, int weight,
                         DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                         DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                         DWORD pitchAndFamily, LPCWSTR faceName);

COLORREF WINAPI SetTextColor(HDC dc, COLORREF color);
COLORREF WINAPI GetTextColor(HDC dc);
COLORREF WINAPI SetBkColor(HDC dc, COLORREF color);
COLORREF WINAPI GetBkColor(HDC dc);
int WINAPI SetBkMode(HDC dc, int mode);
int WINAPI GetBkMode(HDC dc);

// ---- Drawing ---------------------------------------------------------------------------------

BOOL WINAPI Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL WINAPI RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth,
                      int ellipseHeight);
BOOL WINAPI Ellipse(HDC dc, int left, int top, int right, int bottom);
BOOL WINAPI Polyline(HDC dc, const POINT* points, int count);
BOOL WINAPI MoveToEx(HDC dc, int x, int y, LPPOINT previous);
BOOL WINAPI LineTo(HDC dc, int x, int y);
int WINAPI FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int WINAPI FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL WINAPI PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
BOOL WINAPI BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                   DWORD rop);
BOOL WINAPI StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                       int srcWidth, int srcHeight, DWORD rop);
COLORREF WINAPI SetPixel(HDC dc, int x, int y, COLORREF color);
COLORREF WINAPI GetPixel(HDC dc, int x, int y);

// ---- Clipping and XOR drawing ---------------------------------------------------------------
// The clip of a DC is narrowed or cut for the DC's life (memory DCs start over at the
// bitmap's bounds when another bitmap is selected). Results are region complexities.

#define RGN_ERROR     0
#define NULLREGION    1
#define SIMPLEREGION  2
#define COMPLEXREGION 3

int WINAPI IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int WINAPI ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int WINAPI GetClipBox(HDC dc, LPRECT box);
BOOL WINAPI InvertRect(HDC dc, const RECT* rect);
BOOL WINAPI DrawFocusRect(HDC dc, const RECT* rect);

// ---- Text ------------------------------------------------------------------------------------

BOOL WINAPI GetTextMetricsW(HDC dc, LPTEXTMETRICW metrics);
BOOL WINAPI GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, LPSIZE size);
BOOL WINAPI ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text,
                        UINT count, const INT* dx);
BOOL WINAPI TextOutW(HDC dc, int x, int y, LPCWSTR text, int count);
// Returns the height of the drawn text, or with DT_VCENTER / DT_BOTTOM the distance from
// rect->top to the bottom of the text; 0 on failure. count -1 means zero-terminated.
int WINAPI DrawTextW(HDC dc, LPCWSTR text, int count, LPRECT rect, UINT format);

// ---- Rectangles ------------------------------------------------------------------------------

BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom);
BOOL WINAPI SetRectEmpty(LPRECT rect);
BOOL WINAPI CopyRect(LPRECT dst, const RECT* src);
BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy);
BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy);
BOOL WINAPI IntersectRect(LPRECT dst, const RECT* a, const RECT* b);
BOOL WINAPI UnionRect(LPRECT dst, const RECT* a, const RECT* b);
BOOL WINAPI IsRectEmpty(const RECT* rect);
BOOL WINAPI PtInRect(const RECT* rect, POINT point);
BOOL WINAPI EqualRect(const RECT* a, const RECT* b);
