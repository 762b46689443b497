// UserWindow classes and windows: creation, destruction, geometry, styles, text and the window
// longs. A window's rectangle is kept in its parent's client coordinates (the screen for
// top-level windows); the device's windows have no frame, so the client area is the window.
#include <algorithm>
#include <cstring>

#include "controls/controls_internal.h"
#include "strings/case_fold.h"
#include "user/user_internal.h"
#include "user/window_internal.h"

namespace {

bool SameNameNoCase(const std::u16string& a, LPCWSTR b)
{
    return CompareFolded(a, b) == 0;
}

UserClass* FindClass(LPCWSTR name)
{
    if (!name)
        return nullptr;
    for (auto& c : UserGlobals().classes) {
        if (SameNameNoCase(c->name, name))
            return c.get();
    }
    return nullptr;
}

std::u16string OrEmpty(LPCWSTR s)
{
    return s ? std::u16string(s) : std::u16string();
}

void Unlink(UserWindow* w)
{
    auto& list = w->parent ? w->parent->children : UserGlobals().topLevel;
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
}

// Where a new top-level window goes when the program leaves the choice to the device:
// at the top of the visible desktop, as wide as it and as tall as it less the menu bar.
void PlaceDefault(int* x, int* y, int* cx, int* cy)
{
    const RECT desk = UserVisibleDesktop();
    if (*x == CW_USEDEFAULT) {
        *x = desk.left;
        *y = desk.top;
    }
    if (*cx == CW_USEDEFAULT) {
        *cx = desk.right - desk.left;
        *cy = desk.bottom - desk.top - kMenuBarHeight;
    }
}

void SendDestroyMessages(UserWindow* w)
{
    UserSend(w, WM_DESTROY, 0, 0);
    // A child may be destroyed by its parent's WM_DESTROY handler: walk a copy.
    std::vector<UserWindow*> kids = w->children;
    for (UserWindow* c : kids) {
        if (LocalWindow(c->handle) == c && !c->destroying) {
            c->destroying = true;
            SendDestroyMessages(c);
        }
    }
}

void FreeWindow(UserWindow* w)
{
    std::vector<UserWindow*> kids = w->children;
    for (UserWindow* c : kids) {
        if (LocalWindow(c->handle) == c)
            FreeWindow(c);
    }
    ForgetWindowState(w);
    UserSend(w, WM_NCDESTROY, 0, 0);
    RemovePostedFor(w);
    KillTimersOf(w);
    ReleaseDCsOf(w);
    Unlink(w);
    UserGlobals().windows.erase(reinterpret_cast<uintptr_t>(w->handle));
}

}  // namespace

UserGlobalState& UserGlobals()
{
    static UserGlobalState state;
    return state;
}

UserWindow* WindowFromHandle(HWND hwnd)
{
    // The handheld's SetForegroundWindow(hwnd | 1) idiom: the low bit is never part of a handle.
    auto key = reinterpret_cast<uintptr_t>(hwnd);
    auto it = UserGlobals().windows.find(key);
    return it == UserGlobals().windows.end() ? nullptr : it->second.get();
}

UserWindow* LocalWindow(HWND hwnd)
{
    UserWindow* w = WindowFromHandle(hwnd);
    return (w && !w->remotePid) ? w : nullptr;
}

UserWindow* TopLevelOf(UserWindow* w)
{
    while (w && w->parent)
        w = w->parent;
    return w;
}

bool IsDescendant(const UserWindow* ancestor, const UserWindow* w)
{
    for (; w; w = w->parent) {
        if (w == ancestor)
            return true;
    }
    return false;
}

RECT WindowRectOnScreen(const UserWindow* w)
{
    RECT r = w->rect;
    for (const UserWindow* p = w->parent; p; p = p->parent) {
        r.left += p->rect.left;
        r.right += p->rect.left;
        r.top += p->rect.top;
        r.bottom += p->rect.top;
    }
    return r;
}

RECT ClientRectOnScreen(const UserWindow* w)
{
    return WindowRectOnScreen(w);
}

bool IsReallyVisible(const UserWindow* w)
{
    for (; w; w = w->parent) {
        if (!(w->style & WS_VISIBLE))
            return false;
    }
    return true;
}

