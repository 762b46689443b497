// A start of the SDL2 backend as a program makes it, for the tests of starts that follow one
// another on one display: chooses the backend, opens its window and closes it again. Exits 0
// when the window opened, 1 with the reason on stderr when it did not.
#include <cstdio>

#include "backend/backend.h"

int main()
{
    const Backend* backend = nullptr;
    int scale = 1;
    char why[256] = "";
    if (!BackendChoose(&backend, &scale, why, sizeof why)) {
        std::fprintf(stderr, "%s\n", why);
        return 1;
    }
    if (!backend->Init(240, 320, 1)) {
        std::fprintf(stderr, "the %s display could not be opened\n", backend->name);
        return 1;
    }
    backend->Quit();
    return 0;
}
