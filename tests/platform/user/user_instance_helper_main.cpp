// A second copy for the single-instance tests: opens a window with the title given on the
// command line, says "ready", and pumps its messages (real time, at most ten seconds) until
// another process asks it to come forward ("raised") or sends it WM_COPYDATA ("copydata",
// dwData and the bytes as text, answered with the byte count plus 1000); then it exits 0.
// With "--find CLASS [TITLE]" it only looks the window up and says "found" and its title, or
// "missing".
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

std::u16string Wide(const char* s)
{
    const std::string narrow = s;
    return std::u16string(narrow.begin(), narrow.end());
}

int Find(const char* className, const char* title)
{
    HWND found = FindWindowW(Wide(className).c_str(), title ? Wide(title).c_str() : nullptr);
    WCHAR text[64] = {};
    GetWindowTextW(found, text, 64);
    const std::u16string wide = text;
    std::printf("%s %s\n", found ? "found" : "missing",
                std::string(wide.begin(), wide.end()).c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    if (std::string(argv[1]) == "--find")
        return argc < 3 ? 2 : Find(argv[2], argc > 3 ? argv[3] : nullptr);
    const std::u16string title = Wide(argv[1]);
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