LRESULT UserSend(UserWindow* w, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!w || !w->proc)
        return 0;
    return w->proc(w->handle, msg, wParam, lParam);
}

WORD WINAPI RegisterClassW(const WNDCLASSW* wc)
{
    if (!wc || !wc->lpszClassName || !wc->lpfnWndProc || FindClass(wc->lpszClassName))
        return 0;
    auto c = std::make_unique<UserClass>();
    c->name = wc->lpszClassName;
    c->wc = *wc;
    c->wc.lpszClassName = c->name.c_str();
    c->wc.lpszMenuName = nullptr;
    UserGlobals().classes.push_back(std::move(c));
    // An atom: any non-zero value unique to the class.
    return WORD(0xC000 + UserGlobals().classes.size());
}

BOOL WINAPI UnregisterClassW(LPCWSTR className, HINSTANCE)
{
    UserClass* c = FindClass(className);
    if (!c)
        return FALSE;
    for (auto& [key, w] : UserGlobals().windows) {
        if (w->cls == c)
            return FALSE;  // still in use, as on the device
    }
    auto& list = UserGlobals().classes;
    list.erase(std::remove_if(list.begin(), list.end(), [c](auto& p) { return p.get() == c; }),
               list.end());
    return TRUE;
}

BOOL WINAPI GetClassInfoW(HINSTANCE, LPCWSTR className, LPWNDCLASSW wc)
{
    UserClass* c = FindClass(className);
    if (!c || !wc)
        return FALSE;
    *wc = c->wc;
    return TRUE;
}

HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                            int x, int y, int width, int height, HWND parentHandle, HMENU menu,
                            HINSTANCE instance, LPVOID param)
{
    UserClass* cls = FindClass(className);
    if (!cls)
        return nullptr;
    UserWindow* parent = nullptr;
    UserWindow* owner = nullptr;
    if (style & WS_CHILD) {
        parent = LocalWindow(parentHandle);
        if (!parent)
            return nullptr;
        if (x == CW_USEDEFAULT)
            x = y = 0;
        if (width == CW_USEDEFAULT)
            width = height = 0;
    } else {
        if (parentHandle) {
            owner = TopLevelOf(LocalWindow(parentHandle));
            if (!owner)
                return nullptr;
        }
        PlaceDefault(&x, &y, &width, &height);
    }

    auto owned = std::make_unique<UserWindow>();
    UserWindow* w = owned.get();
    UserGlobalState& u = UserGlobals();
    w->handle = reinterpret_cast<HWND>(u.nextHandle++ << 2);
    w->cls = cls;
    w->proc = cls->wc.lpfnWndProc;
    w->style = style & ~WS_VISIBLE;
    w->exStyle = exStyle;
    w->text = OrEmpty(windowName);
    w->parent = parent;
    w->owner = owner;
    w->rect = {x, y, x + std::max(width, 0), y + std::max(height, 0)};
    w->instance = instance;
    w->id = (style & WS_CHILD) ? reinterpret_cast<UINT_PTR>(menu) : 0;
    w->userData = 0;
    w->extra.assign(size_t(std::max(cls->wc.cbWndExtra, 0)), 0);
    w->update = {0, 0, 0, 0};
    w->erase = false;
    w->destroying = false;
    w->created = false;
    w->remotePid = 0;
    w->remoteStart = 0;
    w->remoteHandle = 0;
    u.windows.emplace(reinterpret_cast<uintptr_t>(w->handle), std::move(owned));
    // Children go below their older siblings (so the first control of a dialog is on top and
    // first in tab order); top-level windows open above everything.
    if (parent)
        parent->children.push_back(w);
    else
        u.topLevel.insert(u.topLevel.begin(), w);

    CREATESTRUCTW cs = {
        param, instance, menu,        parentHandle, w->rect.bottom - y, w->rect.right - x,
        y,     x,        LONG(style), windowName,   className,          exStyle};
    const HWND handle = w->handle;
    if (!UserSend(w, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) || !LocalWindow(handle) ||
        UserSend(w, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        if (LocalWindow(handle))
            DestroyWindow(handle);
        return nullptr;
    }
    if (!LocalWindow(handle))
        return nullptr;  // WM_CREATE destroyed it
    w->created = true;
    UserSend(w, WM_SIZE, SIZE_RESTORED,
             MAKELPARAM(w->rect.right - w->rect.left, w->rect.bottom - w->rect.top));
    UserSend(w, WM_MOVE, 0, MAKELPARAM(w->rect.left, w->rect.top));
    if (!parent)
        RegistryAdd(w);
    if ((style & WS_VISIBLE) && LocalWindow(handle))
        ShowWindow(handle, SW_SHOW);
    return LocalWindow(handle) ? handle : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hwnd)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w || w->destroying)
        return FALSE;
    w->destroying = true;
    // Owned pop-ups (dialogs, menus) go first, as they cannot outlive their owner.
    std::vector<UserWindow*> ownedWindows;
    for (UserWindow* t : UserGlobals().topLevel) {
        if (t->owner == w)
            ownedWindows.push_back(t);
    }
    for (UserWindow* t : ownedWindows) {
        if (LocalWindow(t->handle) == t)
            DestroyWindow(t->handle);
    }
    const bool wasVisible = IsReallyVisible(w);
    const RECT area = WindowRectOnScreen(w);
    if (!w->parent)
        RegistryRemove(w);
    ForgetWindowState(w);
    w->style &= ~WS_VISIBLE;
    SendDestroyMessages(w);
    FreeWindow(w);
    if (wasVisible) {
        // What the window covered reaches the screen again, also where nothing lies beneath.
        InvalidateScreenArea(area, nullptr);
        UserMarkScreenDirty(area);
    }
    return TRUE;
}

