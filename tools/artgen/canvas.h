// A white-on-nothing drawing surface for the artwork: a memory DC with its own bitmap, and
// the few shorthands the pictures share. Every object a picture creates it deletes.
#pragma once

#include "bmp_file.h"
#include "windows.h"

struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
    int width;
    int height;
};

// A canvas of width x height filled with `background`.
Canvas OpenCanvas(int width, int height, COLORREF background);
// Reads the pixels back and releases the canvas.
Picture CloseCanvas(Canvas* canvas);

// Shapes with a one-pixel outline `pen` (or none for CLR_NONE-like -1) and fill `fill`.
void Box(HDC dc, int left, int top, int right, int bottom, COLORREF pen, COLORREF fill);
void RoundBox(HDC dc, int left, int top, int right, int bottom, int corner, COLORREF pen,
              COLORREF fill);
void Oval(HDC dc, int left, int top, int right, int bottom, COLORREF pen, COLORREF fill);
// A polyline of `count` points in `colour`, `width` pixels wide.
void Lines(HDC dc, const POINT* points, int count, COLORREF colour, int width);
// A filled polygon drawn as horizontal spans (the device has no Polygon call).
void FillTriangle(HDC dc, POINT a, POINT b, POINT c, COLORREF colour);
// Text centred in a rectangle.
void CentredText(HDC dc, const RECT& box, const char16_t* text, const char16_t* face, int height,
                 int weight, COLORREF colour);
