// Keyboard focus, the active window, the foreground request and the stylus capture.
// Activation follows Win32's order: the old window hears WM_ACTIVATE(WA_INACTIVE), the new
// one WM_ACTIVATE(WA_ACTIVE, or WA_CLICKACTIVE after a tap), and then the focus moves into the new
// window unless its handler already put it there.
#include <algorithm>

#include "user/window_internal.h"

namespace {

HWND HandleOf(const UserWindow* w)
{
    return w ? w->handle : nullptr;
}

// Owned windows stay above their owner: raising a window raises its pop-ups with it.
void RaiseWithOwned(UserWindow* w)
{
    auto& list = UserGlobals().topLevel;
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
    list.insert(list.begin(), w);
    std::vector<UserWindow*> owned;
    for (UserWindow* t : list) {
        if (t->owner == w)
            owned.push_back(t);
    }
    // Keep their relative order: raise the lowest first.
    for (auto it = owned.rbegin(); it != owned.rend(); ++it)
        RaiseWithOwned(*it);
}

}  // namespace

void BringToTop(UserWindow* w)
{
    if (!w || w->parent)
        return;
    const std::vector<UserWindow*> before = UserGlobals().topLevel;
    RaiseWithOwned(w);
    if (before != UserGlobals().topLevel && IsReallyVisible(w))
        InvalidateWindowRect(w, nullptr, true, true);
}

void SetFocusTo(UserWindow* w)
{
    UserGlobalState& u = UserGlobals();
    UserWindow* old = u.focus;
    if (old == w)
        return;
    u.focus = w;
    if (old)
        UserSend(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(HandleOf(w)), 0);
    // The old window's handler may have moved the focus again; only a still-current focus
    // hears WM_SETFOCUS.
    if (w && u.focus == w && LocalWindow(w->handle) == w)
        UserSend(w, WM_SETFOCUS, reinterpret_cast<WPARAM>(HandleOf(old)), 0);
}

void ActivateWindow(UserWindow* w, bool raise, WORD state)
{
    UserGlobalState& u = UserGlobals();
    if (raise)
        BringToTop(w);
    UserWindow* old = u.active;
    if (old == w)
        return;
    u.active = w;
    if (old && LocalWindow(old->handle) == old)
        UserSend(old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(HandleOf(w)));
    if (!w || u.active != w)
        return;
    UserSend(w, WM_ACTIVATE, state, reinterpret_cast<LPARAM>(HandleOf(old)));
    if (u.active == w && LocalWindow(w->handle) == w && !(u.focus && IsDescendant(w, u.focus)))
        SetFocusTo(w);
}

void ForgetWindowState(UserWindow* w)
{
    UserGlobalState& u = UserGlobals();
    if (u.capture && IsDescendant(w, u.capture)) {
        UserWindow* old = u.capture;
        u.capture = nullptr;
        UserSend(old, WM_CAPTURECHANGED, 0, 0);
    }
    if (u.active == w) {
        u.active = nullptr;
        // The owner takes over when it can; otherwise the topmost window that can be active.
        UserWindow* next = nullptr;
        if (w->owner && IsReallyVisible(w->owner) && !(w->owner->style & WS_DISABLED) &&
            !w->owner->destroying)
            next = w->owner;
        for (UserWindow* t : u.topLevel) {
            if (next)
                break;
            if (t != w && !t->destroying && IsReallyVisible(t) && !(t->style & WS_DISABLED))
                next = t;
        }
        UserSend(w, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(HandleOf(next)));
        if (next)
            ActivateWindow(next, true);
    }
    if (u.focus && IsDescendant(w, u.focus)) {
        UserWindow* old = u.focus;
        u.focus = nullptr;
        UserSend(old, WM_KILLFOCUS, 0, 0);
    }
}

HWND WINAPI SetFocus(HWND hwnd)
{
    UserGlobalState& u = UserGlobals();
    HWND previous = HandleOf(u.focus);
    if (!hwnd) {
        SetFocusTo(nullptr);
        return previous;
    }
    UserWindow* w = LocalWindow(hwnd);
    if (!w)
        return nullptr;
    // A window on its way out (a WM_DESTROY handler giving itself or a child the focus)
    // cannot take it: the focus would outlive the window.
    for (UserWindow* p = w; p; p = p->parent) {
        if ((p->style & WS_DISABLED) || p->destroying)
            return nullptr;
    }
    UserWindow* top = TopLevelOf(w);
    if (u.active != top)
        ActivateWindow(top, true);
    SetFocusTo(w);
    return previous;
}

HWND WINAPI GetFocus(void)
{
    return HandleOf(UserGlobals().focus);
}

HWND WINAPI SetActiveWindow(HWND hwnd)
{
    UserWindow* w = TopLevelOf(LocalWindow(hwnd));
    if (!w || (w->style & WS_DISABLED))
        return nullptr;
    HWND previous = HandleOf(UserGlobals().active);
    ActivateWindow(w, true);
    return previous;
}

HWND WINAPI GetActiveWindow(void)
{
    return HandleOf(UserGlobals().active);
}

BOOL WINAPI SetForegroundWindow(HWND hwnd)
{
    hwnd = reinterpret_cast<HWND>(reinterpret_cast<uintptr_t>(hwnd) & ~uintptr_t(1));
    UserWindow* w = WindowFromHandle(hwnd);
    if (!w)
        return FALSE;
    if (w->remotePid)
        return RegistryRaise(w) ? TRUE : FALSE;
    UserWindow* top = TopLevelOf(w);
    if (top->style & WS_DISABLED) {
        // A window under a modal dialog: the dialog comes forward instead.
        for (UserWindow* t : UserGlobals().topLevel) {
            if (t->owner == top && IsReallyVisible(t)) {
                top = t;
                break;
            }
        }
    }
    ActivateWindow(top, true);
    return TRUE;
}

HWND WINAPI GetForegroundWindow(void)
{
    return HandleOf(UserGlobals().active);
}

HWND WINAPI SetCapture(HWND hwnd)
{
    UserGlobalState& u = UserGlobals();
    UserWindow* w = LocalWindow(hwnd);
    UserWindow* old = u.capture;
    if (!w || old == w)
        return HandleOf(old);
    u.capture = w;
    if (old)
        UserSend(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return HandleOf(old);
}

BOOL WINAPI ReleaseCapture(void)
{
    UserGlobalState& u = UserGlobals();
    UserWindow* old = u.capture;
    u.capture = nullptr;
    if (old)
        UserSend(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND WINAPI GetCapture(void)
{
    return HandleOf(UserGlobals().capture);
}

SHORT WINAPI GetKeyState(int virtualKey)
{
    if (virtualKey < 0 || virtualKey > 255)
        return 0;
    return (UserGlobals().keyState[virtualKey] & 0x80) ? SHORT(0x8000) : 0;
}

SHORT WINAPI GetAsyncKeyState(int virtualKey)
{
    if (virtualKey < 0 || virtualKey > 255)
        return 0;
    return (UserGlobals().asyncKeyState[virtualKey] & 0x80) ? SHORT(0x8000) : 0;
}