LRESULT WINAPI CallWindowProcW(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

BOOL WINAPI ShowWindow(HWND hwnd, int command)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w)
        return FALSE;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    switch (command) {
    case SW_HIDE:
        if (wasVisible) {
            UserSend(w, WM_SHOWWINDOW, FALSE, 0);
            w->style &= ~WS_VISIBLE;
            if (!w->parent)
                ForgetWindowState(w);
            else if (UserGlobals().focus && IsDescendant(w, UserGlobals().focus))
                SetFocusTo(nullptr);
            InvalidateScreenArea(WindowRectOnScreen(w), nullptr);
            UserMarkScreenDirty(WindowRectOnScreen(w));
        }
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        // The device has no minimised state: the program hears of it and decides.
        UserSend(w, WM_SIZE, SIZE_MINIMIZED, 0);
        break;
    default:
        if (!wasVisible) {
            UserSend(w, WM_SHOWWINDOW, TRUE, 0);
            if (!LocalWindow(hwnd))
                return FALSE;
            w->style |= WS_VISIBLE;
            InvalidateWindowRect(w, nullptr, true, true);
        }
        if (!w->parent && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE &&
            !(w->style & WS_DISABLED))
            ActivateWindow(w, true);
        break;
    }
    return wasVisible;
}

BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w || !rect)
        return FALSE;
    *rect = {0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    return TRUE;
}

BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w || !rect)
        return FALSE;
    *rect = WindowRectOnScreen(w);
    return TRUE;
}

BOOL WINAPI SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w)
        return FALSE;
    const RECT oldScreen = WindowRectOnScreen(w);
    RECT r = w->rect;
    if (!(flags & SWP_NOMOVE)) {
        r.right += x - r.left;
        r.bottom += y - r.top;
        r.left = x;
        r.top = y;
    }
    if (!(flags & SWP_NOSIZE)) {
        r.right = r.left + std::max(cx, 0);
        r.bottom = r.top + std::max(cy, 0);
    }
    const bool moved = r.left != w->rect.left || r.top != w->rect.top;
    const bool sized = (r.right - r.left) != (w->rect.right - w->rect.left) ||
                       (r.bottom - r.top) != (w->rect.bottom - w->rect.top);
    w->rect = r;
    if (!(flags & SWP_NOZORDER)) {
        auto& list = w->parent ? w->parent->children : UserGlobals().topLevel;
        if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST) {
            list.erase(std::remove(list.begin(), list.end(), w), list.end());
            list.insert(list.begin(), w);
        } else if (insertAfter == HWND_BOTTOM) {
            list.erase(std::remove(list.begin(), list.end(), w), list.end());
            list.push_back(w);
        } else if (UserWindow* after = LocalWindow(insertAfter); after && after != w) {
            list.erase(std::remove(list.begin(), list.end(), w), list.end());
            auto it = std::find(list.begin(), list.end(), after);
            list.insert(it == list.end() ? list.end() : it + 1, w);
        }
    }
    if ((moved || sized || !(flags & SWP_NOZORDER)) && !(flags & SWP_NOREDRAW) &&
        IsReallyVisible(w)) {
        InvalidateScreenArea(oldScreen, w);
        InvalidateWindowRect(w, nullptr, true, true);
    }
    if (sized)
        UserSend(w, WM_SIZE, SIZE_RESTORED, MAKELPARAM(r.right - r.left, r.bottom - r.top));
    if (moved && LocalWindow(hwnd))
        UserSend(w, WM_MOVE, 0, MAKELPARAM(r.left, r.top));
    if ((flags & SWP_SHOWWINDOW) && LocalWindow(hwnd))
        ShowWindow(hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if ((flags & SWP_HIDEWINDOW) && LocalWindow(hwnd))
        ShowWindow(hwnd, SW_HIDE);
    return TRUE;
}

BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

HWND WINAPI GetParent(HWND hwnd)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w)
        return nullptr;
    // Win32's quirk kept on purpose: an owned pop-up (a dialog) reports its owner.
    if (w->parent)
        return w->parent->handle;
    return w->owner ? w->owner->handle : nullptr;
}

HWND WINAPI GetWindow(HWND hwnd, UINT relation)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w)
        return nullptr;
    const auto& siblings = w->parent ? w->parent->children : UserGlobals().topLevel;
    auto it = std::find(siblings.begin(), siblings.end(), w);
    switch (relation) {
    case GW_HWNDFIRST: return siblings.empty() ? nullptr : siblings.front()->handle;
    case GW_HWNDLAST: return siblings.empty() ? nullptr : siblings.back()->handle;
    case GW_HWNDNEXT: return (it + 1 < siblings.end()) ? (*(it + 1))->handle : nullptr;
    case GW_HWNDPREV: return (it > siblings.begin()) ? (*(it - 1))->handle : nullptr;
    case GW_OWNER: return w->owner ? w->owner->handle : nullptr;
    case GW_CHILD: return w->children.empty() ? nullptr : w->children.front()->handle;
    }
    return nullptr;
}

BOOL WINAPI IsWindow(HWND hwnd)
{
    UserWindow* w = WindowFromHandle(hwnd);
    if (!w)
        return FALSE;
    return w->remotePid ? RegistryIsAlive(w) : TRUE;
}

BOOL WINAPI IsChild(HWND parentHandle, HWND hwnd)
{
    UserWindow* parent = LocalWindow(parentHandle);
    UserWindow* w = LocalWindow(hwnd);
    return parent && w && w != parent && IsDescendant(parent, w);
}

BOOL WINAPI IsWindowVisible(HWND hwnd)
{
    UserWindow* w = LocalWindow(hwnd);
    return w && IsReallyVisible(w);
}

BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w)
        return FALSE;
    const BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
    if (bool(enable) == !wasDisabled)
        return wasDisabled;
    if (enable) {
        w->style &= ~WS_DISABLED;
    } else {
        w->style |= WS_DISABLED;
        UserGlobalState& u = UserGlobals();
        if (u.focus && IsDescendant(w, u.focus))
            SetFocusTo(nullptr);
        if (u.capture && IsDescendant(w, u.capture))
            ReleaseCapture();
    }
    UserSend(w, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL WINAPI IsWindowEnabled(HWND hwnd)
{
    UserWindow* w = LocalWindow(hwnd);
    return w && !(w->style & WS_DISABLED);
}

LONG_PTR WINAPI GetWindowLongW(HWND hwnd, int index)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w)
        return 0;
    switch (index) {
    case GWL_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWL_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
    case GWL_HWNDPARENT: return reinterpret_cast<LONG_PTR>(GetParent(hwnd));
    case GWL_ID: return LONG_PTR(w->id);
    case GWL_STYLE: return LONG_PTR(w->style);
    case GWL_EXSTYLE: return LONG_PTR(w->exStyle);
    case GWL_USERDATA: return w->userData;
    }
    if (index < 0 || size_t(index) + sizeof(LONG_PTR) > w->extra.size())
        return 0;
    LONG_PTR value;
    std::memcpy(&value, w->extra.data() + index, sizeof value);
    return value;
}

