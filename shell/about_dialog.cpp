// AboutDialogProc, PaintAboutFrame and the link areas of the About picture.
#include "about_dialog.h"

#include "dialog_ids.h"
#include "full_screen_dialog.h"
#include "shell_state.h"

namespace {

// The logo's pieces enter from the left edge, the top and the right edge and slide, a few
// pixels a frame, to where they rest.
constexpr AboutLogo kLogoStart = {{0, 102}, {102, 0}, {240, 102}};
constexpr int kLeftRestX = 22;
constexpr int kMiddleRestY = 72;
constexpr int kRightRestX = 192;
constexpr int kLeftStep = 2;
constexpr int kMiddleStep = 4;
constexpr int kRightStep = 3;

AboutLogo gLogo;  // where the pieces are in this frame

struct AboutLink {
    RECT area;          // dialog client coordinates, left and top inclusive
    LPCWSTR program;    // started with
    LPCWSTR arguments;  //
};
const AboutLink kLinks[] = {
    {{52, 221, 189, 229}, u"iexplore.exe", u"http://puzzles.example.com/"},
    {{65, 187, 178, 198}, u"PegHelp.exe", u"Quorvale.htm#contact_us"},
    {{44, 202, 196, 213}, u"PegHelp.exe", u"Quorvale.htm#trademarks_copyrights"},
};

int32_t gAboutAnimating;  // 1 while timer 101 drives the logo

// Draws bitmap `id` of the program at (x, y) through a memory DC.
void DrawPicture(HDC dc, int id, int x, int y)
{
    HBITMAP picture = LoadBitmapW(gShell.instance, MAKEINTRESOURCEW(id));
    if (!picture)
        return;
    BITMAP size = {};
    GetObjectW(picture, sizeof size, &size);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, picture);
    BitBlt(dc, x, y, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    DeleteObject(picture);
}

// The white page with its thin frame, drawn with the DC's default pen and brush.
void ClearPage(HDC dc)
{
    Rectangle(dc, 0, 0, 240, 320);
}

void DrawFinalScreen(HWND dialog)
{
    HDC dc = GetDC(dialog);
    ClearPage(dc);
    DrawPicture(dc, IDB_ABOUT, 0, 0);
    ReleaseDC(dialog, dc);
    // The picture covers the whole page; the OK button is drawn again on top of it.
    HWND ok = GetDlgItem(dialog, IDC_ABOUT_OK);
    InvalidateRect(ok, nullptr, TRUE);
    UpdateWindow(ok);
}

BOOL InitDialog(HWND dialog)
{
    LowerInputPanel();
    gLogo = kLogoStart;
    SetTimer(dialog, kAboutTimer, kAboutFrameMs, nullptr);
    gAboutAnimating = 1;
    EnterFullScreenDialog(dialog, kDialogWithoutMenuBar);
    return TRUE;
}

bool AllAtRest()
{
    return gLogo.left.x == kLeftRestX && gLogo.middle.y == kMiddleRestY &&
           gLogo.right.x == kRightRestX;
}

void OnTimer(HWND dialog)
{
    if (AllAtRest())
        SendMessageW(dialog, WM_LBUTTONUP, 0, 0);
    else
        PaintAboutFrame(dialog);
}

// A tap while the logo moves skips to the final screen; afterwards it follows the links.
void OnTap(HWND dialog, LPARAM lParam)
{
    if (gAboutAnimating) {
        KillTimer(dialog, kAboutTimer);
        gAboutAnimating = 0;
        DrawFinalScreen(dialog);
    } else {
        const POINT tap = {short(LOWORD(lParam)), short(HIWORD(lParam))};
        for (const AboutLink& link : kLinks)
            if (PtInRect(&link.area, tap))
                StartProgram(link.program, link.arguments);
    }
    UpdateWindow(dialog);
}

void OnActivate(HWND dialog)
{
    if (gAboutAnimating)
        return;
    SHFullScreen(dialog, SHFS_SHOWTASKBAR | SHFS_HIDESIPBUTTON);
    DrawFinalScreen(dialog);
}

void Close(HWND dialog)
{
    KillTimer(dialog, kAboutTimer);
    gAboutAnimating = 0;
    LeaveFullScreenDialog(dialog);
}

INT_PTR WhiteBrush()
{
    return INT_PTR(GetStockObject(WHITE_BRUSH));
}

}  // namespace

void PaintAboutFrame(HWND dialog)
{
    PAINTSTRUCT paint;
    BeginPaint(dialog, &paint);
    HDC dc = GetDC(dialog);
    ClearPage(dc);
    if (gLogo.left.x < kLeftRestX)
        gLogo.left.x += kLeftStep;
    DrawPicture(dc, IDB_LOGO_LEFT, gLogo.left.x, gLogo.left.y);
    if (gLogo.middle.y < kMiddleRestY)
        gLogo.middle.y += kMiddleStep;
    DrawPicture(dc, IDB_LOGO_MIDDLE, gLogo.middle.x, gLogo.middle.y);
    if (gLogo.right.x > kRightRestX)
        gLogo.right.x -= kRightStep;
    DrawPicture(dc, IDB_LOGO_RIGHT, gLogo.right.x, gLogo.right.y);
    ReleaseDC(dialog, dc);
    EndPaint(dialog, &paint);
    UpdateWindow(dialog);
}

// Controls: OK 1063 only; the picture, the logo and the links are painted and hit-tested
// here. The title-bar ok is 1.
AboutLogo AboutLogoNow()
{
    return gLogo;
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return InitDialog(dialog);
    case WM_TIMER: OnTimer(dialog); return FALSE;
    case WM_LBUTTONUP: OnTap(dialog, lParam); return FALSE;
    case WM_ACTIVATE: OnActivate(dialog); return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDC_ABOUT_OK)
            Close(dialog);
        return FALSE;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: return WhiteBrush();
    }
    return FALSE;
}
