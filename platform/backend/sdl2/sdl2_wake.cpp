// Signals must end a wait for SDL events, or an idle program would have to wake up now and
// then to notice them. A signal handler may only write to a pipe; SDL_PushEvent is safe from
// any thread and wakes SDL_WaitEvent, so a thread that blocks on the pipe passes each wake on.
// While nobody signals, the program sleeps in the X server's poll and takes no CPU at all.
#include "sdl2_wake.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <thread>

#include "backend/backend.h"
#include "sdl2_display_loss.h"

namespace {

std::atomic<int> gWakeWrite{-1};  // the pipe's write end; -1 while no window is open
int gWakeRead = -1;
std::thread gReader;
Uint32 gWakeEvent = 0;

void PassWakes(int readFd)
{
    // Signals are for the program's own thread, whose wait they end.
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, nullptr);
    char bytes[64];
    for (;;) {
        const ssize_t got = read(readFd, bytes, sizeof bytes);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return;  // the write end is closed: the window is going
        if (Sdl2DisplayGone())
            continue;  // a push would touch the dead display (sdl2_display_loss.cpp)
        SDL_Event e = {};
        e.type = gWakeEvent;
        SDL_PushEvent(&e);
    }
}

}  // namespace

bool Sdl2StartWake()
{
    if (!gWakeEvent)
        gWakeEvent = SDL_RegisterEvents(1);
    int ends[2];
    if (gWakeEvent == Uint32(-1) || pipe2(ends, O_CLOEXEC) != 0)
        return false;
    // A full pipe already holds a wake: the handler must never block on it.
    fcntl(ends[1], F_SETFL, O_NONBLOCK);
    gWakeRead = ends[0];
    gReader = std::thread(PassWakes, ends[0]);
    gWakeWrite = ends[1];
    return true;
}

void Sdl2StopWake()
{
    const int write = gWakeWrite.exchange(-1);
    if (write < 0)
        return;
    close(write);
    gReader.join();
    close(gWakeRead);
    gWakeRead = -1;
    // Wakes still queued belong to the window that is going.
    SDL_FlushEvent(gWakeEvent);
}

bool Sdl2IsWake(const SDL_Event& e)
{
    return gWakeEvent && e.type == gWakeEvent;
}

void BackendWake()
{
    const int saved = errno;  // a signal handler must leave errno as it found it
    if (const int fd = gWakeWrite.load(); fd >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = write(fd, &byte, 1);
    }
    errno = saved;
}