LONG_PTR WINAPI SetWindowLongW(HWND hwnd, int index, LONG_PTR value)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w)
        return 0;
    const LONG_PTR old = GetWindowLongW(hwnd, index);
    switch (index) {
    case GWL_WNDPROC: w->proc = reinterpret_cast<WNDPROC>(value); return old;
    case GWL_ID: w->id = UINT_PTR(value); return old;
    case GWL_STYLE: {
        // Visibility and enabled state change only through ShowWindow and EnableWindow.
        const DWORD keep = WS_VISIBLE | WS_DISABLED;
        w->style = (DWORD(value) & ~keep) | (w->style & keep);
        return old;
    }
    case GWL_EXSTYLE: w->exStyle = DWORD(value); return old;
    case GWL_USERDATA: w->userData = value; return old;
    case GWL_HINSTANCE:
    case GWL_HWNDPARENT: return 0;
    }
    if (index < 0 || size_t(index) + sizeof(LONG_PTR) > w->extra.size())
        return 0;
    std::memcpy(w->extra.data() + index, &value, sizeof value);
    return old;
}

BOOL WINAPI SetWindowTextW(HWND hwnd, LPCWSTR text)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w)
        return FALSE;
    return UserSend(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int WINAPI GetWindowTextW(HWND hwnd, LPWSTR buffer, int bufferChars)
{
    if (!buffer || bufferChars <= 0)
        return 0;
    buffer[0] = 0;
    UserWindow* w = WindowFromHandle(hwnd);
    if (!w)
        return 0;
    if (w->remotePid) {
        const int n = std::min<int>(int(w->text.size()), bufferChars - 1);
        std::copy_n(w->text.data(), n, buffer);
        buffer[n] = 0;
        return n;
    }
    return int(UserSend(w, WM_GETTEXT, WPARAM(bufferChars), reinterpret_cast<LPARAM>(buffer)));
}

int WINAPI GetWindowTextLengthW(HWND hwnd)
{
    UserWindow* w = WindowFromHandle(hwnd);
    if (!w)
        return 0;
    if (w->remotePid)
        return int(w->text.size());
    return int(UserSend(w, WM_GETTEXTLENGTH, 0, 0));
}

int WINAPI GetDlgCtrlID(HWND hwnd)
{
    UserWindow* w = LocalWindow(hwnd);
    return (w && w->parent) ? int(w->id) : 0;
}

HWND WINAPI GetDlgItem(HWND parentHandle, int id)
{
    UserWindow* parent = LocalWindow(parentHandle);
    if (!parent)
        return nullptr;
    for (UserWindow* c : parent->children) {
        if (int(c->id) == id)
            return c->handle;
    }
    return nullptr;
}

HWND WINAPI FindWindowW(LPCWSTR className, LPCWSTR windowName)
{
    for (UserWindow* w : UserGlobals().topLevel) {
        if (className && !SameNameNoCase(w->cls->name, className))
            continue;
        if (windowName && w->text != windowName)
            continue;
        return w->handle;
    }
    UserWindow* remote = RegistryFind(className, windowName);
    return remote ? remote->handle : nullptr;
}

BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT point)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w || !point)
        return FALSE;
    const RECT r = ClientRectOnScreen(w);
    point->x += r.left;
    point->y += r.top;
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT point)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w || !point)
        return FALSE;
    const RECT r = ClientRectOnScreen(w);
    point->x -= r.left;
    point->y -= r.top;
    return TRUE;
}

int WINAPI GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXSCREEN: return kScreenWidth;
    case SM_CYSCREEN: return kScreenHeight;
    case SM_CXVSCROLL: return kScrollBarSize;
    }
    return 0;
}

HWND UserMainWindow()
{
    // topLevel is in z-order; the oldest window is the one with the smallest handle.
    UserWindow* best = nullptr;
    for (UserWindow* w : UserGlobals().topLevel) {
        if (!w->owner && !w->destroying &&
            (!best ||
             reinterpret_cast<uintptr_t>(w->handle) < reinterpret_cast<uintptr_t>(best->handle)))
            best = w;
    }
    return best ? best->handle : nullptr;
}
