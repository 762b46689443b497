// A second copy for the single-instance test: opens a window with the title given on the
// command line, says "ready", and waits (real time, at most ten seconds) until another
// process asks it to come forward; then says "raised" and exits 0.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "automation.h"
#include "windows.h"

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const std::string title8 = argv[1];
    const std::u16string title(title8.begin(), title8.end());
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = u"InstanceTest";
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(0, u"InstanceTest", title.c_str(), 0, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    if (!hwnd)
        return 3;
    std::printf("ready\n");
    std::fflush(stdout);
    for (int i = 0; i < 2000; ++i) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        if (AutomationRaiseRequests() > 0) {
            std::printf("raised\n");
            std::fflush(stdout);
            return 0;
        }
        usleep(5000);
    }
    return 4;
}
