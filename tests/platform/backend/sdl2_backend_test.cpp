// The SDL2 backend on SDL's dummy video driver: a window of 240N × 320N, frames presented,
// and SDL events turned into device input with device coordinates and Win32 virtual keys.
#include <SDL.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "backend/backend.h"
#include "winuser.h"

namespace {

class Sdl2Test : public testing::Test {
  protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_TRUE(kSdl2Backend.Init(240, 320, 2));
    }
    void TearDown() override
    {
        kSdl2Backend.Quit();
        unsetenv("SDL_VIDEODRIVER");
    }

    static InputEvent Next()
    {
        InputEvent e = {};
        EXPECT_TRUE(kSdl2Backend.WaitInput(&e, SDL_GetTicks() + 1000));
        return e;
    }
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

TEST_F(Sdl2Test, TheWindowIsTheScreenAtTheScaleAndFramesArePresented)
{
    // The backend's window is the newest one SDL knows.
    SDL_Window* window = nullptr;
    for (Uint32 id = 1; id < 100; ++id) {
        if (SDL_Window* w = SDL_GetWindowFromID(id))
            window = w;
    }
    ASSERT_NE(window, nullptr);
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    EXPECT_EQ(w, 480);
    EXPECT_EQ(h, 640);
    kSdl2Backend.SetTitle("Brambleset");
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Brambleset");
    std::vector<uint32_t> pixels(480 * 640, 0x00FF8000);
    const Framebuffer fb = {pixels.data(), 480, 640, 480, 2};
    const RECT dirty = {0, 0, 240, 320};
    SDL_ClearError();
    kSdl2Backend.Present(&fb, &dirty, 1);
    EXPECT_STREQ(SDL_GetError(), "");
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

}  // namespace
