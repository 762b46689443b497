// The platform demo: one window that draws with every GDI primitive, a menu bar with a
// drop-down, a tap-and-hold menu and the input panel. Not a game: the first program to run
// to see the device work (see README, "For developers").
#include <string>

#include "demo_resources.h"
#include "device_main.h"
#include "windows.h"

namespace {

struct DemoState {
    HINSTANCE instance;
    HWND window;
    HWND menuBar;
    COLORREF accent;       // chosen from the menus
    bool outlines;         // "Outlines" check mark
    std::u16string typed;  // characters typed on the input panel or keyboard
};

DemoState gDemo = {nullptr, nullptr, nullptr, RGB(200, 40, 40), true, u"Type here: "};

HFONT MakeFont(LPCWSTR face, int height, int weight)
{
    LOGFONTW lf = {};
    lf.lfHeight = -height;
    lf.lfWeight = weight;
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectW(&lf);
}

// Shapes in the top half: rectangle, rounded rectangle, ellipse, polyline, lines, pixels,
// pattern fill and a copy of a memory bitmap.
void PaintShapes(HDC dc)
{
    HBRUSH accent = CreateSolidBrush(gDemo.accent);
    HPEN pen = CreatePen(PS_SOLID, gDemo.outlines ? 2 : 0, RGB(0, 0, 0));
    HGDIOBJ oldPen = SelectObject(dc, gDemo.outlines ? pen : GetStockObject(NULL_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, accent);
    Rectangle(dc, 8, 8, 58, 48);
    RoundRect(dc, 66, 8, 116, 48, 12, 12);
    Ellipse(dc, 124, 8, 174, 48);
    SelectObject(dc, GetStockObject(LTGRAY_BRUSH));
    PatBlt(dc, 182, 8, 50, 40, PATCOPY);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);

    const POINT zigzag[] = {{8, 80}, {28, 56}, {48, 80}, {68, 56}, {88, 80}, {108, 56}};
    HPEN blue = CreatePen(PS_SOLID, 1, RGB(0, 0, 200));
    oldPen = SelectObject(dc, blue);
    Polyline(dc, zigzag, 6);
    for (int i = 0; i < 5; ++i) {
        MoveToEx(dc, 120, 56 + i * 6, nullptr);
        LineTo(dc, 170, 56 + i * 6 + 4);
    }
    SelectObject(dc, oldPen);
    for (int i = 0; i < 25; ++i) {
        SetPixel(dc, 178 + (i % 5) * 3, 58 + (i / 5) * 4, gDemo.accent);
    }

    // A memory bitmap drawn off screen, then copied with BitBlt.
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 24, 24);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    RECT all = {0, 0, 24, 24};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FrameRect(memory, &all, accent);
    Ellipse(memory, 6, 6, 18, 18);
    BitBlt(dc, 206, 56, 24, 24, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);

    DeleteObject(blue);
    DeleteObject(pen);
    DeleteObject(accent);
}

// Text below the shapes: fonts, DrawTextW layouts and the typed characters.
void PaintText(HDC dc, const RECT& client)
{
    HFONT bold = MakeFont(u"Arial", 14, FW_BOLD);
    HFONT normal = MakeFont(u"MS Sans Serif", 11, FW_NORMAL);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, bold);
    SetTextColor(dc, gDemo.accent);
    RECT title = {0, 86, client.right, 104};
    DrawTextW(dc, u"Platform &demo", -1, &title, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    SelectObject(dc, normal);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT body = {8, 104, client.right - 8, 160};
    DrawTextW(dc,
              u"Tap and hold for a menu. The first button below opens a drop-down, the "
              u"keyboard button the input panel.",
              -1, &body, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    TextOutW(dc, 8, 164, gDemo.typed.c_str(), static_cast<int>(gDemo.typed.size()));
    SelectObject(dc, oldFont);
    DeleteObject(normal);
    DeleteObject(bold);
}

void OnPaint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    PaintShapes(dc);
    PaintText(dc, client);
    EndPaint(hwnd, &ps);
}

