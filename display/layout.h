// The grid view: layout by magnification, the off-screen grid image, its copy to the screen,
// scrolling by dragging and the mapping between window points and squares. The grid is only
// ever drawn into the image; the screen sees it through PresentView.
#pragma once

#include "windows.h"

constexpr int kClueBarBand = 20;   // bottom band with the clue bar alone
constexpr int kKeyboardBand = 65;  // clue bar and on-screen keyboard
constexpr int kMediumCell = 20;
constexpr int kLargeCell = 24;

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

// The view fields of a layout for a client area of clientWidth x clientHeight with
// bottomPanelHeight already set; no drawing objects. ComputeLayout's arithmetic.
void LayoutView(int clientWidth, int clientHeight);

// Moves the view by a stylus movement of (dx, dy) (the picture follows the pen) along each
// direction in which the grid is larger than the view, and presents it. A step that would
// pass the grid's edge is dropped whole for that direction.
void DragScroll(HWND window, int dx, int dy);

// Moves the scroll offsets so the current word can be seen and presents the view when they
// changed.
void ScrollWordIntoView(HWND window);

// The square under window point (x, y) of the grid view; false when it names none.
bool HitTestCell(int x, int y, int* row, int* col);

// The farthest the view may be dragged: 0 in a direction in which the grid fits the view.
int MaxScrollX();
int MaxScrollY();
// Brings scrollX / scrollY back within 0 .. MaxScrollX / MaxScrollY, as a view that changed
// size needs: past the largest scroll the view would show rows below the grid.
void ClampScroll();

// Medium or Large: the magnifications whose grid image may be larger than the view, with clue
// numbers, scrolling and dragging.
bool Magnified();

// Whether the device's input panel is up (a failed query counts as down).
bool InputPanelUp();
