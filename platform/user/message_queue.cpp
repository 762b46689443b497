// The message queue and loop of the one user-interface thread: posted and input messages in
// arrival order, then WM_QUIT, then WM_PAINT, then WM_TIMER, as on the device. A loop that
// finds nothing asks the backend to wait; nested loops (modal dialogs, menus) simply call
// GetMessageW again from inside a window procedure.
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "automation.h"
#include "backend/backend.h"
#include "user/user_internal.h"
#include "user/window_internal.h"

namespace {

volatile std::sig_atomic_t gCloseRequested = 0;
volatile std::sig_atomic_t gRaiseRequested = 0;
volatile std::sig_atomic_t gMessagesWaiting = 0;
int gRaiseCount = 0;
bool (*gStylusFilter)(UINT, POINT) = nullptr;
std::vector<std::string> gLoopNames;

// Each request ends the backend's wait, so an idle program hears it at once without ever
// waking up to look.
void OnTerminationSignal(int)
{
    gCloseRequested = 1;
    BackendWake();
}
void OnRaiseSignal(int)
{
    gRaiseRequested = 1;
    BackendWake();
}
void OnMessagesSignal(int)
{
    gMessagesWaiting = 1;
    BackendWake();
}

// Requests that arrive as signals become ordinary messages here.
void TakeSignalRequests()
{
    if (gCloseRequested) {
        gCloseRequested = 0;
        if (HWND main = UserMainWindow())
            PostMessageW(main, WM_CLOSE, 0, 0);
        else
            PostQuitMessage(0);
    }
    if (gMessagesWaiting) {
        gMessagesWaiting = 0;
        UserTakeRemoteMessages();
    }
    if (gRaiseRequested) {
        gRaiseRequested = 0;
        ++gRaiseCount;
        if (HWND main = UserMainWindow())
            SetForegroundWindow(main);
        // Another copy asked for this one: the host window comes forward too. A program's
        // own SetForegroundWindow calls (every dialog makes one) leave the desktop alone.
        if (BackendCurrent()->Raise)
            BackendCurrent()->Raise();
    }
}

void NoteRetrieved(const MSG& m)
{
    UserGlobalState& u = UserGlobals();
    u.lastMessagePos = DWORD(MAKELONG(m.pt.x, m.pt.y));
    u.lastMessageTime = m.time;
    switch (m.message) {
    case WM_KEYDOWN: u.keyState[m.wParam & 0xFF] |= 0x80; break;
    case WM_KEYUP: u.keyState[m.wParam & 0xFF] &= 0x7F; break;
    case WM_LBUTTONDOWN: u.keyState[VK_LBUTTON] |= 0x80; break;
    case WM_LBUTTONUP: u.keyState[VK_LBUTTON] &= 0x7F; break;
    }
}

MSG MakeMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG m = {hwnd, message, wParam, lParam, GetTickCount(), UserGlobals().stylus};
    return m;
}

bool PeekInternal(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, bool remove)
{
    TakeSignalRequests();
    UserGlobalState& u = UserGlobals();
    for (auto it = u.posted.begin(); it != u.posted.end(); ++it) {
        if (!MessageMatches(*it, hwnd, filterMin, filterMax))
            continue;
        *msg = *it;
        if (remove) {
            u.posted.erase(it);
            NoteRetrieved(*msg);
        }
        return true;
    }
    // WM_QUIT is retrieved whatever the filter says.
    if (u.quitPending) {
        *msg = MakeMessage(nullptr, WM_QUIT, WPARAM(u.quitCode), 0);
        if (remove)
            u.quitPending = false;
        return true;
    }
    const bool any = filterMin == 0 && filterMax == 0;
    if ((any || (filterMin <= WM_PAINT && WM_PAINT <= filterMax)) && PaintTakePending(hwnd, msg))
        return true;
    if ((any || (filterMin <= WM_TIMER && WM_TIMER <= filterMax)) &&
        TimerTakeDue(hwnd, remove, msg))
        return true;
    return false;
}

