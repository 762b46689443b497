// Start-up with the single-instance check, and the main window's procedure.
#include "installer_window.h"

#include "aygshell.h"
#include "installer_ids.h"
#include "installer_state.h"
#include "intro_dialog.h"
#include "whole_file.h"

namespace {

constexpr int kNameChars = 100;
constexpr int kMenuBarHeight = 26;

void RegisterInstallerClass(HINSTANCE instance, const WCHAR* className)
{
    WNDCLASSW wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = InstallerWindowProc;
    wc.hInstance = instance;
    // Icon 101 is among the resources; the device draws no class icon, so none is loaded.
    wc.hIcon = nullptr;
    wc.hCursor = nullptr;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = className;
    RegisterClassW(&wc);
}

LRESULT OnCreate(HWND hwnd)
{
    SHMENUBARINFO bar = {};
    bar.cbSize = sizeof bar;
    bar.hwndParent = hwnd;
    bar.hInstRes = gInstaller.instance;
    SHCreateMenuBar(&bar);
    gInstaller.menuBar = bar.hwndMB;
    gInstaller.animating = 1;
    ResetPieces();
    ResetSipInfo();
    return 0;
}

void OnDestroy()
{
    DestroyWindow(gInstaller.menuBar);
    gInstaller.menuBar = nullptr;
    PostQuitMessage(0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand)
{
    InitInstance(instance, showCommand);
    return 0;
}

int InitInstance(HINSTANCE instance, int)
{
    gInstaller.instance = instance;
    WCHAR className[kNameChars];
    WCHAR title[kNameChars];
    LoadStringW(instance, IDS_CLASS_NAME, className, kNameChars);
    LoadStringW(instance, IDS_TITLE, title, kNameChars);
    if (HWND running = FindWindowW(className, title)) {
        // The lowest bit asks the device to raise the running copy's dialogs with it.
        SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(running) | 1));
        return 0;
    }
    RegisterInstallerClass(instance, className);
    // A preview cut short by a death left its files in "\\Temp"; one written to in the last
    // seconds may belong to another build's preview still at work.
    constexpr int kIdleWriterSeconds = 5;
    RemoveLeftTemporaryFiles(u"\\Temp\\", kIdleWriterSeconds);

    ResetSipInfo();
    SHSipInfo(SPI_GETSIPINFO, 0, &gInstaller.sipInfo, 0);
    const RECT& desktop = gInstaller.sipInfo.rcVisibleDesktop;
    const int menuBarRoom = (gInstaller.sipInfo.fdwFlags & SIPF_ON) ? 0 : kMenuBarHeight;
    gInstaller.mainWindow = CreateWindowExW(
        0, className, title, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, desktop.right - desktop.left,
        desktop.bottom - desktop.top - menuBarRoom, nullptr, nullptr, instance, nullptr);
    if (gInstaller.mainWindow) {
        ResetPieces();
        DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_INTRO), gInstaller.mainWindow,
                        IntroDialogProc, 0);
    }
    return 0;
}

LRESULT CALLBACK InstallerWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: return OnCreate(hwnd);
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED)
            SendMessageW(hwnd, WM_CLOSE, 0, 0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
