// The SDL2 backend on SDL's dummy video driver: a window of 240N × 320N that shows the frame
// once one is presented, frames copied into the window surface (the changed part only, and
// at a whole multiple in the middle of a larger window) or through a renderer when there is
// no surface, F11 for full screen, SDL events turned into device input with device
// coordinates and Win32 virtual keys, and a wait that a signal ends.
#include <SDL.h>
#include <pthread.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "automation.h"
#include "backend/backend.h"
#include "winuser.h"

namespace {

class Sdl2Test : public testing::Test {
  protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        Start(2);
    }
    void TearDown() override
    {
        kSdl2Backend.Quit();
        unsetenv("SDL_VIDEODRIVER");
    }

    static void Start(int scale)
    {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_TRUE(kSdl2Backend.Init(240, 320, scale));
    }

    static InputEvent Next()
    {
        InputEvent e = {};
        EXPECT_TRUE(kSdl2Backend.WaitInput(&e, SDL_GetTicks() + 1000));
        return e;
    }

    // Lets the backend take the window events SDL has queued (a resize, say).
    static void TakeWindowEvents()
    {
        InputEvent e;
        kSdl2Backend.WaitInput(&e, SDL_GetTicks() + 20);
    }
};

// The backend's window: the newest one SDL knows.
SDL_Window* BackendWindow()
{
    SDL_Window* window = nullptr;
    for (Uint32 id = 1; id < 100; ++id) {
        if (SDL_Window* w = SDL_GetWindowFromID(id))
            window = w;
    }
    return window;
}

// A pixel of the window surface, as 0x00RRGGBB.
uint32_t ShownAt(int x, int y)
{
    SDL_Surface* s = SDL_GetWindowSurface(BackendWindow());
    const auto* row = static_cast<const uint8_t*>(s->pixels) + y * s->pitch;
    return *reinterpret_cast<const uint32_t*>(row + x * 4) & 0xFFFFFF;
}

// A frame of the device screen at `scale` whose pixels all differ: (x, y) holds x + 4096 y.
struct Frame {
    std::vector<uint32_t> pixels;
    Framebuffer fb;
    explicit Frame(int scale) : pixels(size_t(240 * scale * 320 * scale))
    {
        fb = {pixels.data(), 240 * scale, 320 * scale, 240 * scale, scale};
        for (int y = 0; y < fb.height; ++y) {
            for (int x = 0; x < fb.width; ++x)
                At(x, y) = uint32_t(x + 4096 * y);
        }
    }
    uint32_t& At(int x, int y) { return pixels[size_t(y * fb.stride + x)]; }
};

void PushButton(Uint32 type, Uint8 button, int x, int y)
{
    SDL_Event e = {};
    e.type = type;
    e.button.button = button;
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
}

void PushKey(Uint32 type, SDL_Keycode key, Uint16 mod = 0)
{
    SDL_Event e = {};
    e.type = type;
    e.key.keysym.sym = key;
    e.key.keysym.mod = mod;
    SDL_PushEvent(&e);
}

TEST_F(Sdl2Test, TheWindowShowsFromTheFirstFrameAndEachPresentCopiesWhatChanged)
{
    SDL_Window* window = BackendWindow();
    ASSERT_NE(window, nullptr);
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    EXPECT_EQ(w, 480);
    EXPECT_EQ(h, 640);
    kSdl2Backend.SetTitle("Brambleset");
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Brambleset");
    EXPECT_TRUE(SDL_GetWindowFlags(window) & SDL_WINDOW_HIDDEN) << "shown before its first frame";

    Frame frame(2);
    const RECT all = {0, 0, 240, 320};
    kSdl2Backend.Present(&frame.fb, &all, 1);
    EXPECT_FALSE(SDL_GetWindowFlags(window) & SDL_WINDOW_HIDDEN);
    for (const SDL_Point p :
         {SDL_Point{0, 0}, SDL_Point{479, 0}, SDL_Point{123, 456}, SDL_Point{479, 639}})
        EXPECT_EQ(ShownAt(p.x, p.y), frame.At(p.x, p.y)) << p.x << ", " << p.y;

    // Only the dirty rectangle (device pixels) is copied: the rest keeps the older frame.
    for (uint32_t& px : frame.pixels)
        px = 0x00FF8000;
    const RECT dirty = {10, 20, 30, 25};
    kSdl2Backend.Present(&frame.fb, &dirty, 1);
    EXPECT_EQ(ShownAt(20, 40), 0x00FF8000u);
    EXPECT_EQ(ShownAt(59, 49), 0x00FF8000u);
    EXPECT_EQ(ShownAt(60, 49), uint32_t(60 + 4096 * 49));
    EXPECT_EQ(ShownAt(59, 50), uint32_t(59 + 4096 * 50));
    EXPECT_EQ(ShownAt(19, 40), uint32_t(19 + 4096 * 40));
}