[[noreturn]] void FailEmptyScript(const std::string& loop)
{
    std::fprintf(stderr, "automation: script empty while <%s> would block\n", loop.c_str());
    std::fflush(stderr);
    std::abort();
}

// Waits for input or the next timer. Returns false when the headless script has run out
// (the caller decides whether that is idle or a failure).
bool WaitOnce(HWND hwnd, UINT filterMin, UINT filterMax)
{
    UserPresent();
    const Backend* b = BackendCurrent();
    // Timers the filter leaves out must not cut the wait short, or the loop would spin.
    const bool timers =
        (filterMin == 0 && filterMax == 0) || (filterMin <= WM_TIMER && WM_TIMER <= filterMax);
    const uint32_t deadline = timers ? TimerNextDue(hwnd) : kNoDeadline;
    InputEvent e = {};
    if (!b->WaitInput(&e, deadline))
        return true;
    if (e.kind == InputKind::ScriptEmpty)
        return false;
    DeliverInput(e);
    return true;
}

}  // namespace

bool MessageMatches(const MSG& m, HWND hwnd, UINT filterMin, UINT filterMax)
{
    if (hwnd == reinterpret_cast<HWND>(-1)) {
        if (m.hwnd)
            return false;
    } else if (hwnd && m.hwnd != hwnd && !IsChild(hwnd, m.hwnd)) {
        return false;
    }
    if (filterMin == 0 && filterMax == 0)
        return true;
    return m.message >= filterMin && m.message <= filterMax;
}

void RemovePostedFor(const UserWindow* w)
{
    auto& q = UserGlobals().posted;
    for (auto it = q.begin(); it != q.end();) {
        if (it->hwnd == w->handle)
            it = q.erase(it);
        else
            ++it;
    }
}

BOOL WINAPI PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags)
{
    if (!msg)
        return FALSE;
    return PeekInternal(msg, hwnd, filterMin, filterMax, (removeFlags & PM_REMOVE) != 0);
}

BOOL WINAPI GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    if (!msg)
        return -1;
    for (;;) {
        if (PeekInternal(msg, hwnd, filterMin, filterMax, true))
            return msg->message == WM_QUIT ? FALSE : TRUE;
        if (!WaitOnce(hwnd, filterMin, filterMax))
            FailEmptyScript(UserDescribeWaitingLoop("GetMessageW"));
    }
}

bool UserWaitForMessage(uint32_t timeoutMs, const char* loopName)
{
    const uint32_t end = GetTickCount() + timeoutMs;
    MSG m;
    for (;;) {
        if (PeekInternal(&m, nullptr, 0, 0, false))
            return true;
        const Backend* b = BackendCurrent();
        const uint32_t now = b->NowMs();
        if (now >= end)
            return false;
        UserPresent();
        InputEvent e = {};
        const uint32_t deadline = std::min(end, TimerNextDue(nullptr));
        if (!b->WaitInput(&e, deadline))
            continue;
        if (e.kind == InputKind::ScriptEmpty)
            FailEmptyScript(loopName);
        DeliverInput(e);
    }
}

void UserTakeInputWhileWaiting(bool quiet)
{
    UserPresent();
    const Backend* b = BackendCurrent();
    const bool scripted = b->scriptedInput;
    if (scripted && (!quiet || AutomationScriptLength() == 0))
        return;
    // Scripted: up to the next timer, so each one fires at its time; otherwise a glance.
    const uint32_t deadline = scripted ? TimerNextDue(nullptr) : b->NowMs() + 1;
    InputEvent e = {};
    if (b->WaitInput(&e, deadline) && e.kind != InputKind::ScriptEmpty)
        DeliverInput(e);
}

BOOL WINAPI PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (hwnd == HWND_BROADCAST) {
        for (UserWindow* w : UserGlobals().topLevel)
            UserGlobals().posted.push_back(MakeMessage(w->handle, msg, wParam, lParam));
        return TRUE;
    }
    if (hwnd && !LocalWindow(hwnd))
        return FALSE;
    UserGlobals().posted.push_back(MakeMessage(hwnd, msg, wParam, lParam));
    return TRUE;
}

