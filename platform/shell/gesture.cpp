// Tap-and-hold recognition: called on stylus-down, it watches the stylus for half a second
// on the message loop's input (the virtual clock in headless runs) and reports a hold.
#include <cstdio>
#include <cstdlib>

#include "backend/backend.h"
#include "shell/shell_records.h"
#include "user/user_internal.h"
#include "user/window_internal.h"

namespace {

constexpr DWORD kDeviceGestureInfoSize = 20;
constexpr DWORD kHoldMs = 500;
constexpr int kHoldSlop = 5;  // pixels the stylus may wander and still be holding

bool GestureInfoSizeOk(const SHRGINFO* info)
{
    return info && (info->cbSize == sizeof(SHRGINFO) || info->cbSize == kDeviceGestureInfoSize);
}

// Takes one input event from the backend into the queue, or lets the deadline pass. Other
// queued messages do not end the wait: only the stylus decides a gesture.
void WaitForInput(DWORD deadline)
{
    UserPresent();
    InputEvent e = {};
    if (!BackendCurrent()->WaitInput(&e, deadline)) {
        return;
    }
    if (e.kind == InputKind::ScriptEmpty) {
        std::fprintf(stderr, "automation: script empty while <%s> would block\n",
                     UserDescribeWaitingLoop("SHRecognizeGesture").c_str());
        std::fflush(stderr);
        std::abort();
    }
    DeliverInput(e);
}

POINT ScreenPointOf(const MSG& m)
{
    POINT p = {GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    ClientToScreen(m.hwnd, &p);
    return p;
}

bool BeyondSlop(POINT p, POINT down)
{
    return std::abs(p.x - down.x) > kHoldSlop || std::abs(p.y - down.y) > kHoldSlop;
}

// The stylus has gone further than a hold allows or has been lifted, seen in the device's own
// record of it: that also holds what no window was sent, a move or a lift over the bars or
// outside the screen, which would otherwise leave the wait to run out as a hold.
bool LeftOrLifted(POINT down)
{
    return BeyondSlop(UserGlobals().stylus, down) || GetAsyncKeyState(VK_LBUTTON) >= 0;
}

}  // namespace

DWORD WINAPI SHRecognizeGesture(SHRGINFO* info)
{
    if (!GestureInfoSizeOk(info) || !IsWindow(info->hwndClient)) {
        return 0;
    }
    // A desktop's right button (or a scripted hold) is a hold already made.
    if (UserTakeStylusHold()) {
        return GN_CONTEXTMENU;
    }
    if (GetAsyncKeyState(VK_LBUTTON) >= 0) {
        return 0;  // the stylus is already up again
    }
    POINT down = info->ptDown;
    ClientToScreen(info->hwndClient, &down);
    const DWORD deadline = GetTickCount() + kHoldMs;
    for (;;) {
        // Stylus messages decide; they stay queued for the window unless they are the small
        // wobble of a hand holding still. Everything else waits its turn behind the gesture.
        MSG m;
        while (PeekMessageW(&m, nullptr, WM_MOUSEMOVE, WM_LBUTTONUP, PM_NOREMOVE)) {
            if (m.message != WM_MOUSEMOVE) {
                return 0;
            }
            if (BeyondSlop(ScreenPointOf(m), down)) {
                return 0;
            }
            PeekMessageW(&m, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE);
        }
        if (LeftOrLifted(down)) {
            return 0;
        }
        const DWORD now = GetTickCount();
        if (now >= deadline) {
            return GN_CONTEXTMENU;
        }
        WaitForInput(deadline);
    }
}
