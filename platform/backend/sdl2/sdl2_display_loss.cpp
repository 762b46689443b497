// Xlib tells a lost connection to its I/O error handler and then to its I/O error exit
// handler; the default ones call exit(), which would end the program inside the call and
// destroy threads still running. Ours return instead, which Xlib allows since 1.7: the
// connection is marked dead and later X calls on it fail. The handler only marks the loss:
// SDL keeps a second connection of its own for waking a wait, whose handler is still Xlib's,
// so nothing may push an SDL event after the loss (the wake thread checks), and the wait
// that noticed it ends at its deadline, at most a second later (Sdl2WaitInput), and hands
// the program a close, so it saves and ends. Xlib is looked up in the process (SDL loaded
// it), so the platform links no X library of its own.
#include "sdl2_display_loss.h"

#include <SDL_syswm.h>
#include <dlfcn.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

namespace {

std::atomic<bool> gLost{false};
bool gCloseGiven = false;  // the close the loss stands for went to the program

using ErrorHandler = int (*)(Display*);
using SetErrorHandler = ErrorHandler (*)(ErrorHandler);
using ExitHandler = void (*)(Display*, void*);
using SetExitHandler = void (*)(Display*, ExitHandler, void*);

int TellDisplayLost(Display*)
{
    std::fprintf(stderr, "%s: the display is gone; ending as at a close\n",
                 program_invocation_short_name);
    return 0;
}

void OnDisplayLost(Display*, void*)
{
    gLost = true;
}

}  // namespace

void Sdl2WatchDisplayLoss(SDL_Window* window)
{
    gLost = false;
    gCloseGiven = false;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return;
    void* xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (!xlib)
        return;
    auto setExit = reinterpret_cast<SetExitHandler>(dlsym(xlib, "XSetIOErrorExitHandler"));
    auto setError = reinterpret_cast<SetErrorHandler>(dlsym(xlib, "XSetIOErrorHandler"));
    // Without the exit handler Xlib exits whatever the error handler does: keep its own then.
    if (setExit && setError) {
        setError(TellDisplayLost);
        setExit(info.info.x11.display, OnDisplayLost, nullptr);
    }
    dlclose(xlib);  // SDL holds its own reference
}

bool Sdl2DisplayGone()
{
    return gLost;
}

DisplayLoss Sdl2DisplayLoss()
{
    if (!gLost)
        return kDisplayThere;
    if (gCloseGiven)
        return kDisplayGone;
    gCloseGiven = true;
    return kDisplayJustLost;
}