LRESULT WINAPI SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (hwnd == HWND_BROADCAST) {
        const std::vector<UserWindow*> all = UserGlobals().topLevel;
        for (UserWindow* w : all) {
            if (LocalWindow(w->handle) == w)
                UserSend(w, msg, wParam, lParam);
        }
        return 0;
    }
    if (UserWindow* w = WindowFromHandle(hwnd); w && w->remotePid) {
        return msg == WM_COPYDATA
                   ? RemoteSendCopyData(w, wParam, reinterpret_cast<COPYDATASTRUCT*>(lParam))
                   : 0;
    }
    return UserSend(LocalWindow(hwnd), msg, wParam, lParam);
}

void WINAPI PostQuitMessage(int exitCode)
{
    UserGlobals().quitPending = true;
    UserGlobals().quitCode = exitCode;
}

LRESULT WINAPI DispatchMessageW(const MSG* msg)
{
    if (!msg)
        return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
        return 0;
    }
    UserWindow* w = LocalWindow(msg->hwnd);
    if (!w)
        return 0;
    UserGlobalState& u = UserGlobals();
    ++u.dispatchDepth;
    const LRESULT result = UserSend(w, msg->message, msg->wParam, msg->lParam);
    --u.dispatchDepth;
    return result;
}

DWORD WINAPI GetMessagePos(void)
{
    return UserGlobals().lastMessagePos;
}
LONG WINAPI GetMessageTime(void)
{
    return LONG(UserGlobals().lastMessageTime);
}

// ---- Input ----------------------------------------------------------------------------------

namespace {

// The window under a screen point that takes stylus input: the topmost visible window, then
// its topmost visible child containing the point, and so on. Disabled windows take nothing.
UserWindow* HitTest(POINT pt, bool* disabled)
{
    auto contains = [](const RECT& r, POINT p) {
        return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
    };
    *disabled = false;
    UserWindow* hit = nullptr;
    for (UserWindow* t : UserGlobals().topLevel) {
        if ((t->style & WS_VISIBLE) && contains(WindowRectOnScreen(t), pt)) {
            hit = t;
            break;
        }
    }
    if (!hit)
        return nullptr;
    if (hit->style & WS_DISABLED) {
        *disabled = true;
        return hit;
    }
    for (bool descended = true; descended;) {
        descended = false;
        for (UserWindow* c : hit->children) {
            if ((c->style & WS_VISIBLE) && !(c->style & WS_DISABLED) &&
                contains(WindowRectOnScreen(c), pt)) {
                hit = c;
                descended = true;
                break;
            }
        }
    }
    return hit;
}

void PostStylus(UINT message, POINT screen, bool down)
{
    UserGlobalState& u = UserGlobals();
    u.stylus = screen;
    if (gStylusFilter && gStylusFilter(message, screen))
        return;  // the bars, the input panel or an open pop-up menu took it
    UserWindow* target = u.capture;
    if (!target) {
        bool disabled = false;
        target = HitTest(screen, &disabled);
        if (!target || disabled)
            return;
    }
    if (message == WM_LBUTTONDOWN) {
        UserWindow* top = TopLevelOf(target);
        if (u.active != top && !(top->style & WS_DISABLED))
            ActivateWindow(top, true, WA_CLICKACTIVE);
    }
    const RECT client = ClientRectOnScreen(target);
    const WPARAM keys = (down ? MK_LBUTTON : 0) |
                        ((u.asyncKeyState[VK_CONTROL] & 0x80) ? MK_CONTROL : 0) |
                        ((u.asyncKeyState[VK_SHIFT] & 0x80) ? MK_SHIFT : 0);
    u.posted.push_back(MakeMessage(target->handle, message, keys,
                                   MAKELPARAM(screen.x - client.left, screen.y - client.top)));
}

UserWindow* KeyTarget()
{
    UserGlobalState& u = UserGlobals();
    // With no focus the keys go to the active window, as on the device.
    UserWindow* w = u.focus ? u.focus : u.active;
    if (!w)
        return nullptr;
    for (UserWindow* p = w; p; p = p->parent) {
        if (p->style & WS_DISABLED)
            return nullptr;
    }
    return w;
}

}  // namespace

