// The dialog scenarios' probes.
#include "game_dialog_fixture.h"

#include "automation.h"
#include "game_process.h"

HWND GameDialogTest::OpenModeless(int templateId, DLGPROC proc)
{
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    EXPECT_NE(found, nullptr);
    if (!found)
        return nullptr;
    const auto* page = static_cast<LPCDLGTEMPLATEW>(LockResource(LoadResource(instance, found)));
    HWND dialog = CreateDialogIndirectParamW(instance, page, window, proc, 0);
    ShowWindow(dialog, SW_SHOW);
    return dialog;
}

RECT GameDialogTest::ControlOnScreen(int templateId, DLGPROC proc, int id)
{
    HWND dialog = OpenModeless(templateId, proc);
    RECT r = {};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    DestroyWindow(dialog);
    Idle();
    return r;
}

POINT GameDialogTest::ClientPointOnScreen(int templateId, DLGPROC proc, int x, int y)
{
    HWND dialog = OpenModeless(templateId, proc);
    POINT p = {x, y};
    ClientToScreen(dialog, &p);
    DestroyWindow(dialog);
    Idle();
    return p;
}

void GameDialogTest::TapOnScreen(const RECT& r)
{
    AutomationTap((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void GameDialogTest::TapNavigationOk()
{
    AutomationTap(222, 13);
}

void GameDialogTest::Restart()
{
    if (window && IsWindow(window))
        DestroyWindow(window);
    window = nullptr;
    instance = FreshGameProcess();
    Start();
}
