// Helpers of the dialog tests: a clean device per test, an owner window that logs its
// activation, taps on controls by id, and the platform's counts of live windows and GDI
// objects (for leak checks).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "automation.h"
#include "gdi/gdi_internal.h"
#include "stand_in_window.h"
#include "user/window_internal.h"
#include "windows.h"

namespace dialog_test {

inline int WindowCount()
{
    return static_cast<int>(UserGlobals().windows.size());
}

// WM_ACTIVATE states the owner window received, in order.
inline std::vector<WORD>& OwnerActivations()
{
    static std::vector<WORD> log;
    return log;
}

inline LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_ACTIVATE) {
        OwnerActivations().push_back(LOWORD(wParam));
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// A visible top-level window at the top of the visible desktop, the owner of the dialogs.
inline HWND CreateOwner()
{
    HWND owner = CreateStandInWindow(u"DialogTestOwner", u"Owner", OwnerProc);
    OwnerActivations().clear();
    return owner;
}

inline POINT CentreOf(HWND hwnd)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

inline void TapItem(HWND dialog, int id)
{
    const POINT p = CentreOf(GetDlgItem(dialog, id));
    AutomationTap(p.x, p.y);
}

inline void TypeText(const std::u16string& text)
{
    for (char16_t c : text) {
        AutomationChar(c);
    }
}

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override { AutomationResetDevice(); }
    void TearDown() override { AutomationResetDevice(); }
};

}  // namespace dialog_test
