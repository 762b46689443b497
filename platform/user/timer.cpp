// Timers, Sleep and the tick count. Time comes from the backend: the real clock on the
// desktop, the virtual clock of the headless backend in tests, so WM_TIMER arrives exactly
// when the script lets time pass. A due timer yields one WM_TIMER when the queue is
// otherwise empty and is then due again one interval after the moment it was retrieved.
#include <algorithm>
#include <vector>

#include "backend/backend.h"
#include "user/window_internal.h"

namespace {

struct Timer {
    HWND hwnd;    // owner window, or nullptr for a thread timer
    UINT_PTR id;  // the program's id (or ours for thread timers)
    uint32_t interval;
    uint32_t due;    // backend time at which it fires next
    TIMERPROC proc;  // called by DispatchMessageW instead of the window procedure
};

std::vector<Timer> gTimers;
UINT_PTR gNextThreadTimer = 1;

constexpr uint32_t kMinimumInterval = 10;  // USER_TIMER_MINIMUM

uint32_t Now()
{
    return BackendCurrent()->NowMs();
}

bool Matches(const Timer& t, HWND hwnd)
{
    return !hwnd || t.hwnd == hwnd || IsChild(hwnd, t.hwnd);
}

}  // namespace

UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc)
{
    if (hwnd && !LocalWindow(hwnd))
        return 0;
    const uint32_t interval = std::max<uint32_t>(elapseMs, kMinimumInterval);
    if (!hwnd)
        id = gNextThreadTimer++;
    for (Timer& t : gTimers) {
        if (t.hwnd == hwnd && t.id == id) {
            t.interval = interval;
            t.due = Now() + interval;
            t.proc = proc;
            return id;
        }
    }
    gTimers.push_back({hwnd, id, interval, Now() + interval, proc});
    return hwnd ? (id ? id : 1) : id;
}

BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id)
{
    const auto before = gTimers.size();
    gTimers.erase(std::remove_if(gTimers.begin(), gTimers.end(),
                                 [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }),
                  gTimers.end());
    return gTimers.size() != before;
}

void KillTimersOf(const UserWindow* w)
{
    gTimers.erase(std::remove_if(gTimers.begin(), gTimers.end(),
                                 [&](const Timer& t) { return t.hwnd == w->handle; }),
                  gTimers.end());
}

bool TimerTakeDue(HWND hwnd, bool remove, MSG* out)
{
    const uint32_t now = Now();
    // The most overdue timer first, so several timers share the time fairly.
    Timer* best = nullptr;
    for (Timer& t : gTimers) {
        if (t.due <= now && Matches(t, hwnd) && (!best || t.due < best->due))
            best = &t;
    }
    if (!best)
        return false;
    *out = {best->hwnd, WM_TIMER, best->id, reinterpret_cast<LPARAM>(best->proc), now, {0, 0}};
    if (remove)
        best->due = now + best->interval;
    return true;
}

uint32_t TimerNextDue(HWND hwnd)
{
    uint32_t next = kNoDeadline;
    for (const Timer& t : gTimers) {
        if (Matches(t, hwnd))
            next = std::min(next, t.due);
    }
    return next;
}

void TimersReset()
{
    gTimers.clear();
    gNextThreadTimer = 1;
}

void WINAPI Sleep(DWORD milliseconds)
{
    BackendCurrent()->Sleep(milliseconds);
}

DWORD WINAPI GetTickCount(void)
{
    return BackendCurrent()->NowMs();
}
