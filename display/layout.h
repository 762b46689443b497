// The grid view on the screen: the off-screen grid image made for the layout (core's view
// geometry), its copy to the screen, and the view following a drag or the current word. The
// grid is only ever drawn into the image; the screen sees it through PresentView.
#pragma once

#include "view_geometry.h"
#include "windows.h"

// Makes the grid image: a memory DC with a width x height bitmap compatible with the
// window's DC, filled white. An image made before is deleted first.
void CreateBackBuffer(HWND window, int width, int height);
// Deletes the grid image (nothing when there is none).
void DestroyBackBuffer();

// Copies width x height pixels of the grid image from (srcX, srcY) to the window at (0, 0);
// the part of that rectangle beyond the image's edges is painted white, never read.
void PresentView(HWND window, int width, int height, int srcX, int srcY);

// Recomputes the layout from the client rectangle, the input panel, the keyboard and the
// magnification, resets the scroll offsets and makes a new, white grid image.
void ComputeLayout(HWND window);

// Moves the view by a stylus movement of (dx, dy) (the picture follows the pen) along each
// direction in which the grid is larger than the view, and presents it. A step that would
// pass the grid's edge is dropped whole for that direction.
void DragScroll(HWND window, int dx, int dy);

// Moves the scroll offsets so the current word can be seen and presents the view when they
// changed.
void ScrollWordIntoView(HWND window);

// Whether the device's input panel is up (a failed query counts as down).
bool InputPanelUp();
