// The SDL2 backend: the device screen in a desktop window, N host pixels per stored pixel
// row already scaled by GDI, so the texture is copied 1:1. The mouse is the stylus (the
// right button is a tap-and-hold), the keyboard gives Win32 virtual keys plus typed text,
// the close button and minimising become the program's own messages, and a dropped file
// is handed over for copying into the device.
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "backend/backend.h"
#include "winuser.h"

namespace {

SDL_Window* gWindow = nullptr;
SDL_Renderer* gRenderer = nullptr;
SDL_Texture* gTexture = nullptr;
int gScale = 1;
bool gLeftDown = false;

UINT VirtualKey(SDL_Keycode k)
{
    if (k >= SDLK_a && k <= SDLK_z)
        return UINT('A' + (k - SDLK_a));
    if (k >= SDLK_0 && k <= SDLK_9)
        return UINT('0' + (k - SDLK_0));
    if (k >= SDLK_F1 && k <= SDLK_F12)
        return UINT(VK_F1 + (k - SDLK_F1));
    switch (k) {
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_END: return VK_END;
    case SDLK_HOME: return VK_HOME;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_UP: return VK_UP;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    case SDLK_PERIOD: return VK_OEM_PERIOD;
    }
    return 0;
}

// Keys whose character SDL reports as text input (so it is not typed twice).
bool TypesText(SDL_Keycode k, Uint16 mod)
{
    if (mod & (KMOD_CTRL | KMOD_ALT))
        return false;
    return k >= SDLK_SPACE && k < SDLK_DELETE;
}

void Redraw()
{
    SDL_RenderClear(gRenderer);
    SDL_RenderCopy(gRenderer, gTexture, nullptr, nullptr);
    SDL_RenderPresent(gRenderer);
}

bool Sdl2Init(int width, int height, int scale)
{
    gScale = scale;
    gWindow = SDL_CreateWindow("Crossword", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               width * scale, height * scale, SDL_WINDOW_SHOWN);
    if (!gWindow)
        return false;
    gRenderer = SDL_CreateRenderer(gWindow, -1, 0);
    if (!gRenderer)
        return false;
    gTexture = SDL_CreateTexture(gRenderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                 width * scale, height * scale);
    if (!gTexture)
        return false;
    SDL_StartTextInput();
    return true;
}

void Sdl2Present(const Framebuffer* fb, const RECT*, int)
{
    // The surface is small (at most 960 × 1280): one upload per frame is simpler than
    // tracking the dirty rectangles through the texture.
    SDL_UpdateTexture(gTexture, nullptr, fb->pixels, fb->stride * int(sizeof(uint32_t)));
    Redraw();
}

// One SDL event as device input; false for events the device does not see.
bool Translate(const SDL_Event& e, InputEvent* out)
{
    *out = {};
    switch (e.type) {
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        out->x = e.button.x / gScale;
        out->y = e.button.y / gScale;
        const bool down = e.type == SDL_MOUSEBUTTONDOWN;
        if (e.button.button == SDL_BUTTON_LEFT) {
            gLeftDown = down;
            out->kind = down ? InputKind::StylusDown : InputKind::StylusUp;
            return true;
        }
        if (e.button.button == SDL_BUTTON_RIGHT) {
            // A desktop has no pressure to hold: the right button is a tap-and-hold.
            out->kind = down ? InputKind::StylusHold : InputKind::StylusUp;
            return true;
        }
        return false;
    }
    case SDL_MOUSEMOTION:
        if (!(e.motion.state & (SDL_BUTTON_LMASK | SDL_BUTTON_RMASK)))
            return false;  // a stylus does not hover
        out->kind = InputKind::StylusMove;
        out->x = e.motion.x / gScale;
        out->y = e.motion.y / gScale;
        return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        out->key = VirtualKey(e.key.keysym.sym);
        if (!out->key)
            return false;
        out->kind = e.type == SDL_KEYDOWN ? InputKind::KeyDown : InputKind::KeyUp;
        out->textFollows = TypesText(e.key.keysym.sym, e.key.keysym.mod);
        return true;
    case SDL_TEXTINPUT: {
        // One UTF-16 unit per event is enough for the device's keyboard layouts; the first
        // character of the text is taken (Latin-1 and the rest of the BMP).
        const auto* s = reinterpret_cast<const unsigned char*>(e.text.text);
        uint32_t c = s[0];
        if (c >= 0xE0 && s[1] && s[2])
            c = ((c & 0x0F) << 12) | ((s[1] & 0x3F) << 6) | (s[2] & 0x3F);
        else if (c >= 0xC0 && s[1])
            c = ((c & 0x1F) << 6) | (s[1] & 0x3F);
        if (!c || c >= 0x10000)
            return false;
        out->kind = InputKind::Char;
        out->ch = char16_t(c);
        return true;
    }
    case SDL_QUIT: out->kind = InputKind::Close; return true;
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
            out->kind = InputKind::Close;
            return true;
        }
        if (e.window.event == SDL_WINDOWEVENT_MINIMIZED) {
            out->kind = InputKind::Minimise;
            return true;
        }
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED)
            Redraw();
        return false;
    case SDL_DROPFILE:
        out->kind = InputKind::DropFile;
        std::snprintf(out->path, sizeof out->path, "%s", e.drop.file);
        SDL_free(e.drop.file);
        return true;
    }
    return false;
}

