// Scroll offsets that follow the current word.
#include "play_scroll.h"

#include "play_cursor.h"

namespace {

// One axis. `wordFirst` / `wordLast` are the word's first and last position (column or row)
// along the axis, `cursor` the cursor's position on it, `view` the view's extent.
int FollowWord(int offset, int wordFirst, int wordLast, int cursor, int cell, int view)
{
    if ((wordLast + 1) * cell > offset + view && (wordLast - cursor + 1) * cell < view)
        return (wordLast + 1) * cell - view;
    // Scrolling back is limited to less than one view: a word that starts further back leaves
    // the offset where it is.
    if (wordFirst * cell < offset && offset - wordFirst * cell < view)
        return wordFirst * cell;
    return offset;
}

// The axis across the word: only the cursor's own square has to be seen.
int FollowSquare(int offset, int cursor, int cell, int view)
{
    if ((cursor + 1) * cell > offset + view && cell < view)
        return (cursor + 1) * cell - view;
    if (cursor * cell < offset && offset - cursor * cell < view)
        return cursor * cell;
    return offset;
}

}  // namespace

bool ScrollOffsetsToCurrentWord()
{
    GameState& g = gGame;
    const int s = g.cellSize;
    if (g.width <= 0 || g.height <= 0)
        return false;
    int first = 0;
    int last = 0;
    CurrentWord(&first, &last);
    const int oldX = g.scrollX;
    const int oldY = g.scrollY;
    if (g.direction == kAcross) {
        g.scrollX =
            FollowWord(g.scrollX, first % g.width, last % g.width, g.cursorCol, s, g.viewWidth);
        g.scrollY = FollowSquare(g.scrollY, g.cursorRow, s, g.viewHeight);
    } else {
        g.scrollY =
            FollowWord(g.scrollY, first / g.width, last / g.width, g.cursorRow, s, g.viewHeight);
        g.scrollX = FollowSquare(g.scrollX, g.cursorCol, s, g.viewWidth);
    }
    return g.scrollX != oldX || g.scrollY != oldY;
}
