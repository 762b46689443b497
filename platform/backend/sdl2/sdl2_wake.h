// The SDL2 backend's wake-up: BackendWake (backend.h) ends a wait for SDL events from a signal
// handler, through a pipe whose reader thread pushes one SDL event per wake.
#pragma once

#include <SDL.h>

// Starts the reader while the backend's window is open; false when no pipe or thread can be
// had (waits then end only by input or deadline).
bool Sdl2StartWake();
void Sdl2StopWake();
// The event a wake pushed: WaitInput ends as at its deadline.
bool Sdl2IsWake(const SDL_Event& e);