// Bit 25 of a WM_KEYDOWN lParam is reserved on Win32; the device uses it to note that the
// backend reports the key's character itself, so TranslateMessage does not type it twice.
constexpr LPARAM kCharFollowsBit = LPARAM(1) << 25;

void DeliverInput(const InputEvent& e)
{
    UserGlobalState& u = UserGlobals();
    const POINT pt = {e.x, e.y};
    // A key typed or a tap in the host window is the user back in it, whether or not the
    // desktop has told the window yet. A released key is not: the desktop lets go of held
    // keys when another program takes the focus.
    const bool fromUser = e.kind == InputKind::StylusDown || e.kind == InputKind::StylusHold ||
                          e.kind == InputKind::KeyDown || e.kind == InputKind::Char;
    if (fromUser && u.hostBackground)
        HostFocusChanged(true);
    switch (e.kind) {
    case InputKind::StylusDown:
    case InputKind::StylusHold:
        u.stylusHold = e.kind == InputKind::StylusHold;
        u.asyncKeyState[VK_LBUTTON] |= 0x80;
        PostStylus(WM_LBUTTONDOWN, pt, true);
        break;
    case InputKind::StylusMove: PostStylus(WM_MOUSEMOVE, pt, true); break;
    case InputKind::StylusUp:
        u.asyncKeyState[VK_LBUTTON] &= 0x7F;
        PostStylus(WM_LBUTTONUP, pt, false);
        break;
    case InputKind::KeyDown:
    case InputKind::KeyUp: {
        const bool down = e.kind == InputKind::KeyDown;
        const UINT vk = e.key & 0xFF;
        const bool repeat = (u.asyncKeyState[vk] & 0x80) != 0;
        if (down)
            u.asyncKeyState[vk] |= 0x80;
        else
            u.asyncKeyState[vk] &= 0x7F;
        UserWindow* target = KeyTarget();
        if (!target)
            break;
        LPARAM lParam = 1;
        if (!down)
            lParam |= (LPARAM(1) << 30) | (LPARAM(1) << 31);
        else if (repeat)
            lParam |= LPARAM(1) << 30;
        if (down && e.textFollows)
            lParam |= kCharFollowsBit;
        u.posted.push_back(MakeMessage(target->handle, down ? WM_KEYDOWN : WM_KEYUP, vk, lParam));
        break;
    }
    case InputKind::Char:
        if (UserWindow* target = KeyTarget())
            u.posted.push_back(MakeMessage(target->handle, WM_CHAR, e.ch, 1));
        break;
    case InputKind::Close:
        if (HWND main = UserMainWindow())
            PostMessageW(main, WM_CLOSE, 0, 0);
        else
            PostQuitMessage(0);
        break;
    case InputKind::FocusLost: HostFocusChanged(false); break;
    case InputKind::FocusGained: HostFocusChanged(true); break;
    case InputKind::Minimise:
        // A window being minimised is deactivated first, as when the user leaves for another
        // program.
        HostFocusChanged(false);
        if (HWND main = UserMainWindow())
            PostMessageW(main, WM_SIZE, SIZE_MINIMIZED, 0);
        break;
    case InputKind::DropFile: UserBringFileIntoDevice(e.path, nullptr); break;
    case InputKind::ScriptEmpty: break;
    }
}

