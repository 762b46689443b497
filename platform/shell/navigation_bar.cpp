// The navigation bar: dark blue with a lighter band, drawn after every paint so that no
// window covers it.
#include "shell/navigation_bar.h"

#include "shell/shell_paint.h"
#include "shell/shell_records.h"
#include "user/user_internal.h"

namespace {

constexpr RECT kStartRect = {4, 5, 20, 21};
constexpr int kTitleLeft = 26;

const ShellWindowInfo* InfoOf(HWND window)
{
    auto it = Shell().windows.find(window);
    return it == Shell().windows.end() ? nullptr : &it->second;
}

bool ShowsOkButton(HWND active)
{
    const ShellWindowInfo* info = InfoOf(active);
    return info && info->doneButton;
}

// The white disc both buttons of the bar stand on.
void PaintWhiteDisc(HDC dc, const RECT& r)
{
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(WHITE_PEN));
    Ellipse(dc, r.left, r.top, r.right, r.bottom);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

// A white disc with a blue arrow pointing right: where programs would be started.
void PaintStartSymbol(HDC dc)
{
    PaintWhiteDisc(dc, kStartRect);
    // The arrow: vertical lines shrinking to a point.
    for (int i = 0; i < 5; ++i) {
        ShellLine(dc, 10 + i, 9 + i, 10 + i, 17 - i, kNavigationBlue);
    }
}

void PaintOkButton(HDC dc)
{
    PaintWhiteDisc(dc, kOkButtonRect);
    HFONT font = CreateShellFont(11, true);
    ShellLabel(dc, u"ok", kOkButtonRect, kNavigationBlue, font,
               DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    DeleteObject(font);
}

}  // namespace

void PaintNavigationBar(HDC dc)
{
    HWND active = UserFrontWindow();
    const ShellWindowInfo* info = InfoOf(active);
    const DWORD fullScreen = info ? info->fullScreen : 0;
    if (fullScreen & SHFS_HIDETASKBAR) {
        return;
    }
    ShellFill(dc, kNavigationBarRect, kNavigationBlue);
    ShellFill(dc, {0, 2, kNavigationBarRect.right, 11}, kNavigationBand);
    if (!(fullScreen & SHFS_HIDESTARTICON)) {
        PaintStartSymbol(dc);
    }
    const bool ok = ShowsOkButton(active);
    if (active) {
        WCHAR title[128] = {};
        GetWindowTextW(active, title, 128);
        HFONT font = CreateShellFont(12, true);
        RECT r = {kTitleLeft, 0, ok ? kOkButtonRect.left - 4 : kNavigationBarRect.right - 4,
                  kNavigationBarRect.bottom};
        ShellLabel(dc, title, r, RGB(255, 255, 255), font,
                   DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        DeleteObject(font);
    }
    if (ok) {
        PaintOkButton(dc);
    }
}

bool NavigationBarStylus(UINT message, POINT p)
{
    HWND active = UserFrontWindow();
    const ShellWindowInfo* info = InfoOf(active);
    if (info && (info->fullScreen & SHFS_HIDETASKBAR)) {
        return false;  // the window has the top of the screen to itself
    }
    // The window whose title the stylus went down on: only a stroke that starts and ends on
    // one window's title is a click on it (the lift after "ok" closed a dialog is not).
    static HWND titleDown = nullptr;
    const bool onOk = ShowsOkButton(active) && PtInRect(&kOkButtonRect, p);
    const bool onTitle = active && p.x >= kTitleLeft && !onOk;
    if (message == WM_LBUTTONDOWN) {
        titleDown = onTitle ? active : nullptr;
        if (onOk) {
            PostMessageW(active, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
        }
    } else if (message == WM_LBUTTONUP) {
        if (onTitle && titleDown == active) {
            // The title is the active window's caption: a tap there is a click on it, in
            // screen coordinates as Windows gives non-client clicks.
            PostMessageW(active, WM_NCLBUTTONUP, HTCAPTION, MAKELPARAM(p.x, p.y));
        }
        titleDown = nullptr;
    }
    return true;
}
