// The X server going away under the window (killed, its session ended) must end the program
// as a close does, so the program saves what it holds; by default Xlib would exit() at once
// from inside whatever call noticed, with no chance to save.
#pragma once

#include <SDL.h>

// Watches the display of `window` when it is an X11 one; nothing on other video drivers, or
// with an Xlib too old to let a program outlive its display.
void Sdl2WatchDisplayLoss(SDL_Window* window);
// Whether the display is gone, in which case the window can no longer show anything or take
// input: kDisplayJustLost the first time it is asked after the loss, when the program is to
// be handed a close, kDisplayGone after that.
// The same, asked from any thread and changing nothing.
bool Sdl2DisplayGone();
enum DisplayLoss { kDisplayThere, kDisplayJustLost, kDisplayGone };
DisplayLoss Sdl2DisplayLoss();
