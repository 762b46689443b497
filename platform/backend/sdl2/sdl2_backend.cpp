// The SDL2 backend: the device screen in a desktop window. GDI has already drawn the frame
// N host pixels per device pixel, so presenting is one copy of the changed part into SDL's
// window surface (the X11 framebuffer; no OpenGL is loaded), scaled only by the whole
// multiple that fits when the window is made larger than the frame, which then sits in the
// middle on black. When the surface cannot be had, an SDL renderer presents instead. The
// mouse is the stylus (the right button is a tap-and-hold), the keyboard gives Win32 virtual
// keys plus typed text, F11 turns full screen on and off, the close button, minimising and the
// window's keyboard focus going to another program and back become the program's own
// messages, and a dropped file is handed over for copying into the device.
#include <SDL.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "automation.h"
#include "backend/backend.h"
#include "sdl2_display_loss.h"
#include "sdl2_wake.h"
#include "winuser.h"

namespace {

SDL_Window* gWindow = nullptr;
SDL_Renderer* gRenderer = nullptr;  // only when the window surface cannot be had
SDL_Texture* gTexture = nullptr;
SDL_Surface* gFrameSurface = nullptr;  // the last presented frame's pixels, as SDL sees them
const Framebuffer* gFrame = nullptr;   // the last presented frame
int gScale = 1;
int gZoom = 1;                // window pixels per frame pixel: 1, or more in a larger window
SDL_Point gOrigin = {0, 0};   // the frame's top-left corner in the window
bool gLayoutChanged = false;  // the window's size changed: the next present redraws it whole
bool gLeftDown = false;
bool gRefuseSurface = false;  // AutomationFailWindowSurface
// The user hears once per run that the window has no surface, however often it is made again.
bool gToldNoSurface = false;

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

// Where the frame sits in a window of the current size: the largest whole multiple that fits,
// in the middle. A window smaller than the frame shows its top-left part.
void Layout()
{
    int w = 0, h = 0;
    SDL_GetWindowSize(gWindow, &w, &h);
    const int fw = gFrame ? gFrame->width : w, fh = gFrame ? gFrame->height : h;
    gZoom = std::max(1, std::min(w / std::max(fw, 1), h / std::max(fh, 1)));
    gOrigin = {std::max(0, (w - fw * gZoom) / 2), std::max(0, (h - fh * gZoom) / 2)};
}

// The frame as an SDL surface over the rasterizer's own pixels: the screen surface lives as
// long as the device, so it is wrapped once.
SDL_Surface* FrameSurface(const Framebuffer* fb)
{
    if (gFrameSurface && gFrameSurface->pixels == fb->pixels && gFrameSurface->w == fb->width &&
        gFrameSurface->h == fb->height)
        return gFrameSurface;
    SDL_FreeSurface(gFrameSurface);
    gFrameSurface = SDL_CreateRGBSurfaceWithFormatFrom(fb->pixels, fb->width, fb->height, 32,
                                                       fb->stride * int(sizeof(uint32_t)),
                                                       SDL_PIXELFORMAT_RGB888);
    return gFrameSurface;
}

void PresentThroughRenderer(const Framebuffer* fb)
{
    SDL_UpdateTexture(gTexture, nullptr, fb->pixels, fb->stride * int(sizeof(uint32_t)));
    const SDL_Rect to = {gOrigin.x, gOrigin.y, fb->width * gZoom, fb->height * gZoom};
    SDL_SetRenderDrawColor(gRenderer, 0, 0, 0, 255);
    SDL_RenderClear(gRenderer);
    SDL_RenderCopy(gRenderer, gTexture, nullptr, &to);
    SDL_RenderPresent(gRenderer);
}

// The part of the frame rectangle `from` whose pixels differ from what the window surface
// shows; empty when none do. A frame repainted from a back buffer marks much more than it
// changes (a keystroke marks the whole grid), and every row sent costs the X server a copy.
SDL_Rect ChangedPart(const SDL_Surface* frame, const SDL_Surface* window, const SDL_Rect& from)
{
    const SDL_PixelFormat* f = window->format;
    if (f->BytesPerPixel != 4 || f->Rmask != 0xFF0000 || f->Gmask != 0xFF00 || f->Bmask != 0xFF)
        return from;  // another layout: compared it would need converting, so all is sent
    int top = from.y + from.h, bottom = from.y, left = from.x + from.w, right = from.x;
    std::vector<uint32_t> row(size_t(from.w));
    for (int y = from.y; y < from.y + from.h; ++y) {
        const uint32_t* drawn =
            static_cast<const uint32_t*>(frame->pixels) + y * (frame->pitch / 4) + from.x;
        const uint32_t* shown = static_cast<const uint32_t*>(window->pixels) +
                                (gOrigin.y + y * gZoom) * (window->pitch / 4) + gOrigin.x +
                                from.x * gZoom;
        if (gZoom > 1) {  // every gZoom-th pixel of the window's row is the frame's
            for (int x = 0; x < from.w; ++x)
                row[size_t(x)] = shown[x * gZoom];
            shown = row.data();
        }
        // The blit copies the pixels as they are, so equal rows compare equal as bytes.
        if (std::memcmp(drawn, shown, size_t(from.w) * 4) == 0)
            continue;
        int l = 0, r = from.w;
        while (drawn[l] == shown[l])
            ++l;
        while (drawn[r - 1] == shown[r - 1])
            --r;
        top = std::min(top, y);
        bottom = y + 1;
        left = std::min(left, from.x + l);
        right = std::max(right, from.x + r);
    }
    if (top >= bottom)
        return {from.x, from.y, 0, 0};
    return {left, top, right - left, bottom - top};
}

// Copies the device rectangle `dirty` of the frame into the window surface and shows it.
// `whole`: the window changed, so the border is cleared and the whole frame copied.
void PresentThroughSurface(const Framebuffer* fb, const RECT* dirty, bool whole)
{
    SDL_Surface* window = SDL_GetWindowSurface(gWindow);
    SDL_Surface* frame = FrameSurface(fb);
    if (!window || !frame)
        return;
    const int s = fb->scale;
    SDL_Rect from = {0, 0, fb->width, fb->height};
    if (!whole && dirty) {
        from = {int(dirty->left) * s, int(dirty->top) * s, int(dirty->right - dirty->left) * s,
                int(dirty->bottom - dirty->top) * s};
        from = ChangedPart(frame, window, from);
        if (from.w == 0)
            return;
    }
    SDL_Rect to = {gOrigin.x + from.x * gZoom, gOrigin.y + from.y * gZoom, from.w * gZoom,
                   from.h * gZoom};
    if (whole)
        SDL_FillRect(window, nullptr, SDL_MapRGB(window->format, 0, 0, 0));
    if (gZoom == 1)
        SDL_BlitSurface(frame, &from, window, &to);
    else
        SDL_BlitScaled(frame, &from, window, &to);  // nearest pixel: whole multiples stay crisp
    if (whole)
        SDL_UpdateWindowSurface(gWindow);
    else
        SDL_UpdateWindowSurfaceRects(gWindow, &to, 1);
}

bool Sdl2Init(int width, int height, int scale)
{
    gScale = scale;
    gFrame = nullptr;
    // Without this SDL would judge the X11 framebuffer against a test OpenGL context, loading
    // the GL driver (tens of megabytes) to show pixels that are already drawn. The user's own
    // SDL_FRAMEBUFFER_ACCELERATION still wins.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Hidden until the first frame: the window appears with the program's picture in it, and
    // a second copy that only hands its file over never shows one.
    gWindow =
        SDL_CreateWindow("Crossword", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width * scale,
                         height * scale, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!gWindow)
        return false;
    SDL_SetWindowMinimumSize(gWindow, width * scale, height * scale);
    Layout();
    if (gRefuseSurface)
        SDL_SetError("refused by the automation");
    if (gRefuseSurface || !SDL_GetWindowSurface(gWindow)) {
        if (!gToldNoSurface)
            std::fprintf(stderr, "%s: no window surface (%s); presenting through an SDL renderer\n",
                         program_invocation_short_name, SDL_GetError());
        gToldNoSurface = true;
        gRenderer = SDL_CreateRenderer(gWindow, -1, 0);
        if (!gRenderer)
            return false;
        gTexture = SDL_CreateTexture(gRenderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                     width * scale, height * scale);
        if (!gTexture)
            return false;
    }
    SDL_StartTextInput();
    Sdl2StartWake();
    Sdl2WatchDisplayLoss(gWindow);
    return true;
}

void Sdl2Present(const Framebuffer* fb, const RECT* dirty, int dirtyCount)
{
    bool whole = gLayoutChanged || gFrame != fb;
    gFrame = fb;
    if (!(SDL_GetWindowFlags(gWindow) & SDL_WINDOW_SHOWN)) {
        SDL_ShowWindow(gWindow);
        whole = true;
    }
    if (whole)
        Layout();
    gLayoutChanged = false;
    if (gRenderer) {
        PresentThroughRenderer(fb);
        return;
    }
    if (whole || dirtyCount < 1) {
        PresentThroughSurface(fb, nullptr, true);
        return;
    }
    for (int i = 0; i < dirtyCount; ++i)
        PresentThroughSurface(fb, &dirty[i], false);
}

// Whatever the window shows again, after it was uncovered or changed size.
void Repaint()
{
    if (!gFrame)
        return;
    if (gLayoutChanged || gRenderer)
        Sdl2Present(gFrame, nullptr, 0);
    else
        SDL_UpdateWindowSurface(gWindow);  // the surface still holds the picture
}

void ToggleFullScreen()
{
    const bool full = SDL_GetWindowFlags(gWindow) & SDL_WINDOW_FULLSCREEN;
    SDL_SetWindowFullscreen(gWindow, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

// A window point as a device point.
SDL_Point DevicePoint(int x, int y)
{
    const int per = gScale * gZoom;
    return {(x - gOrigin.x) / per, (y - gOrigin.y) / per};
}

bool InsideFrame(int x, int y)
{
    if (!gFrame)
        return true;  // nothing shown yet: the window is the frame
    return x >= gOrigin.x && y >= gOrigin.y && x < gOrigin.x + gFrame->width * gZoom &&
           y < gOrigin.y + gFrame->height * gZoom;
}

// One SDL event as device input; false for events the device does not see.
bool Translate(const SDL_Event& e, InputEvent* out)
{
    *out = {};
    switch (e.type) {
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const SDL_Point p = DevicePoint(e.button.x, e.button.y);
        out->x = p.x;
        out->y = p.y;
        const bool down = e.type == SDL_MOUSEBUTTONDOWN;
        if (down && !InsideFrame(e.button.x, e.button.y))
            return false;  // the black border around a larger window is not the screen
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
        out->x = DevicePoint(e.motion.x, e.motion.y).x;
        out->y = DevicePoint(e.motion.x, e.motion.y).y;
        return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (e.key.keysym.sym == SDLK_F11) {
            // The host window's own key, as on desktop programs; the device never sees it.
            if (e.type == SDL_KEYDOWN && !e.key.repeat)
                ToggleFullScreen();
            return false;
        }
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
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
            e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
            out->kind = e.window.event == SDL_WINDOWEVENT_FOCUS_LOST ? InputKind::FocusLost
                                                                     : InputKind::FocusGained;
            return true;
        }
        if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            gLayoutChanged = true;
            Repaint();
        }
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED)
            Repaint();
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
        switch (Sdl2DisplayLoss()) {
        case kDisplayThere: break;
        case kDisplayJustLost: out->kind = InputKind::Close; return true;
        case kDisplayGone:
            // No input comes any more; the program is ending. Wait without SDL, which would
            // only find the dead connection readable again and again.
            SDL_Delay(deadline == kNoDeadline ? 100 : std::min<uint32_t>(deadline - now, 100));
            return false;
        }
        // A wait without a deadline still ends every ten seconds: a display lost during it
        // leaves SDL waiting on the dead connection (sdl2_display_loss.cpp), and only then is
        // the loss seen. An idle game has saved everything a second after its last change, so
        // a late close loses nothing, and ten seconds keep its idle cost out of measure.
        constexpr int kLongestWaitMs = 10000;
        const int timeout = deadline == kNoDeadline ? kLongestWaitMs
                                                    : std::min(int(deadline - now), kLongestWaitMs);
        SDL_Event e;
        if (!SDL_WaitEventTimeout(&e, timeout))
            continue;  // the deadline, or a long wait without input: looked at above
        if (Sdl2IsWake(e))
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
    Sdl2StopWake();
    if (Sdl2DisplayGone()) {
        // Closing SDL's connections would make Xlib exit on the dead one; the program is
        // ending, and the system takes back what SDL held.
        gWindow = nullptr;
        gFrame = nullptr;
        return;
    }
    SDL_FreeSurface(gFrameSurface);
    if (gTexture)
        SDL_DestroyTexture(gTexture);
    if (gRenderer)
        SDL_DestroyRenderer(gRenderer);
    if (gWindow)
        SDL_DestroyWindow(gWindow);
    gFrameSurface = nullptr;
    gTexture = nullptr;
    gRenderer = nullptr;
    gWindow = nullptr;
    gFrame = nullptr;
    gLayoutChanged = false;
    SDL_Quit();
}

}  // namespace

