// Update regions, WM_PAINT and window device contexts. A window DC draws straight onto the
// screen surface, clipped to the part of the window that shows: its client rectangle inside
// its parents, less the windows above it and, for WS_CLIPCHILDREN windows, less its
// children. So a paint of the main window never overwrites a dialog on top of it.
// The update region is kept as its bounding box, which is what BeginPaint reports anyway.
#include <algorithm>
#include <unordered_map>

#include "gdi/gdi_internal.h"
#include "user/user_internal.h"
#include "user/window_internal.h"

namespace {

struct WindowDC {
    UserWindow* window;  // nullptr: the whole screen (GetDC(nullptr))
};

std::unordered_map<HDC, WindowDC> gDCs;

const RECT kScreen = {0, 0, kScreenWidth, kScreenHeight};

void SubtractFromAll(std::vector<RECT>* rects, const RECT& cut)
{
    std::vector<RECT> out;
    for (const RECT& r : *rects)
        UserRectSubtract(r, cut, &out);
    *rects = std::move(out);
}

HDC MakeDC(UserWindow* w, const RECT* limitScreen)
{
    std::vector<RECT> clip = w ? UserVisibleRects(w->handle) : std::vector<RECT>{kScreen};
    if (limitScreen) {
        std::vector<RECT> limited;
        for (const RECT& r : clip) {
            const RECT i = UserRectIntersect(r, *limitScreen);
            if (!UserRectEmpty(i))
                limited.push_back(i);
        }
        clip = std::move(limited);
    }
    POINT origin = {0, 0};
    if (w) {
        const RECT c = ClientRectOnScreen(w);
        origin = {c.left, c.top};
    }
    HDC dc = GdiCreateSurfaceDC(UserScreen(), origin, clip.data(), int(clip.size()));
    if (dc)
        gDCs[dc] = {w};
    return dc;
}

void Release(HDC dc)
{
    auto it = gDCs.find(dc);
    if (it == gDCs.end())
        return;
    UserWindow* w = it->second.window;
    UserMarkScreenDirty(w ? ClientRectOnScreen(w) : kScreen);
    gDCs.erase(it);
    GdiDeleteSurfaceDC(dc);
}

void ToClient(const UserWindow* w, RECT* r)
{
    const RECT c = ClientRectOnScreen(w);
    r->left -= c.left;
    r->right -= c.left;
    r->top -= c.top;
    r->bottom -= c.top;
}

void InvalidateTree(UserWindow* w, const RECT& screenRect)
{
    if (!(w->style & WS_VISIBLE))
        return;
    RECT r = UserRectIntersect(screenRect, WindowRectOnScreen(w));
    if (UserRectEmpty(r))
        return;
    ToClient(w, &r);
    InvalidateWindowRect(w, &r, true, !(w->style & WS_CLIPCHILDREN));
    if (w->style & WS_CLIPCHILDREN) {
        for (UserWindow* c : w->children)
            InvalidateTree(c, screenRect);
    }
}

bool FindPending(const std::vector<UserWindow*>& list, HWND filter, UserWindow** found)
{
    for (UserWindow* w : list) {
        if (!(w->style & WS_VISIBLE))
            continue;
        const bool inFilter = !filter || w->handle == filter || IsChild(filter, w->handle);
        if (inFilter && w->created && HasUpdate(w)) {
            *found = w;
            return true;
        }
        if (FindPending(w->children, filter, found))
            return true;
    }
    return false;
}

}  // namespace

std::vector<RECT> UserVisibleRects(HWND hwnd)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w || !IsReallyVisible(w))
        return {};
    RECT base = UserRectIntersect(ClientRectOnScreen(w), kScreen);
    for (const UserWindow* p = w->parent; p; p = p->parent)
        base = UserRectIntersect(base, ClientRectOnScreen(p));
    if (UserRectEmpty(base))
        return {};
    std::vector<RECT> rects = {base};
    for (const UserWindow* node = w; node; node = node->parent) {
        const auto& siblings = node->parent ? node->parent->children : UserGlobals().topLevel;
        // Top-level windows always clip each other; children only with WS_CLIPSIBLINGS, so a
        // group box does not hide the controls drawn over it.
        if (node->parent && !(node->style & WS_CLIPSIBLINGS))
            continue;
        for (const UserWindow* s : siblings) {
            if (s == node)
                break;
            if (s->style & WS_VISIBLE)
                SubtractFromAll(&rects, WindowRectOnScreen(s));
        }
    }
    if (w->style & WS_CLIPCHILDREN) {
        for (const UserWindow* c : w->children) {
            if (c->style & WS_VISIBLE)
                SubtractFromAll(&rects, WindowRectOnScreen(c));
        }
    }
    return rects;
}

bool HasUpdate(const UserWindow* w)
{
    return !UserRectEmpty(w->update);
}