int OnCreate(HWND hwnd)
{
    SHMENUBARINFO mb = {};
    mb.cbSize = sizeof(mb);
    mb.hwndParent = hwnd;
    mb.nToolBarId = IDT_DEMO_TOOLBAR;
    mb.hInstRes = gDemo.instance;
    mb.nBmpId = IDB_DEMO_PICTURES;
    mb.cBmpImages = 3;
    if (!SHCreateMenuBar(&mb)) {
        return -1;
    }
    gDemo.menuBar = mb.hwndMB;
    return 0;
}

// A tap-and-hold opens the hold menu where the stylus is; its choice comes as WM_COMMAND.
void OnStylusDown(HWND hwnd, LPARAM lParam)
{
    SHRGINFO rg = {};
    rg.cbSize = sizeof(rg);
    rg.hwndClient = hwnd;
    rg.ptDown = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    rg.dwFlags = SHRG_RETURNCMD;
    if (SHRecognizeGesture(&rg) != GN_CONTEXTMENU) {
        return;
    }
    HMENU menu = LoadMenuW(gDemo.instance, MAKEINTRESOURCEW(IDM_DEMO_HOLD_MENU));
    POINT at = rg.ptDown;
    ClientToScreen(hwnd, &at);
    TrackPopupMenuEx(GetSubMenu(menu, 0), TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, hwnd, nullptr);
    DestroyMenu(menu);
}

void OnChar(HWND hwnd, WPARAM ch)
{
    if (ch == 8) {
        if (gDemo.typed.size() > 11) {
            gDemo.typed.pop_back();
        }
    } else if (ch >= 32) {
        gDemo.typed += static_cast<char16_t>(ch);
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT OnCommand(HWND hwnd, UINT id)
{
    switch (id) {
    case IDC_DEMO_MENU: {
        HMENU menu = reinterpret_cast<HMENU>(
            SendMessageW(gDemo.menuBar, SHCMBM_GETSUBMENU, 0, IDC_DEMO_MENU));
        CheckMenuItem(menu, IDC_DEMO_OUTLINE, MF_BYCOMMAND | (gDemo.outlines ? MF_CHECKED : 0));
        return 0;
    }
    case IDC_DEMO_OUTLINE: gDemo.outlines = !gDemo.outlines; break;
    case IDC_DEMO_RED: gDemo.accent = RGB(200, 40, 40); break;
    case IDC_DEMO_GREEN: gDemo.accent = RGB(30, 150, 60); break;
    case IDC_DEMO_BLUE: gDemo.accent = RGB(40, 70, 200); break;
    case IDC_DEMO_CLEAR: gDemo.typed = u"Type here: "; break;
    case IDC_DEMO_ABOUT:
        MessageBoxW(hwnd, u"The handheld platform, drawn by our own GDI.", u"Platform Demo",
                    MB_OK | MB_ICONINFORMATION);
        return 0;
    case IDC_DEMO_EXIT: SendMessageW(hwnd, WM_CLOSE, 0, 0); return 0;
    default: return 0;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

LRESULT CALLBACK DemoWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: return OnCreate(hwnd);
    case WM_PAINT: OnPaint(hwnd); return 0;
    case WM_LBUTTONDOWN: OnStylusDown(hwnd, lParam); return 0;
    case WM_CHAR: OnChar(hwnd, wParam); return 0;
    case WM_COMMAND: return OnCommand(hwnd, LOWORD(wParam));
    case WM_SETTINGCHANGE: SHHandleWMSettingChange(hwnd, wParam, lParam, nullptr); return 0;
    case WM_DESTROY:
        DestroyWindow(gDemo.menuBar);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

int WINAPI DemoWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show)
{
    gDemo.instance = instance;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DemoWindowProc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = u"PlatformDemo";
    RegisterClassW(&wc);
    gDemo.window = CreateWindowExW(0, u"PlatformDemo", u"Platform Demo", WS_VISIBLE, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                   instance, nullptr);
    if (!gDemo.window) {
        return 0;
    }
    ShowWindow(gDemo.window, show);
    UpdateWindow(gDemo.window);
    // The input panel starts up so that all three parts of the shell are on screen.
    SHSipPreference(gDemo.window, SIP_UP);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

const DeviceProgram kDemoProgram = {u"\\Program Files\\Platform Demo\\PlatformDemo.exe",
                                    DemoWinMain, RegisterDemoResources};

}  // namespace

int main(int argc, char** argv)
{
    return DeviceMain(argc, argv, kDemoProgram);
}
