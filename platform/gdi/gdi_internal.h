// What GDI offers the rest of the platform (window manager, shell, backends) and nothing
// else: device contexts over surfaces that the caller owns, the device scale, and the count
// of live GDI objects. Programs never include this.
#pragma once

#include <cstddef>
#include <vector>

#include "framebuffer.h"
#include "windef.h"

// The device scale (1 to 4) every new surface, bitmap and font uses. Set once at start,
// before any drawing; 1 until then.
void GdiSetScale(int scale);
int GdiScale();

// A device context drawing onto `target`, a surface owned by the caller that outlives the DC.
// `origin` is where the DC's point (0, 0) lies on the target, in device pixels; drawing is
// clipped to the union of `clipRects` (device pixels, target coordinates, may be empty).
// Released with GdiDeleteSurfaceDC, which deletes no selected object.
HDC GdiCreateSurfaceDC(Framebuffer* target, POINT origin, const RECT* clipRects, int clipCount);
void GdiDeleteSurfaceDC(HDC dc);

// A bitmap from the bytes of an uncompressed BMP picture (1, 4, 8, 24 or 32 bits per pixel,
// with or without the file header), stored at the device scale by repeating each pixel.
// nullptr when the data is not such a picture. The caller deletes it with DeleteObject.
HBITMAP GdiCreateBitmapFromBmp(const void* data, size_t size);

// Writes the stored pixels of `fb` as an 8-bit RGB PNG file; false on any failure.
bool GdiWritePng(const Framebuffer& fb, const char* path);

// Reads an 8-bit RGB(A) PNG file into 0x00RRGGBB pixels, row by row; false on failure.
bool GdiReadPng(const char* path, std::vector<uint32_t>* pixels, int* width, int* height);
