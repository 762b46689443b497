// Default processing of window messages: what a window gets for the messages its procedure
// leaves alone.
#include <algorithm>

#include "user/user_internal.h"
#include "user/window_internal.h"
#include "wingdi.h"

LRESULT WINAPI DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    UserWindow* w = LocalWindow(hwnd);
    if (!w)
        return 0;
    switch (msg) {
    case WM_NCCREATE: return TRUE;
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_SETTEXT: {
        const auto* text = reinterpret_cast<LPCWSTR>(lParam);
        w->text = text ? std::u16string(text) : std::u16string();
        if (!w->parent) {
            RegistryAdd(w);  // other copies find the window by its new title
            UserCaptionChanged(hwnd);
        }
        return TRUE;
    }
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<LPWSTR>(lParam);
        const int capacity = int(wParam);
        if (!buffer || capacity <= 0)
            return 0;
        const int n = std::min<int>(int(w->text.size()), capacity - 1);
        std::copy_n(w->text.data(), n, buffer);
        buffer[n] = 0;
        return n;
    }
    case WM_GETTEXTLENGTH: return LRESULT(w->text.size());
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND: {
        HBRUSH brush = w->cls->wc.hbrBackground;
        if (!brush)
            return 0;
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        return 1;
    }
    }
    return 0;
}
