// Which backend runs the device: CROSSWORD_BACKEND=headless|sdl2 forces one; otherwise SDL2
// when a display is reachable. The scale is CROSSWORD_SCALE (1 to 4) or the largest whole
// number at which the 240 × 320 screen fits the display.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "backend/backend.h"

namespace {

const Backend* gCurrent = nullptr;

int ScaleFromEnvironment()
{
    const char* s = std::getenv("CROSSWORD_SCALE");
    if (!s || !*s)
        return 0;
    const int n = std::atoi(s);
    return (n >= 1 && n <= 4) ? n : 0;
}

}  // namespace

int Sdl2ProbeScale(int width, int height);  // sdl2_backend.cpp: 0 when SDL2 cannot start
bool Sdl2Available(char* why, int whySize);

const Backend* BackendCurrent()
{
    return gCurrent ? gCurrent : &kHeadlessBackend;
}
void BackendUse(const Backend* backend)
{
    gCurrent = backend;
}

bool BackendChoose(const Backend** backend, int* scale, char* why, int whySize)
{
    const char* forced = std::getenv("CROSSWORD_BACKEND");
    const int scaleOverride = ScaleFromEnvironment();
    if (forced && *forced) {
        if (std::strcmp(forced, "headless") == 0) {
            *backend = &kHeadlessBackend;
            *scale = scaleOverride ? scaleOverride : 1;
            return true;
        }
        if (std::strcmp(forced, "sdl2") != 0) {
            std::snprintf(why, size_t(whySize),
                          "unknown CROSSWORD_BACKEND '%s' (use headless or sdl2)", forced);
            return false;
        }
    } else {
        const char* x11 = std::getenv("DISPLAY");
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        if (!(x11 && *x11) && !(wayland && *wayland)) {
            std::snprintf(why, size_t(whySize),
                          "no display available (set DISPLAY or WAYLAND_DISPLAY, or "
                          "CROSSWORD_BACKEND=headless)");
            return false;
        }
    }
    if (!Sdl2Available(why, whySize))
        return false;
    *backend = &kSdl2Backend;
    *scale = scaleOverride ? scaleOverride : Sdl2ProbeScale(240, 320);
    return true;
}