BOOL WINAPI TranslateMessage(const MSG* msg)
{
    if (!msg)
        return FALSE;
    if (msg->message != WM_KEYDOWN)
        return msg->message == WM_KEYUP || msg->message == WM_SYSKEYDOWN ||
               msg->message == WM_SYSKEYUP;
    if (msg->lParam & kCharFollowsBit)
        return TRUE;
    const UINT vk = UINT(msg->wParam);
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    WCHAR ch = 0;
    if (vk >= 'A' && vk <= 'Z')
        ch = ctrl ? WCHAR(vk - 'A' + 1) : WCHAR(shift ? vk : vk + 32);
    else if (vk >= '0' && vk <= '9' && !ctrl)
        ch = WCHAR(vk);
    else if (vk == VK_SPACE || vk == VK_BACK || vk == VK_RETURN || vk == VK_ESCAPE || vk == VK_TAB)
        ch = WCHAR(vk);
    if (ch)
        UserGlobals().posted.push_back(MakeMessage(msg->hwnd, WM_CHAR, ch, msg->lParam & 0xFFFFFF));
    return TRUE;
}

void UserSetStylusFilter(bool (*filter)(UINT message, POINT screen))
{
    gStylusFilter = filter;
}

bool UserTakeStylusHold()
{
    const bool hold = UserGlobals().stylusHold;
    UserGlobals().stylusHold = false;
    return hold;
}

// ---- Loop names, signals, automation --------------------------------------------------------

UserLoopName::UserLoopName(std::string name)
{
    gLoopNames.push_back(std::move(name));
}
UserLoopName::~UserLoopName()
{
    gLoopNames.pop_back();
}

std::string UserDescribeWaitingLoop(const char* call)
{
    if (!gLoopNames.empty())
        return std::string(call) + " in " + gLoopNames.back();
    std::string d =
        std::string(call) + (UserGlobals().dispatchDepth > 0 ? " in modal loop" : " in main loop");
    if (UserWindow* a = LocalWindow(UserFrontWindow())) {
        d += " of '";
        for (char16_t c : a->text)
            d += (c < 0x80) ? char(c) : '?';
        d += "'";
    }
    return d;
}

void UserInstallSignalHandlers()
{
    struct sigaction sa = {};
    sa.sa_handler = OnTerminationSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
    UserInstallRaiseHandler();
}

void UserInstallRaiseHandler()
{
    struct sigaction sa = {};
    sa.sa_handler = OnRaiseSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGUSR1, &sa, nullptr);
    sa.sa_handler = OnMessagesSignal;
    sigaction(SIGUSR2, &sa, nullptr);
}

int AutomationRaiseRequests()
{
    return gRaiseCount;
}

void AutomationCatchTerminationSignals(bool on)
{
    if (on) {
        UserInstallSignalHandlers();
        return;
    }
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        std::signal(signal, SIG_DFL);
}

bool AutomationRunUntilIdle()
{
    MSG m;
    for (;;) {
        if (PeekInternal(&m, nullptr, 0, 0, true)) {
            if (m.message == WM_QUIT)
                return false;
            TranslateMessage(&m);
            DispatchMessageW(&m);
            continue;
        }
        if (!WaitOnce(nullptr, 0, 0))
            return true;
    }
}

void UserResetAll()
{
    UserGlobalState& u = UserGlobals();
    // Destroy top-level windows newest first; destroying one may destroy others.
    while (!u.topLevel.empty()) {
        UserWindow* w = u.topLevel.front();
        if (!DestroyWindow(w->handle))
            u.topLevel.erase(u.topLevel.begin());  // left half-destroyed by an aborted test
    }
    std::vector<uintptr_t> remote;
    for (auto& [key, w] : u.windows)
        remote.push_back(key);
    for (uintptr_t key : remote)
        u.windows.erase(key);
    u.classes.clear();
    u.posted.clear();
    u.quitPending = false;
    u.quitCode = 0;
    u.focus = u.active = u.capture = nullptr;
    u.hostBackground = false;
    u.waitingActive = u.waitingFocus = nullptr;
    u.stylusHold = false;
    std::fill(std::begin(u.keyState), std::end(u.keyState), 0);
    std::fill(std::begin(u.asyncKeyState), std::end(u.asyncKeyState), 0);
    TimersReset();
    AcceleratorsReset();
    PaintReset();
    gLoopNames.clear();
    gCloseRequested = 0;
    gRaiseRequested = 0;
    gMessagesWaiting = 0;
    gRaiseCount = 0;
}