bool Sdl2WaitInput(InputEvent* out, uint32_t deadline)
{
    for (;;) {
        const uint32_t now = SDL_GetTicks();
        if (deadline != kNoDeadline && now >= deadline)
            return false;
        const int timeout = deadline == kNoDeadline ? -1 : int(deadline - now);
        SDL_Event e;
        const int got = timeout < 0 ? SDL_WaitEvent(&e) : SDL_WaitEventTimeout(&e, timeout);
        if (!got)
            return false;
        if (Translate(e, out))
            return true;
    }
}

uint32_t Sdl2NowMs()
{
    return SDL_GetTicks();
}
void Sdl2Sleep(uint32_t ms)
{
    SDL_Delay(ms);
}

void Sdl2SetTitle(const char* utf8)
{
    if (gWindow)
        SDL_SetWindowTitle(gWindow, utf8);
}

void Sdl2Raise()
{
    if (gWindow) {
        SDL_RestoreWindow(gWindow);
        SDL_RaiseWindow(gWindow);
    }
}

void Sdl2Quit()
{
    if (gTexture)
        SDL_DestroyTexture(gTexture);
    if (gRenderer)
        SDL_DestroyRenderer(gRenderer);
    if (gWindow)
        SDL_DestroyWindow(gWindow);
    gTexture = nullptr;
    gRenderer = nullptr;
    gWindow = nullptr;
    SDL_Quit();
}

}  // namespace

const Backend kSdl2Backend = {"sdl2",    Sdl2Init,  Sdl2Present,  Sdl2WaitInput, Sdl2NowMs,
                              Sdl2Sleep, Sdl2Raise, Sdl2SetTitle, Sdl2Quit};

bool Sdl2Available(char* why, int whySize)
{
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::snprintf(why, size_t(whySize), "no display available (%s)", SDL_GetError());
        return false;
    }
    // When the display cannot be opened SDL quietly falls back to drivers that show nothing;
    // a program the user cannot see is worse than a clear message. They count only when the
    // user asked for them by name.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    const bool invisible =
        driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0 ||
                   std::strcmp(driver, "evdev") == 0);
    if (invisible && !(asked && std::strcmp(asked, driver) == 0)) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        std::snprintf(why, size_t(whySize),
                      "no display available (the display named by DISPLAY or WAYLAND_DISPLAY "
                      "cannot be opened)");
        return false;
    }
    return true;
}

int Sdl2ProbeScale(int width, int height)
{
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0)
        return 1;
    // Leave room for the window's title bar.
    const int byWidth = usable.w / width;
    const int byHeight = (usable.h - 40) / height;
    return std::clamp(std::min(byWidth, byHeight), 1, 4);
}