TEST_F(Sdl2Test, EveryScaleIsCopiedPixelForPixel)
{
    for (int scale = 1; scale <= 4; ++scale) {
        kSdl2Backend.Quit();
        Start(scale);
        Frame frame(scale);
        const RECT all = {0, 0, 240, 320};
        kSdl2Backend.Present(&frame.fb, &all, 1);
        const int w = 240 * scale, h = 320 * scale;
        for (const SDL_Point p : {SDL_Point{0, 0}, SDL_Point{w - 1, 7}, SDL_Point{w / 3, h - 1},
                                  SDL_Point{w - 1, h - 1}})
            EXPECT_EQ(ShownAt(p.x, p.y), frame.At(p.x, p.y))
                << "scale " << scale << " at " << p.x << ", " << p.y;
    }
}

TEST_F(Sdl2Test, ALargerWindowShowsTheFrameAtAWholeMultipleInTheMiddle)
{
    Frame frame(2);
    const RECT all = {0, 0, 240, 320};
    kSdl2Backend.Present(&frame.fb, &all, 1);
    // 1000 × 1400 holds the 480 × 640 frame twice: 960 × 1280 at (20, 60), black around it.
    SDL_SetWindowSize(BackendWindow(), 1000, 1400);
    TakeWindowEvents();
    EXPECT_EQ(ShownAt(10, 700), 0u);
    EXPECT_EQ(ShownAt(500, 30), 0u);
    EXPECT_EQ(ShownAt(20, 60), frame.At(0, 0));
    EXPECT_EQ(ShownAt(21, 61), frame.At(0, 0));
    EXPECT_EQ(ShownAt(20 + 2 * 100, 60 + 2 * 300), frame.At(100, 300));
    EXPECT_EQ(ShownAt(979, 1339), frame.At(479, 639));
    EXPECT_EQ(ShownAt(980, 1340), 0u);

    // A changed part lands at the same place, twice as large.
    frame.At(200, 100) = frame.At(201, 100) = frame.At(200, 101) = frame.At(201, 101) = 0x123456;
    const RECT dirty = {100, 50, 101, 51};
    kSdl2Backend.Present(&frame.fb, &dirty, 1);
    EXPECT_EQ(ShownAt(20 + 400, 60 + 200), 0x123456u);
    EXPECT_EQ(ShownAt(20 + 403, 60 + 203), 0x123456u);
    EXPECT_EQ(ShownAt(20 + 404, 60 + 203), frame.At(202, 101));

    // The mouse follows: window (20 + 4 × 10, 60 + 4 × 21) is device (10, 21); a press on the
    // border is nobody's.
    PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 5, 5);
    PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 20 + 4 * 10, 60 + 4 * 21 + 3);
    const InputEvent e = Next();
    EXPECT_EQ(e.kind, InputKind::StylusDown);
    EXPECT_EQ(e.x, 10);
    EXPECT_EQ(e.y, 21);
}

// Only the part of a dirty rectangle that differs from the window is sent: a single pixel at
// a corner or inside a whole-screen rectangle must still show, at 1 and at 2 window pixels
// per frame pixel.
TEST_F(Sdl2Test, ASinglePixelChangedInAWholeScreenRectangleShows)
{
    Frame frame(2);
    const RECT all = {0, 0, 240, 320};
    kSdl2Backend.Present(&frame.fb, &all, 1);
    for (const bool larger : {false, true}) {
        if (larger) {
            SDL_SetWindowSize(BackendWindow(), 1000, 1400);
            TakeWindowEvents();
        }
        const int zoom = larger ? 2 : 1, left = larger ? 20 : 0, top = larger ? 60 : 0;
        for (const SDL_Point p : {SDL_Point{0, 0}, SDL_Point{301, 403}, SDL_Point{479, 639}}) {
            frame.At(p.x, p.y) ^= 0xFFFFFF;
            kSdl2Backend.Present(&frame.fb, &all, 1);
            for (int corner = 0; corner < zoom; ++corner)
                EXPECT_EQ(ShownAt(left + p.x * zoom + corner, top + p.y * zoom + corner),
                          frame.At(p.x, p.y))
                    << "zoom " << zoom << " at " << p.x << ", " << p.y;
        }
    }
}

