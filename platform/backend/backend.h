// The backend interface: the window manager hands finished frames to a backend and asks it
// for input and time. A backend sees pixels, input events and the clock only; every window
// and GDI object belongs to the platform. Two exist: SDL2 (a desktop window) and headless
// (scripted input on a virtual clock, for tests).
#pragma once

#include <cstdint>

#include "gdi/framebuffer.h"
#include "windef.h"

enum class InputKind {
    StylusDown,   // x, y: device pixels
    StylusMove,   // x, y; only while the stylus is down
    StylusUp,     // x, y
    StylusHold,   // x, y: the stylus went down and is being held (desktop: right button)
    KeyDown,      // key: Win32 virtual-key code; textFollows: a Char event brings its character
    KeyUp,        // key
    Char,         // ch: one UTF-16 unit typed
    Close,        // the user asked to close the program (window button, signal)
    Minimise,     // the host window was minimised
    FocusLost,    // another desktop program took the host window's keyboard focus
    FocusGained,  // the host window has the keyboard focus again
    DropFile,     // path: host path of a file dropped on the window
    ScriptEmpty,  // headless only: nothing left to do, waiting would block for ever
};

struct InputEvent {
    InputKind kind;  // what happened
    int x;           // stylus position, device pixels
    int y;
    UINT key;          // virtual key of KeyDown / KeyUp
    bool textFollows;  // KeyDown: the backend reports the key's character as a Char event
    char16_t ch;       // Char
    char path[1024];   // DropFile, NUL-terminated host path
};

struct Backend {
    const char* name;                                // "sdl2", "headless"
    bool (*Init)(int width, int height, int scale);  // device pixels, scale
    void (*Present)(const Framebuffer* fb, const RECT* dirty, int dirtyCount);
    bool (*WaitInput)(InputEvent* out, uint32_t deadlineMs);  // false: deadline reached
    uint32_t (*NowMs)(void);                                  // virtual in headless
    void (*Sleep)(uint32_t ms);                               // headless: advances time
    void (*Raise)(void);                                      // bring the window forward
    void (*SetTitle)(const char* utf8);                       // host window title, may be null
    void (*Quit)(void);
    // Input comes from a test's script on a virtual clock: a wait never blocks in real time,
    // and a loop that would wait on an empty script has nothing left to do.
    bool scriptedInput;
    // Programs the device starts (the help viewer, the browser) open on the host's desktop;
    // otherwise they are only recorded.
    bool opensOnHost;
};

// Waiting with this deadline waits until input arrives.
constexpr uint32_t kNoDeadline = UINT32_MAX;

// Ends the current or next WaitInput of the SDL2 backend, which then returns false as at its
// deadline. Safe in a signal handler and from any thread: signals that ask something of an
// idle program wake it, so it never has to wake on a timer to look. Nothing while the
// backend has no window (the headless backend never waits in real time).
void BackendWake();

extern const Backend kHeadlessBackend;
extern const Backend kSdl2Backend;

// The backend in use. Until BackendUse is called (tests that never start a program) it is the
// headless backend, initialised at scale 1.
const Backend* BackendCurrent();
void BackendUse(const Backend* backend);

// Picks the backend from CROSSWORD_BACKEND or the presence of a display, and the scale from
// CROSSWORD_SCALE or the display size. False with a one-line reason in `why` when neither
// works.
bool BackendChoose(const Backend** backend, int* scale, char* why, int whySize);

// Headless internals the automation reaches: forget the script, rewind the clock.
void HeadlessReset();
