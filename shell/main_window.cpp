// The main window: creation with the single-instance check, the message loop and the window
// procedure, which only routes. What each message does lives in main_input.cpp,
// main_commands.cpp and startup.cpp.
#include "main_window.h"

#include "auto_save.h"
#include "main_handlers.h"
#include "open_with.h"
#include "puzzle_clock.h"
#include "resource_ids.h"
#include "shell_state.h"
#include "startup.h"

namespace {

constexpr int kNameChars = 100;

// The main window's timers: the clock's second and the auto-save.
void OnTimer(HWND window, WPARAM timer)
{
    if (timer == kAutoSaveTimer)
        OnAutoSaveTimer(window);
    else
        OnClockTick(window, timer);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int showCommand)
{
    switch (HandFilesToRunningCopy(instance, commandLine)) {
    case kHandedOver: return 0;
    case kRefusedByRunningCopy:
    case kRunningCopySilent: return 1;
    case kNoRunningCopy: break;
    }
    if (!CreateMainWindow(instance, showCommand))
        return 0;
    OpenFilesOfCommandLine(gShell.mainWindow, commandLine);
    return RunMessageLoop(instance);
}

int RunMessageLoop(HINSTANCE instance)
{
    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDA_MAIN));
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
        if (!TranslateAcceleratorW(msg.hwnd, accelerators, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    DestroyAcceleratorTable(accelerators);
    return int(msg.wParam);
}

WORD RegisterMainClass(HINSTANCE instance, LPCWSTR className)
{
    WNDCLASSW wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    // Icon 101 is among the resources, but the device offers no call that loads an icon and
    // never draws a class icon, so the class goes without one.
    wc.hIcon = nullptr;
    wc.hCursor = nullptr;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = className;
    return RegisterClassW(&wc);
}

int CreateMainWindow(HINSTANCE instance, int showCommand)
{
    gShell.instance = instance;
    WCHAR className[kNameChars];
    WCHAR title[kNameChars];
    LoadStringW(instance, IDS_CLASS_NAME, className, kNameChars);
    LoadStringW(instance, IDS_TITLE, title, kNameChars);

    // By class alone: the title carries the time spent on the puzzle.
    if (HWND running = FindWindowW(className, nullptr)) {
        // The lowest bit asks the device to raise the running copy's pop-ups too.
        SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(running) | 1));
        return 0;
    }
    RegisterMainClass(instance, className);

    ResetSipInfo(&gShell.sipInfo);
    SHSipInfo(SPI_GETSIPINFO, 0, &gShell.sipInfo, 0);
    const RECT& desktop = gShell.sipInfo.rcVisibleDesktop;
    // With the input panel down the menu bar takes the bottom of the visible desktop.
    const int menuBarRoom = (gShell.sipInfo.fdwFlags & SIPF_ON) ? 0 : kMenuBarHeight;
    gShell.mainWindow = CreateWindowExW(
        0, className, title, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, desktop.right - desktop.left,
        desktop.bottom - desktop.top - menuBarRoom, nullptr, nullptr, instance, nullptr);
    if (!gShell.mainWindow)
        return 0;
    ShowWindow(gShell.mainWindow, showCommand);
    ShowWindow(gShell.menuBar, SW_SHOW);
    UpdateWindow(gShell.mainWindow);
    return 1;
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: return StartUp(hwnd);
    case WM_CLOSE: CloseAfterSaving(hwnd); return 0;
    case WM_DESTROY: ShutDown(hwnd); return 0;
    case WM_SIZE: OnSize(hwnd, wParam); return 0;
    case WM_ACTIVATE: OnActivate(hwnd, wParam); return 0;
    case WM_TIMER: OnTimer(hwnd, wParam); return 0;
    case WM_NCLBUTTONUP: TogglePause(hwnd); return 0;  // a tap on the title
    case WM_SETTINGCHANGE: OnSettingChange(hwnd, wParam); return 0;
    case WM_PAINT: OnPaint(hwnd); return 0;
    case WM_KEYDOWN: OnKeyDown(hwnd, int(wParam)); return 1;
    case WM_CHAR: OnChar(hwnd, WCHAR(wParam)); return 0;
    case WM_COMMAND: return OnCommand(hwnd, LOWORD(wParam), wParam, lParam);
    case WM_COPYDATA: return OnCopyData(hwnd, reinterpret_cast<COPYDATASTRUCT*>(lParam));
    case WM_LBUTTONDOWN: OnStylusDown(hwnd, lParam); return 1;
    case WM_MOUSEMOVE: OnStylusMove(hwnd, lParam); return 1;
    case WM_LBUTTONUP: OnStylusUp(hwnd, lParam); return 1;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