TEST_F(Sdl2Test, F11TurnsFullScreenOnAndOffAndTheDeviceNeverSeesIt)
{
    Frame frame(2);
    const RECT all = {0, 0, 240, 320};
    kSdl2Backend.Present(&frame.fb, &all, 1);
    PushKey(SDL_KEYDOWN, SDLK_F11);
    PushKey(SDL_KEYUP, SDLK_F11);
    PushKey(SDL_KEYDOWN, SDLK_F10);
    EXPECT_EQ(Next().key, UINT(VK_F10));
    EXPECT_TRUE(SDL_GetWindowFlags(BackendWindow()) & SDL_WINDOW_FULLSCREEN);
    // The whole display (the dummy driver's is 1024 × 768) with the frame in its middle.
    int w = 0, h = 0;
    SDL_GetWindowSize(BackendWindow(), &w, &h);
    TakeWindowEvents();
    EXPECT_EQ(ShownAt((w - 480) / 2, (h - 640) / 2), frame.At(0, 0));
    EXPECT_EQ(ShownAt((w - 480) / 2 - 1, (h - 640) / 2), 0u);

    PushKey(SDL_KEYDOWN, SDLK_F11);
    PushKey(SDL_KEYDOWN, SDLK_F10);
    EXPECT_EQ(Next().key, UINT(VK_F10));
    EXPECT_FALSE(SDL_GetWindowFlags(BackendWindow()) & SDL_WINDOW_FULLSCREEN);
}

TEST_F(Sdl2Test, WithoutTheWindowSurfaceARendererPresentsAndTheUserIsToldOnce)
{
    kSdl2Backend.Quit();
    AutomationFailWindowSurface(true);
    testing::internal::CaptureStderr();
    Start(2);
    kSdl2Backend.Quit();
    Start(2);
    const std::string said = testing::internal::GetCapturedStderr();
    AutomationFailWindowSurface(false);
    const size_t at = said.find("no window surface");
    EXPECT_NE(at, std::string::npos) << said;
    EXPECT_EQ(said.find("no window surface", at + 1), std::string::npos) << said;

    // Here the renderer is SDL's software one, which draws into the surface it stands for.
    Frame frame(2);
    const RECT all = {0, 0, 240, 320};
    kSdl2Backend.Present(&frame.fb, &all, 1);
    EXPECT_EQ(ShownAt(123, 456), frame.At(123, 456));
    SDL_SetWindowSize(BackendWindow(), 1000, 1400);
    TakeWindowEvents();
    EXPECT_EQ(ShownAt(10, 700), 0u);
    EXPECT_EQ(ShownAt(20 + 2 * 100, 60 + 2 * 300), frame.At(100, 300));
}

TEST_F(Sdl2Test, TheMouseIsTheStylusInDevicePixels)
{
    PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 21, 43);
    SDL_Event move = {};
    move.type = SDL_MOUSEMOTION;
    move.motion.state = SDL_BUTTON_LMASK;
    move.motion.x = 41;
    move.motion.y = 61;
    SDL_PushEvent(&move);
    move.motion.state = 0;  // hovering without a button is no stylus event
    SDL_PushEvent(&move);
    PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 41, 61);
    PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 100, 100);
    PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 100, 100);

    InputEvent e = Next();
    EXPECT_EQ(e.kind, InputKind::StylusDown);
    EXPECT_EQ(e.x, 10);
    EXPECT_EQ(e.y, 21);
    e = Next();
    EXPECT_EQ(e.kind, InputKind::StylusMove);
    EXPECT_EQ(e.x, 20);
    EXPECT_EQ(e.y, 30);
    EXPECT_EQ(Next().kind, InputKind::StylusUp);
    e = Next();
    EXPECT_EQ(e.kind, InputKind::StylusHold);  // the right button is a tap-and-hold
    EXPECT_EQ(e.x, 50);
    EXPECT_EQ(Next().kind, InputKind::StylusUp);
}

