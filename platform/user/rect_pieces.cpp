// The window manager's rectangle arithmetic: RECT values over the device's own rectangle
// functions, and the pieces of a rectangle left when another is cut out of it.
#include "user/window_internal.h"
#include "wingdi.h"

bool UserRectEmpty(const RECT& r)
{
    return IsRectEmpty(&r);
}

RECT UserRectIntersect(const RECT& a, const RECT& b)
{
    RECT r;
    IntersectRect(&r, &a, &b);
    return r;
}

RECT UserRectUnion(const RECT& a, const RECT& b)
{
    RECT r;
    if (!UnionRect(&r, &a, &b))
        return b;  // both empty: the second, as before
    return r;
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
