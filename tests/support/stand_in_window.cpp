// The stand-in main window.
#include "stand_in_window.h"

HWND CreateStandInWindow(LPCWSTR className, LPCWSTR title, WNDPROC proc, HINSTANCE instance)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = proc ? proc : DefWindowProcW;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = className;
    RegisterClassW(&wc);
    return CreateWindowExW(0, className, title, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, 240, 268,
                           nullptr, nullptr, instance, nullptr);
}
