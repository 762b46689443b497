// What the window manager offers the rest of the platform (shell, dialogs, controls,
// backends) beyond the Win32 calls: the device geometry, the screen surface, paint hooks
// and the names of message loops. Programs never include this.
#pragma once

#include <string>
#include <vector>

#include "gdi/framebuffer.h"
#include "windef.h"

// Device geometry in device pixels.
constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;
constexpr int kNavigationBarHeight = 26;
constexpr int kMenuBarHeight = 26;

// The visible desktop: the screen below the navigation bar and above the input panel when it
// is up (0,26,240,320 with the panel down; 0,26,240,214 with it up). New windows at
// CW_USEDEFAULT are placed from it. The shell changes it when the panel moves.
RECT UserVisibleDesktop();
void UserSetVisibleDesktop(const RECT& rect);

// The screen surface every window DC draws into (stored at the GDI scale).
Framebuffer* UserScreen();
// Marks a screen rectangle (device pixels) as changed, to be presented at the next idle.
void UserMarkScreenDirty(const RECT& rect);
// Runs after all pending paints, right before the screen is presented: the shell draws its
// navigation and menu bars here. One hook; nullptr removes it.
void UserSetAfterPaintHook(void (*hook)());
// The shell's part of the window manager, registered by the shell (ShellEnsureHooks) so the
// window manager never depends on it:
// - the stylus filter sees each stylus message before it is routed (`screen`: device
//   pixels) and returns true when the bars, the input panel or a pop-up menu took it;
// - the reset hook runs in AutomationResetDevice, after the windows are gone and the paint
//   hook is cleared, and stays registered.
// - the caption hook hears of every new title of a top-level window, which the shell shows
//   in its navigation bar while that window is active.
void UserSetStylusFilter(bool (*filter)(UINT message, POINT screen));
void UserSetResetHook(void (*hook)());
void UserSetCaptionHook(void (*hook)(HWND window));
// Calls the caption hook, if any.
void UserCaptionChanged(HWND window);
// Paints the hooks and hands the changed part of the screen to the backend.
void UserPresent();

// Names the message loop that runs while the object lives, for the automation's message
// when a loop would block with nothing scripted ("GetMessageW in modal loop of 'X'").
struct UserLoopName {
    explicit UserLoopName(std::string name);
    ~UserLoopName();
    UserLoopName(const UserLoopName&) = delete;
    UserLoopName& operator=(const UserLoopName&) = delete;
};
std::string UserDescribeWaitingLoop(const char* call);

// True once per stylus-down that the user made by holding (desktop: right button; script:
// AutomationHold). The gesture recogniser asks this on WM_LBUTTONDOWN.
bool UserTakeStylusHold();

// Blocks until a message is queued or `timeoutMs` passes; consumes script in headless.
// False when the time-out passed first.
bool UserWaitForMessage(uint32_t timeoutMs, const char* loopName);

// One step of input for a call that waits on something other than messages (the network):
// presents the screen, then delivers at most one input event without blocking. The headless
// device takes the next item of its script instead (input, or time up to the next timer),
// but only when `quiet` says the other source had nothing in the last moment, and nothing
// when the script is used up.
void UserTakeInputWhileWaiting(bool quiet);

// The window the screen presents as the one in use, whose title and menu bar the shell shows:
// the active window, or while another desktop program has the host window's focus (when
// there is none), the one that will be active when it returns.
HWND UserFrontWindow();

// The oldest top-level window without an owner: the one a close request goes to.
HWND UserMainWindow();

// Destroys every window, forgets queues, timers and capture: a clean device for the next test.
void UserResetAll();

// Raise requests from other copies and termination signals arrive as flags that the message
// loop turns into messages.
void UserInstallSignalHandlers();
// Only the requests of other copies (SIGUSR1 to raise, SIGUSR2 for sent messages waiting):
// installed as soon as a window is listed in the registry, so neither kills a copy that did
// not start through DeviceMain.
void UserInstallRaiseHandler();

// Brings a host file (dropped on the desktop window, or named on the command line) into
// "\My Documents": the same bytes already there under its name or a numbered variant of it
// are taken as they are, otherwise the first free variant receives a copy; nothing is ever
// overwritten. `devicePath` (may be null) receives the file's device path, and `copied` (may
// be null) whether this call made the copy (false when the same bytes were there). False when
// the host file cannot be read or no copy could be made.
bool UserBringFileIntoDevice(const char* hostPath, std::u16string* devicePath,
                             bool* copied = nullptr);

// The visible part of a window's client area: screen rectangles, device pixels, the clip
// every DC of the window gets. Empty for hidden windows.
std::vector<RECT> UserVisibleRects(HWND hwnd);