void InvalidateWindowRect(UserWindow* w, const RECT* clientRect, bool erase, bool children)
{
    RECT client = {0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    RECT r = clientRect ? UserRectIntersect(*clientRect, client) : client;
    if (UserRectEmpty(r))
        return;
    w->update = HasUpdate(w) ? UserRectUnion(w->update, r) : r;
    w->erase = w->erase || erase;
    if (!children)
        return;
    // The update region is one box, and the window paints all of it: over every child in the
    // box, not only those under the part just invalidated (hiding two controls must not
    // wipe out a third that lies between them).
    const RECT c = ClientRectOnScreen(w);
    const RECT& u = w->update;
    const RECT screenRect = {u.left + c.left, u.top + c.top, u.right + c.left, u.bottom + c.top};
    for (UserWindow* child : w->children)
        InvalidateTree(child, screenRect);
}

void InvalidateScreenArea(const RECT& screenRect, const UserWindow* except)
{
    for (UserWindow* t : UserGlobals().topLevel) {
        if (t != except)
            InvalidateTree(t, screenRect);
    }
}

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase)
{
    if (!hwnd) {
        InvalidateScreenArea(rect ? *rect : kScreen, nullptr);
        return TRUE;
    }
    UserWindow* w = LocalWindow(hwnd);
    if (!w)
        return FALSE;
    // A parent that does not clip its children paints over them, so they are repainted too.
    InvalidateWindowRect(w, rect, erase != FALSE, !(w->style & WS_CLIPCHILDREN));
    return TRUE;
}

BOOL WINAPI ValidateRect(HWND hwnd, const RECT* rect)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w)
        return FALSE;
    if (!rect) {
        w->update = {0, 0, 0, 0};
        w->erase = false;
        return TRUE;
    }
    // Only a validation that covers a whole side of the box shrinks a bounding box exactly.
    std::vector<RECT> left;
    UserRectSubtract(w->update, *rect, &left);
    RECT box = {0, 0, 0, 0};
    for (const RECT& r : left)
        box = UserRectEmpty(box) ? r : UserRectUnion(box, r);
    w->update = box;
    if (UserRectEmpty(box))
        w->erase = false;
    return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w)
        return FALSE;
    if (rect)
        *rect = HasUpdate(w) ? w->update : RECT{0, 0, 0, 0};
    return HasUpdate(w);
}

BOOL WINAPI UpdateWindow(HWND hwnd)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w)
        return FALSE;
    if (HasUpdate(w) && IsReallyVisible(w))
        UserSend(w, WM_PAINT, 0, 0);
    const std::vector<UserWindow*> kids = w->children;
    for (UserWindow* c : kids) {
        if (LocalWindow(c->handle) == c)
            UpdateWindow(c->handle);
    }
    return TRUE;
}

bool PaintTakePending(HWND hwnd, MSG* out)
{
    UserWindow* w = nullptr;
    if (!FindPending(UserGlobals().topLevel, hwnd, &w))
        return false;
    *out = {w->handle, WM_PAINT, 0, 0, GetTickCount(), UserGlobals().stylus};
    return true;
}

HDC WINAPI GetDC(HWND hwnd)
{
    if (!hwnd)
        return MakeDC(nullptr, nullptr);
    UserWindow* w = LocalWindow(hwnd);
    return w ? MakeDC(w, nullptr) : nullptr;
}

int WINAPI ReleaseDC(HWND, HDC dc)
{
    if (gDCs.find(dc) == gDCs.end())
        return 0;
    Release(dc);
    return 1;
}

HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT paint)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w || !paint)
        return nullptr;
    *paint = {};
    paint->rcPaint = HasUpdate(w) ? w->update : RECT{0, 0, 0, 0};
    const bool erase = w->erase;
    w->update = {0, 0, 0, 0};
    w->erase = false;
    const RECT c = ClientRectOnScreen(w);
    const RECT limit = {paint->rcPaint.left + c.left, paint->rcPaint.top + c.top,
                        paint->rcPaint.right + c.left, paint->rcPaint.bottom + c.top};
    paint->hdc = MakeDC(w, &limit);
    if (erase && paint->hdc)
        paint->fErase =
            UserSend(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0) ? FALSE : TRUE;
    return paint->hdc;
}

BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT* paint)
{
    if (paint && paint->hdc)
        Release(paint->hdc);
    return TRUE;
}

void ReleaseDCsOf(const UserWindow* w)
{
    std::vector<HDC> mine;
    for (auto& [dc, info] : gDCs) {
        if (info.window == w)
            mine.push_back(dc);
    }
    for (HDC dc : mine) {
        gDCs.erase(dc);
        GdiDeleteSurfaceDC(dc);
    }
}

void PaintReset()
{
    for (auto& [dc, info] : gDCs)
        GdiDeleteSurfaceDC(dc);
    gDCs.clear();
}
