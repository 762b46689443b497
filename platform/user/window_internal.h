// The window manager's records: classes, windows, the message queue and the focus state,
// shared by the files of platform/user. One thread owns all of it.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "winuser.h"

struct UserClass {
    std::u16string name;  // as registered; compared without case
    WNDCLASSW wc;         // copy of the registration (lpszClassName points into name)
};

struct UserWindow {
    HWND handle;                        // the value programs see
    const UserClass* cls;               // class, never unregistered while windows use it
    WNDPROC proc;                       // current procedure (GWL_WNDPROC may replace it)
    DWORD style;                        // WS_* (WS_VISIBLE and WS_DISABLED kept here)
    DWORD exStyle;                      // WS_EX_*
    std::u16string text;                // window text
    UserWindow* parent;                 // WS_CHILD windows: the parent; else nullptr
    UserWindow* owner;                  // owned top-level windows: the owner; else nullptr
    std::vector<UserWindow*> children;  // z-order, topmost first
    RECT rect;                          // window rect: parent client coordinates (screen for top)
    HINSTANCE instance;                 // from CreateWindowExW
    UINT_PTR id;                        // child id (hMenu of CreateWindowExW)
    LONG_PTR userData;                  // GWL_USERDATA
    std::vector<unsigned char> extra;   // cbWndExtra bytes
    RECT update;                        // bounding box of the update region, client coordinates
    bool erase;                         // the update region still needs WM_ERASEBKGND
    bool destroying;                    // inside DestroyWindow: messages still go, no new destroy
    bool created;                       // WM_CREATE returned
    // A top-level window of another running copy, found through the window registry.
    int remotePid;                   // 0 for local windows
    unsigned long long remoteStart;  // start time of that process, against pid reuse
    std::u16string remoteClass;      // class name as registered there
    uintptr_t remoteHandle;          // the handle in that process
};

struct UserGlobalState {
    std::vector<std::unique_ptr<UserClass>> classes;
    std::unordered_map<uintptr_t, std::unique_ptr<UserWindow>> windows;  // by handle value
    std::vector<UserWindow*> topLevel;                                   // z-order, topmost first
    uintptr_t nextHandle = 1;
    UserWindow* focus = nullptr;
    UserWindow* active = nullptr;
    UserWindow* capture = nullptr;
    std::deque<MSG> posted;  // posted and input messages, in arrival order
    bool quitPending = false;
    int quitCode = 0;
    int dispatchDepth = 0;  // window procedures running through DispatchMessageW
    DWORD lastMessagePos = 0;
    DWORD lastMessageTime = 0;
    POINT stylus = {0, 0};                  // last stylus position, screen
    bool stylusHold = false;                // the last stylus-down was a hold
    unsigned char keyState[256] = {};       // as of the last message retrieved
    unsigned char asyncKeyState[256] = {};  // as of the last input event
};

UserGlobalState& UserGlobals();

// The record behind a handle, or nullptr for stale and foreign values.
UserWindow* WindowFromHandle(HWND hwnd);
// Local windows only (remote handles give nullptr).
UserWindow* LocalWindow(HWND hwnd);
UserWindow* TopLevelOf(UserWindow* w);
bool IsDescendant(const UserWindow* ancestor, const UserWindow* w);  // true also when equal
RECT ClientRectOnScreen(const UserWindow* w);
RECT WindowRectOnScreen(const UserWindow* w);
bool IsReallyVisible(const UserWindow* w);  // it and all its parents visible

LRESULT UserSend(UserWindow* w, UINT msg, WPARAM wParam, LPARAM lParam);

// Activation and focus, without the checks of the public calls. `state` is what the new window
// hears: WA_CLICKACTIVE when a tap on it activates it, WA_ACTIVE otherwise.
void ActivateWindow(UserWindow* w, bool raise, WORD state = WA_ACTIVE);
void SetFocusTo(UserWindow* w);
// A window goes away: activation, focus and capture move elsewhere.
void ForgetWindowState(UserWindow* w);
void BringToTop(UserWindow* w);

// Update regions.
void InvalidateWindowRect(UserWindow* w, const RECT* clientRect, bool erase, bool children);
// Everything below `screenRect` that now shows through is repainted.
void InvalidateScreenArea(const RECT& screenRect, const UserWindow* except);
bool HasUpdate(const UserWindow* w);
void RemovePostedFor(const UserWindow* w);
void KillTimersOf(const UserWindow* w);
void ReleaseDCsOf(const UserWindow* w);

// Cross-process window registry.
void RegistryAdd(const UserWindow* w);
void RegistryRemove(const UserWindow* w);
UserWindow* RegistryFind(LPCWSTR className, LPCWSTR title);
bool RegistryIsAlive(const UserWindow* remote);
bool RegistryRaise(const UserWindow* remote);
// The handle of a window of another copy that the registry lists; nullptr when it does not.
UserWindow* RegistryWindowOf(int pid, unsigned long long start, uintptr_t handle);
// When a process started (against pid reuse); 0 when it does not exist.
unsigned long long RegistryProcessStart(int pid);

// WM_COPYDATA across processes (copy_data.cpp): SendMessageW to a window of another copy,
// and the taking of the requests addressed to this process, which its message loop does
// when SIGUSR2 says some are waiting.
LRESULT RemoteSendCopyData(const UserWindow* remote, WPARAM from, const COPYDATASTRUCT* data);
void UserTakeRemoteMessages();

// Rectangle helpers.
bool UserRectEmpty(const RECT& r);
RECT UserRectIntersect(const RECT& a, const RECT& b);
RECT UserRectUnion(const RECT& a, const RECT& b);
// Pieces of `from` not covered by `cut` appended to `out`.
void UserRectSubtract(const RECT& from, const RECT& cut, std::vector<RECT>* out);

// Message filter of GetMessageW / PeekMessageW.
bool MessageMatches(const MSG& m, HWND hwnd, UINT filterMin, UINT filterMax);

// Timers: a due timer matching the filter as a WM_TIMER message (rescheduled when removed),
// and the earliest time one of them falls due (kNoDeadline-like UINT32_MAX when none).
bool TimerTakeDue(HWND hwnd, bool remove, MSG* out);
uint32_t TimerNextDue(HWND hwnd);
void TimersReset();

// A window with a non-empty update region matching the filter, as a WM_PAINT message.
bool PaintTakePending(HWND hwnd, MSG* out);
void PaintReset();

// Turns one backend event into queued messages.
void DeliverInput(const struct InputEvent& event);

// Deletes every accelerator table (reset between tests).
void AcceleratorsReset();
