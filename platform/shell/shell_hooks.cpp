// Where the shell meets the window manager: the paint hook that draws the bars, the input
// panel and open pop-up menus over the windows, and the routing of stylus strokes that start
// on them. A stroke belongs to whatever it started on until the stylus lifts.
#include "gdi/gdi_internal.h"
#include "menus/popup_menu.h"
#include "shell/input_panel.h"
#include "shell/input_panel_layout.h"
#include "shell/menu_bar.h"
#include "shell/navigation_bar.h"
#include "shell/shell_records.h"
#include "user/user_internal.h"

namespace {

enum class StrokeOwner { Window, Navigation, Panel, MenuBar };

StrokeOwner gStroke = StrokeOwner::Window;
bool gHooksInstalled = false;  // cleared by a device reset, which also drops the paint hook
HWND gBarsDrawnFor = nullptr;  // the front window the bars were last drawn for

void PaintShell()
{
    // The bars belong to the front window: when another one comes to the front (a dialog
    // ends, another opens) they must reach the screen whole, also where no window beneath was
    // repainted, or the ended dialog's title and buttons would stay there.
    if (HWND front = UserFrontWindow(); front != gBarsDrawnFor) {
        gBarsDrawnFor = front;
        ShellInvalidateBars();
    }
    RECT screen = {0, 0, kScreenWidth, kScreenHeight};
    HDC dc = GdiCreateSurfaceDC(UserScreen(), {0, 0}, &screen, 1);
    PaintNavigationBar(dc);
    if (MenuBarStripShown()) {
        PaintMenuBarStrip(dc);
    }
    if (Shell().sipUp) {
        PaintInputPanel(dc);
    }
    PaintPopupMenus(dc);
    GdiDeleteSurfaceDC(dc);
}

StrokeOwner OwnerAt(POINT p)
{
    if (p.y < kNavigationBarRect.bottom) {
        return StrokeOwner::Navigation;
    }
    if (Shell().sipUp && PtInRect(&kInputPanelRect, p)) {
        return StrokeOwner::Panel;
    }
    if (p.y >= kMenuBarRect.top && MenuBarStripShown()) {
        return StrokeOwner::MenuBar;
    }
    return StrokeOwner::Window;
}

// Called for each stylus message before it is routed to a window (`p`: device pixels). True
// when the shell took it: the window manager then posts nothing.
bool FilterStylus(UINT message, POINT p)
{
    if (!gHooksInstalled) {
        return false;  // no program has used the shell: the screen is the windows' alone
    }
    if (PopupMenuStylus(message, p)) {
        return true;
    }
    if (message == WM_LBUTTONDOWN) {
        gStroke = OwnerAt(p);
    }
    const StrokeOwner owner = gStroke;
    if (message == WM_LBUTTONUP) {
        gStroke = StrokeOwner::Window;
    }
    switch (owner) {
    case StrokeOwner::Window: return false;
    case StrokeOwner::Navigation: return NavigationBarStylus(message, p);
    case StrokeOwner::Panel: InputPanelStylus(message, p); return true;
    case StrokeOwner::MenuBar: MenuBarStylus(message, p); return true;
    }
    return false;
}

// The navigation bar shows the active window's title: a new one is drawn with the next
// present (a clock in the title changes it every second).
void ShowNewCaption(HWND window)
{
    if (gHooksInstalled && window == UserFrontWindow()) {
        UserMarkScreenDirty({0, 0, kScreenWidth, kNavigationBarHeight});
    }
}

// After a device reset (tests): forget the panel, the window records and the stroke; the
// hooks go in again with the next use of the shell.
void ResetShell()
{
    Shell() = ShellState{};
    InputPanelReset();
    gStroke = StrokeOwner::Window;
    gBarsDrawnFor = nullptr;
    gHooksInstalled = false;
}

}  // namespace

void ShellEnsureHooks()
{
    if (!gHooksInstalled) {
        gHooksInstalled = true;
        UserSetAfterPaintHook(PaintShell);
        UserSetStylusFilter(FilterStylus);
        UserSetResetHook(ResetShell);
        UserSetCaptionHook(ShowNewCaption);
        ShellInvalidateBars();
    }
}
