// Modal dialogs: DialogBoxIndirectParamW and its nested message loop, EndDialog. While a
// dialog runs, its owner's top-level window is disabled; when it ends the owner is enabled
// and becomes active again.
#include "automation.h"
#include "backend/backend.h"
#include "dialog_internal.h"
#include "user/user_internal.h"

bool AutomationScriptExhausted()
{
    return BackendCurrent()->scriptedInput && AutomationScriptLength() == 0;
}

INT_PTR RunModalDialog(HWND dialog, const std::string& loopName,
                       const std::function<bool(HWND)>& whenIdle)
{
    UserLoopName name(loopName);
    for (;;) {
        DialogInfo* info = DialogInfoOf(dialog);
        if (!info || info->ended) {
            break;
        }
        MSG msg;
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (whenIdle && whenIdle(dialog)) {
                continue;
            }
            if (!GetMessageW(&msg, nullptr, 0, 0)) {
                // WM_QUIT ends the dialog and goes on to the program's own loop.
                PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
        } else if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!IsDialogMessageW(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    DialogInfo* info = DialogInfoOf(dialog);
    if (!info) {
        return -1;  // destroyed from outside
    }
    const INT_PTR result = info->result;
    if (info->owner && info->ownerWasEnabled) {
        EnableWindow(info->owner, TRUE);
    }
    DestroyWindow(dialog);
    return result;
}

INT_PTR WINAPI DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialog, HWND owner,
                                       DLGPROC proc, LPARAM param)
{
    HWND hwnd = CreateDialogWindow(instance, dialog, owner, proc, param, true);
    if (!hwnd) {
        return -1;
    }
    std::string name = "modal loop of dialog '";
    for (LPCWSTR p = dialog->title; p && *p; ++p) {
        name += *p < 0x80 ? static_cast<char>(*p) : '?';
    }
    return RunModalDialog(hwnd, name + "'", nullptr);
}

INT_PTR WINAPI DialogBoxParamW(HINSTANCE instance, LPCWSTR name, HWND owner, DLGPROC proc,
                               LPARAM param)
{
    HRSRC found = FindResourceW(instance, name, RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const auto* dialog = loaded ? static_cast<LPCDLGTEMPLATEW>(LockResource(loaded)) : nullptr;
    if (!dialog) {
        return -1;
    }
    return DialogBoxIndirectParamW(instance, dialog, owner, proc, param);
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result)
{
    DialogInfo* info = DialogInfoOf(dialog);
    if (!info) {
        return FALSE;
    }
    info->result = result;
    if (info->ended) {
        return TRUE;
    }
    info->ended = true;
    if (info->owner && info->ownerWasEnabled) {
        EnableWindow(info->owner, TRUE);
    }
    // Hiding the dialog hands the activation back to its owner at once, as on the device.
    if (info->modal) {
        ShowWindow(dialog, SW_HIDE);
    }
    return TRUE;
}
