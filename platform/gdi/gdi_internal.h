// What GDI offers the rest of the platform (window manager, shell, backends) and nothing
// else: device contexts over surfaces that the caller owns, the device scale, and the count
// of live GDI objects. Programs never include this.
#pragma once

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

// Number of pens, brushes, fonts, bitmaps and device contexts created and not yet deleted
// (stock objects excluded). Tests compare it before and after an operation.
int GdiLiveObjectCount();
