// The grid view's geometry: the cell size each magnification gives, the grid's margin, the
// size of the grid image, the band under the view, the scroll offsets within their limits and
// the square under a point. Pure arithmetic on gGame's view fields; the display draws.
#pragma once

#include "game_state.h"

constexpr int kClueBarBand = 20;   // bottom band with the clue bar alone
constexpr int kKeyboardBand = 65;  // clue bar and on-screen keyboard
constexpr int kMediumCell = 20;
constexpr int kLargeCell = 24;

// The view of a client area of clientWidth x clientHeight with a band of `bandHeight` under
// it: the cell size for the magnification, the grid's left margin, the grid image's size; the
// scroll offsets back at the top-left.
void LayOutView(int clientWidth, int clientHeight, int bandHeight);

// Medium or Large: the magnifications whose grid image may be larger than the view, with clue
// numbers, scrolling and dragging.
bool Magnified();

// The farthest the view may be dragged: 0 in a direction in which the grid fits the view.
int MaxScrollX();
int MaxScrollY();
// Brings scrollX / scrollY back within 0 .. MaxScrollX / MaxScrollY, as a view that changed
// size needs: past the largest scroll the view would show rows below the grid.
void ClampScroll();

// Moves the view by a stylus movement of (dx, dy): the picture follows the pen, along each
// direction in which the grid is larger than the view. A step that would pass the grid's edge
// is dropped whole for that direction. Nothing outside Medium and Large.
void DragView(int dx, int dy);

// The on-screen keyboard shown or hidden: the band under the view of a client area
// `clientHeight` high becomes the keyboard's or the clue bar's. When the band shrinks, scrollY
// follows so that the rows at the bottom of the view stay there (an offset that would go
// negative is left as it was); the offsets are then kept within the limits of the new view.
void SetKeyboardBand(int clientHeight, bool shown);

// The on-screen keyboard counts as hidden from now on, the band left as it is (Small lays the
// view out again, which reads it).
void SetKeyboardShown(bool shown);

// The clue bar grown `pixels` above its band's usual top for a clue of more lines: the view
// loses that much at its bottom (the band gains it) and the scroll offsets stay within the
// smaller view's limits. 0 gives the band back; a new layout or keyboard band starts at 0.
void SetClueBarGrowth(int pixels);

// The square under window point (x, y) of the grid view; false when it names none.
bool HitTestCell(int x, int y, int* row, int* col);