void AutomationFailWindowSurface(bool fail)
{
    gRefuseSurface = fail;
    if (fail)
        gToldNoSurface = false;  // a new refusal is a new run's to tell
}

const Backend kSdl2Backend = {
    .name = "sdl2",
    .Init = Sdl2Init,
    .Present = Sdl2Present,
    .WaitInput = Sdl2WaitInput,
    .NowMs = Sdl2NowMs,
    .Sleep = Sdl2Sleep,
    .Raise = Sdl2Raise,
    .SetTitle = Sdl2SetTitle,
    .Quit = Sdl2Quit,
    .scriptedInput = false,
    .opensOnHost = true,
};

namespace {

// An X server resets when its last client leaves, and refuses connections while it does: a
// start right after another program (often our own previous copy) has ended would find no
// display, or only the drivers that show nothing. The server is back within a moment, so the
// display is tried again for a while before the start gives up.
constexpr int kDisplayTries = 20;
constexpr Uint32 kDisplayPauseMs = 100;

// When the display cannot be opened SDL quietly falls back to drivers that show nothing; a
// program the user cannot see is worse than a clear message. They count only when the user
// asked for them by name.
bool InvisibleDriver()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    const bool invisible =
        driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0 ||
                   std::strcmp(driver, "evdev") == 0);
    return invisible && !(asked && std::strcmp(asked, driver) == 0);
}

}  // namespace

bool Sdl2Available(char* why, int whySize)
{
    for (int attempt = 1;; ++attempt) {
        if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_Init(SDL_INIT_VIDEO) != 0) {
            std::snprintf(why, size_t(whySize), "no display available (%s)", SDL_GetError());
        } else if (InvisibleDriver()) {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
            std::snprintf(why, size_t(whySize),
                          "no display available (the display named by DISPLAY or "
                          "WAYLAND_DISPLAY cannot be opened)");
        } else {
            return true;
        }
        if (attempt == kDisplayTries)
            return false;
        SDL_Delay(kDisplayPauseMs);
    }
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