TEST_F(Sdl2Test, KeysBecomeVirtualKeysAndTextBecomesCharacters)
{
    PushKey(SDL_KEYDOWN, SDLK_a);
    PushKey(SDL_KEYDOWN, SDLK_LCTRL, KMOD_LCTRL);
    PushKey(SDL_KEYDOWN, SDLK_q, KMOD_LCTRL);
    PushKey(SDL_KEYUP, SDLK_DOWN);
    PushKey(SDL_KEYDOWN, SDLK_BACKSPACE);
    PushKey(SDL_KEYDOWN, SDLK_RETURN);
    PushKey(SDL_KEYDOWN, SDLK_CAPSLOCK);  // no device key: dropped
    SDL_Event text = {};
    text.type = SDL_TEXTINPUT;
    std::strcpy(text.text.text, "\xC3\xA9");  // é
    SDL_PushEvent(&text);

    const struct {
        InputKind kind;
        UINT key;
        bool textFollows;
    } expected[] = {{InputKind::KeyDown, 'A', true},      {InputKind::KeyDown, VK_CONTROL, false},
                    {InputKind::KeyDown, 'Q', false},     {InputKind::KeyUp, VK_DOWN, false},
                    {InputKind::KeyDown, VK_BACK, false}, {InputKind::KeyDown, VK_RETURN, false}};
    for (const auto& x : expected) {
        const InputEvent e = Next();
        EXPECT_EQ(e.kind, x.kind);
        EXPECT_EQ(e.key, x.key);
        EXPECT_EQ(e.textFollows, x.textFollows) << "key " << x.key;
    }
    const InputEvent c = Next();
    EXPECT_EQ(c.kind, InputKind::Char);
    EXPECT_EQ(c.ch, u'é');
}

TEST_F(Sdl2Test, WindowEventsBecomeCloseMinimiseAndDroppedFiles)
{
    SDL_Event e = {};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_MINIMIZED;
    SDL_PushEvent(&e);
    e.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_PushEvent(&e);
    SDL_Event drop = {};
    drop.type = SDL_DROPFILE;
    drop.drop.file = SDL_strdup("/home/u/x.puz");
    SDL_PushEvent(&drop);

    EXPECT_EQ(Next().kind, InputKind::Minimise);
    EXPECT_EQ(Next().kind, InputKind::Close);
    const InputEvent d = Next();
    EXPECT_EQ(d.kind, InputKind::DropFile);
    EXPECT_STREQ(d.path, "/home/u/x.puz");

    // Nothing more: the wait ends at its deadline.
    InputEvent none;
    const uint32_t start = SDL_GetTicks();
    EXPECT_FALSE(kSdl2Backend.WaitInput(&none, start + 30));
    EXPECT_GE(SDL_GetTicks() - start, 30u);
}

// Waits for input without a deadline while `meanwhile` runs on another thread; true when the
// wait ended with no input, as a wake ends it. A key three seconds on ends a wait that no
// wake ended, so a lost wake fails the test instead of hanging it.
bool WaitEndsWithoutInput(const std::function<void()>& meanwhile)
{
    std::atomic<bool> ended = false;
    std::thread other([&] {
        meanwhile();
        for (int i = 0; i < 300 && !ended; ++i)
            SDL_Delay(10);
        if (!ended)
            PushKey(SDL_KEYDOWN, SDLK_F10);
    });
    InputEvent e;
    const bool woken = !kSdl2Backend.WaitInput(&e, kNoDeadline);
    ended = true;
    other.join();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    return woken;
}

TEST_F(Sdl2Test, ASignalEndsAWaitWithoutDeadlineEvenWhenItCameFirst)
{
    struct sigaction wake = {}, old = {};
    wake.sa_handler = [](int) { BackendWake(); };
    sigaction(SIGUSR2, &wake, &old);
    std::raise(SIGUSR2);  // just before the program starts to wait
    EXPECT_TRUE(WaitEndsWithoutInput([] {})) << "the wake before the wait was lost";
    const pthread_t waiting = pthread_self();
    EXPECT_TRUE(WaitEndsWithoutInput([&] {
        SDL_Delay(20);
        pthread_kill(waiting, SIGUSR2);
    })) << "the signal during the wait did not end it";
    sigaction(SIGUSR2, &old, nullptr);
}

}  // namespace
