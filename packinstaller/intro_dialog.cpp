// The intro dialog's animation, its final screen and what its buttons and help areas do.
#include "intro_dialog.h"

#include "aygshell.h"
#include "install_pack.h"
#include "installer_ids.h"
#include "installer_state.h"
#include "preview_list.h"

const HelpArea kHelpAreas[2] = {
    {{65, 187, 178, 198}, u"Tinsmere.htm#contact_us"},
    {{44, 202, 196, 213}, u"Tinsmere.htm#trademarks_copyrights"},
};

namespace {

constexpr UINT kFrameMs = 25;
// Where the pieces come to rest, and how far each moves in a frame: the left one rightwards,
// the middle one down its column, the right one leftwards. The animation ends when all
// three are at rest.
constexpr int kLeftRest = 22;
constexpr int kMiddleRest = 72;
constexpr int kRightRest = 192;
constexpr int kMiddleColumn = 102;
constexpr int kLeftStep = 2;
constexpr int kMiddleStep = 4;
constexpr int kRightStep = 3;

void DrawBitmap(HDC dc, HDC memory, int id, int x, int y)
{
    HBITMAP bitmap = LoadBitmapW(gInstaller.instance, MAKEINTRESOURCEW(id));
    if (!bitmap)
        return;
    BITMAP size = {};
    GetObjectW(bitmap, sizeof size, &size);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(dc, x, y, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
}

// The pictures cover the whole dialog; the buttons and status fields keep their own faces.
void ExcludeControls(HWND dialog, HDC dc)
{
    const int controls[] = {IDC_INTRO_OK, IDC_PREVIEW, IDC_INSTALL, IDC_STATUS, IDC_FILE_NAME};
    for (int id : controls) {
        HWND control = GetDlgItem(dialog, id);
        RECT r;
        if (!control || !GetWindowRect(control, &r))
            continue;
        POINT topLeft = {r.left, r.top};
        POINT bottomRight = {r.right, r.bottom};
        ScreenToClient(dialog, &topLeft);
        ScreenToClient(dialog, &bottomRight);
        ExcludeClipRect(dc, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    }
}

void LowerInputPanel()
{
    SHSipInfo(SPI_GETSIPINFO, 0, &gInstaller.sipInfo, 0);
    if (gInstaller.sipInfo.fdwFlags & SIPF_ON) {
        gInstaller.sipInfo.fdwFlags &= ~DWORD(SIPF_ON);
        SHSipInfo(SPI_SETSIPINFO, 0, &gInstaller.sipInfo, 0);
    }
}

void InitIntro(HWND dialog)
{
    LowerInputPanel();
    SetTimer(dialog, IDT_ANIMATION, kFrameMs, nullptr);
    gInstaller.animating = 1;
    SHINITDLGINFO init = {SHIDIM_FLAGS, dialog,
                          SHIDIF_DONEBUTTON | SHIDIF_SIPDOWN | SHIDIF_FULLSCREENNOMENUBAR};
    SHInitDialog(&init);
    SetForegroundWindow(dialog);
    SHFullScreen(dialog, SHFS_SHOWTASKBAR | SHFS_HIDESIPBUTTON);
}

void OnAnimationTick(HWND dialog)
{
    if (gInstaller.leftPiece.x == kLeftRest && gInstaller.middlePiece.y == kMiddleRest &&
        gInstaller.rightPiece.x == kRightRest)
        SendMessageW(dialog, WM_LBUTTONUP, 0, 0);
    else
        PaintIntroFrame(dialog);
}

void StartHelp(const WCHAR* page)
{
    WCHAR commandLine[MAX_PATH];
    lstrcpynW(commandLine, page, MAX_PATH);
    PROCESS_INFORMATION process = {};
    CreateProcessW(u"PegHelp.exe", commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                   nullptr, &process);
}

// A tap during the animation skips it; afterwards a tap may open the help page.
void OnTap(HWND dialog, LPARAM lParam)
{
    if (gInstaller.animating) {
        KillTimer(dialog, IDT_ANIMATION);
        gInstaller.animating = 0;
        PaintIntroScreen(dialog);
        return;
    }
    const POINT tap = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    for (const HelpArea& help : kHelpAreas)
        if (PtInRect(&help.area, tap))
            StartHelp(help.page);
}

void OnActivate(HWND dialog)
{
    if (gInstaller.animating)
        return;
    SHFullScreen(dialog, SHFS_SHOWTASKBAR | SHFS_HIDESIPBUTTON);
    PaintIntroScreen(dialog);
}

// Once the animation is over the splash is the dialog's face, also where a dialog that
// closed over it leaves a region to repaint.
INT_PTR OnPaint(HWND dialog)
{
    if (gInstaller.animating)
        return FALSE;
    PAINTSTRUCT ps;
    BeginPaint(dialog, &ps);
    EndPaint(dialog, &ps);
    PaintIntroScreen(dialog);
    return TRUE;
}

HBRUSH WhiteBrush()
{
    static HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    return white;
}

void CloseIntro(HWND dialog)
{
    KillTimer(dialog, IDT_ANIMATION);
    SHFullScreen(dialog, SHFS_SHOWTASKBAR | SHFS_SHOWSIPBUTTON | SHFS_SHOWSTARTICON);
    EndDialog(dialog, IDOK);
}

void ShowPreview(HWND dialog)
{
    DialogBoxParamW(gInstaller.instance, MAKEINTRESOURCEW(IDD_PREVIEW), dialog, PreviewDialogProc,
                    0);
}

INT_PTR OnIntroCommand(HWND dialog, int id)
{
    switch (id) {
    case IDOK:
    case IDC_INTRO_OK: CloseIntro(dialog); return TRUE;
    case IDC_PREVIEW: ShowPreview(dialog); return TRUE;
    case IDC_INSTALL: InstallPack(dialog); return TRUE;
    }
    return FALSE;
}

}  // namespace

void PaintIntroFrame(HWND dialog)
{
    HDC dc = GetDC(dialog);
    HDC memory = CreateCompatibleDC(dc);
    ExcludeControls(dialog, dc);
    Rectangle(dc, 0, 0, 240, 320);

    POINT& left = gInstaller.leftPiece;
    POINT& middle = gInstaller.middlePiece;
    POINT& right = gInstaller.rightPiece;
    if (left.x + kLeftStep <= kLeftRest)
        left.x += kLeftStep;
    if (middle.y + kMiddleStep <= kMiddleRest)
        middle.y += kMiddleStep;
    middle.x = kMiddleColumn;
    if (right.x - kRightStep >= kRightRest)
        right.x -= kRightStep;
    DrawBitmap(dc, memory, IDB_PIECE_LEFT, left.x, left.y);
    DrawBitmap(dc, memory, IDB_PIECE_MIDDLE, middle.x, middle.y);
    DrawBitmap(dc, memory, IDB_PIECE_RIGHT, right.x, right.y);

    DeleteDC(memory);
    ReleaseDC(dialog, dc);
    UpdateWindow(dialog);
}

void PaintIntroScreen(HWND dialog)
{
    HDC dc = GetDC(dialog);
    HDC memory = CreateCompatibleDC(dc);
    ExcludeControls(dialog, dc);
    Rectangle(dc, 0, 0, 240, 320);
    DrawBitmap(dc, memory, IDB_SPLASH, 0, 0);
    SetBkMode(dc, TRANSPARENT);
    RECT line = {10, 85, 230, 115};
    DrawTextW(dc, u"Each bundle contains a month's worth of puzzles (31)", -1, &line,
              DT_CENTER | DT_WORDBREAK);
    DeleteDC(memory);
    ReleaseDC(dialog, dc);
}

INT_PTR CALLBACK IntroDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: InitIntro(dialog); return TRUE;
    case WM_TIMER: OnAnimationTick(dialog); return TRUE;
    case WM_LBUTTONUP: OnTap(dialog, lParam); return TRUE;
    case WM_ACTIVATE: OnActivate(dialog); return FALSE;
    case WM_PAINT: return OnPaint(dialog);
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: return reinterpret_cast<INT_PTR>(WhiteBrush());
    case WM_COMMAND: return OnIntroCommand(dialog, LOWORD(wParam));
    }
    return FALSE;
}
