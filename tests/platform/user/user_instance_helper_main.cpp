// A second copy for the single-instance tests: opens a window with the title given on the
// command line, says "ready", and pumps its messages (real time, at most ten seconds) until
// another process asks it to come forward ("raised") or sends it WM_COPYDATA ("copydata",
// dwData and the bytes as text, answered with the byte count plus 1000); then it exits 0.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "automation.h"
#include "windows.h"

namespace {

bool gCopied = false;

LRESULT CALLBACK HelperProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_COPYDATA)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    std::printf("copydata %lu %.*s\n", static_cast<unsigned long>(data->dwData), int(data->cbData),
                static_cast<const char*>(data->lpData));
    std::fflush(stdout);
    gCopied = true;
    return LRESULT(data->cbData) + 1000;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const std::string title8 = argv[1];
    const std::u16string title(title8.begin(), title8.end());
    WNDCLASSW wc = {};
    wc.lpfnWndProc = HelperProc;
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
        if (gCopied)
            return 0;
        usleep(5000);
    }
    return 4;
}
