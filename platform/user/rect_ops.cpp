// Rectangle arithmetic of the window manager. Right and bottom edges are exclusive.
#include <algorithm>

#include "user/window_internal.h"

bool UserRectEmpty(const RECT& r)
{
    return r.left >= r.right || r.top >= r.bottom;
}

RECT UserRectIntersect(const RECT& a, const RECT& b)
{
    RECT r = {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
    return UserRectEmpty(r) ? RECT{0, 0, 0, 0} : r;
}

RECT UserRectUnion(const RECT& a, const RECT& b)
{
    if (UserRectEmpty(a))
        return b;
    if (UserRectEmpty(b))
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

void UserRectSubtract(const RECT& from, const RECT& cut, std::vector<RECT>* out)
{
    const RECT i = UserRectIntersect(from, cut);
    if (UserRectEmpty(i)) {
        if (!UserRectEmpty(from))
            out->push_back(from);
        return;
    }
    // Bands above and below the cut, then the pieces left and right of it.
    if (from.top < i.top)
        out->push_back({from.left, from.top, from.right, i.top});
    if (i.bottom < from.bottom)
        out->push_back({from.left, i.bottom, from.right, from.bottom});
    if (from.left < i.left)
        out->push_back({from.left, i.top, i.left, i.bottom});
    if (i.right < from.right)
        out->push_back({i.right, i.top, from.right, i.bottom});
}
