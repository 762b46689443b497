// Windows, messages, the message loop, menus, accelerators, dialogs and message boxes.
#pragma once

#include "windef.h"

// ---- Message boxes --------------------------------------------------------------------------

#define MB_OK               0x00000000L
#define MB_OKCANCEL         0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL      0x00000003L
#define MB_YESNO            0x00000004L
#define MB_RETRYCANCEL      0x00000005L
#define MB_ICONHAND         0x00000010L
#define MB_ICONQUESTION     0x00000020L
#define MB_ICONEXCLAMATION  0x00000030L
#define MB_ICONASTERISK     0x00000040L
#define MB_ICONERROR        MB_ICONHAND
#define MB_ICONWARNING      MB_ICONEXCLAMATION
#define MB_ICONINFORMATION  MB_ICONASTERISK
#define MB_DEFBUTTON1       0x00000000L
#define MB_DEFBUTTON2       0x00000100L
#define MB_DEFBUTTON3       0x00000200L
#define MB_DEFMASK          0x00000F00L
#define MB_APPLMODAL        0x00000000L
#define MB_SETFOREGROUND    0x00010000L
#define MB_TOPMOST          0x00040000L
#define MB_TYPEMASK         0x0000000FL
#define MB_ICONMASK         0x000000F0L

#define IDOK     1
#define IDCANCEL 2
#define IDABORT  3
#define IDRETRY  4
#define IDIGNORE 5
#define IDYES    6
#define IDNO     7

int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

// ---- Window classes and windows -----------------------------------------------------------

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef void(CALLBACK* TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);

typedef struct tagWNDCLASSW {
    UINT style;             // CS_* flags
    WNDPROC lpfnWndProc;    // procedure of every window of the class
    int cbClsExtra;         // accepted, not used: no program reads class extra bytes
    int cbWndExtra;         // extra bytes per window, read with GetWindowLongW(index >= 0)
    HINSTANCE hInstance;    // program that registered the class
    HICON hIcon;            // class icon (kept, never drawn)
    HCURSOR hCursor;        // the device has no cursor
    HBRUSH hbrBackground;   // brush DefWindowProcW erases with, or nullptr
    LPCWSTR lpszMenuName;   // unused on the device
    LPCWSTR lpszClassName;  // case-insensitive name
} WNDCLASSW, *LPWNDCLASSW;
typedef WNDCLASSW WNDCLASS;

typedef struct tagCREATESTRUCTW {
    LPVOID lpCreateParams;  // last argument of CreateWindowExW
    HINSTANCE hInstance;
    HMENU hMenu;  // the child id for WS_CHILD windows
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCWSTR lpszName;
    LPCWSTR lpszClass;
    DWORD dwExStyle;
} CREATESTRUCTW, *LPCREATESTRUCTW;

typedef struct tagMSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;  // GetTickCount when the message was queued
    POINT pt;    // stylus position (screen) when it was queued
} MSG, *LPMSG;

// WM_COPYDATA's lParam: bytes handed to a window, possibly of another running program. The
// receiver may read them only while it handles the message.
typedef struct tagCOPYDATASTRUCT {
    ULONG_PTR dwData;  // what the bytes are, as the two programs agree
    DWORD cbData;      // how many
    LPVOID lpData;     // the bytes
} COPYDATASTRUCT, *PCOPYDATASTRUCT;

typedef struct tagPAINTSTRUCT {
    HDC hdc;
    BOOL fErase;   // TRUE when WM_ERASEBKGND was not handled (the background still needs erasing)
    RECT rcPaint;  // bounding box of the update region, client coordinates
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
} PAINTSTRUCT, *LPPAINTSTRUCT;

typedef struct tagWINDOWPOS {
    HWND hwnd;
    HWND hwndInsertAfter;
    int x;
    int y;
    int cx;
    int cy;
    UINT flags;
} WINDOWPOS, *LPWINDOWPOS;

#define CS_VREDRAW     0x0001
#define CS_HREDRAW     0x0002
#define CS_DBLCLKS     0x0008
#define CS_NOCLOSE     0x0200
#define CS_PARENTDC    0x0080
#define CS_GLOBALCLASS 0x4000

#define WS_OVERLAPPED   0x00000000L
#define WS_POPUP        0x80000000L
#define WS_CHILD        0x40000000L
#define WS_MINIMIZE     0x20000000L
#define WS_VISIBLE      0x10000000L
#define WS_DISABLED     0x08000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_MAXIMIZE     0x01000000L
#define WS_CAPTION      0x00C00000L
#define WS_BORDER       0x00800000L
#define WS_DLGFRAME     0x00400000L
#define WS_VSCROLL      0x00200000L
#define WS_HSCROLL      0x00100000L
#define WS_SYSMENU      0x00080000L
#define WS_THICKFRAME   0x00040000L
#define WS_GROUP        0x00020000L
#define WS_TABSTOP      0x00010000L
#define WS_CHILDWINDOW  WS_CHILD

#define WS_EX_DLGMODALFRAME 0x00000001L
#define WS_EX_TOPMOST       0x00000008L
#define WS_EX_WINDOWEDGE    0x00000100L
#define WS_EX_CLIENTEDGE    0x00000200L
#define WS_EX_CONTROLPARENT 0x00010000L
#define WS_EX_NODRAG        0x40000000L
#define WS_EX_CAPTIONOKBTN  0x80000000L

#define CW_USEDEFAULT ((int)0x80000000)

#define HWND_TOP       ((HWND)0)
#define HWND_BOTTOM    ((HWND)1)
#define HWND_TOPMOST   ((HWND)(LONG_PTR)-1)
#define HWND_NOTOPMOST ((HWND)(LONG_PTR)-2)
#define HWND_BROADCAST ((HWND)0xffff)

#define GWL_WNDPROC    (-4)
#define GWL_HINSTANCE  (-6)
#define GWL_HWNDPARENT (-8)
#define GWL_ID         (-12)
#define GWL_STYLE      (-16)
#define GWL_EXSTYLE    (-20)
#define GWL_USERDATA   (-21)
#define GWLP_WNDPROC   GWL_WNDPROC
#define GWLP_USERDATA  GWL_USERDATA
#define GWLP_ID        GWL_ID

// Dialog extra bytes. Each slot holds a pointer-sized value on every host, so the offsets
// are those of a 64-bit system.
#define DWL_MSGRESULT  0
#define DWL_DLGPROC    8
#define DWL_USER       16
#define DWLP_MSGRESULT DWL_MSGRESULT
#define DWLP_DLGPROC   DWL_DLGPROC
#define DWLP_USER      DWL_USER
#define DLGWINDOWEXTRA 48

#define SW_HIDE            0
#define SW_SHOWNORMAL      1
#define SW_NORMAL          1
#define SW_SHOWMINIMIZED   2
#define SW_SHOWMAXIMIZED   3
#define SW_MAXIMIZE        3
#define SW_SHOWNOACTIVATE  4
#define SW_SHOW            5
#define SW_MINIMIZE        6
#define SW_SHOWMINNOACTIVE 7
#define SW_SHOWNA          8
#define SW_RESTORE         9

#define SWP_NOSIZE       0x0001
#define SWP_NOMOVE       0x0002
#define SWP_NOZORDER     0x0004
#define SWP_NOREDRAW     0x0008
#define SWP_NOACTIVATE   0x0010
#define SWP_FRAMECHANGED 0x0020
#define SWP_SHOWWINDOW   0x0040
#define SWP_HIDEWINDOW   0x0080

#define GW_HWNDFIRST 0
#define GW_HWNDLAST  1
#define GW_HWNDNEXT  2
#define GW_HWNDPREV  3
#define GW_OWNER     4
#define GW_CHILD     5

#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXVSCROLL 2  // width of a vertical scroll bar

#define WA_INACTIVE    0
#define WA_ACTIVE      1
#define WA_CLICKACTIVE 2

#define SIZE_RESTORED  0
#define SIZE_MINIMIZED 1
#define SIZE_MAXIMIZED 2

// ---- Messages ------------------------------------------------------------------------------

#define WM_NULL              0x0000
#define WM_CREATE            0x0001
#define WM_DESTROY           0x0002
#define WM_MOVE              0x0003
#define WM_SIZE              0x0005
#define WM_ACTIVATE          0x0006
#define WM_SETFOCUS          0x0007
#define WM_KILLFOCUS         0x0008
#define WM_ENABLE            0x000A
#define WM_SETREDRAW         0x000B
#define WM_SETTEXT           0x000C
#define WM_GETTEXT           0x000D
#define WM_GETTEXTLENGTH     0x000E
#define WM_PAINT             0x000F
#define WM_CLOSE             0x0010
#define WM_QUIT              0x0012
#define WM_ERASEBKGND        0x0014
#define WM_SYSCOLORCHANGE    0x0015
#define WM_SHOWWINDOW        0x0018
#define WM_SETTINGCHANGE     0x001A
#define WM_WININICHANGE      WM_SETTINGCHANGE
#define WM_CANCELMODE        0x001F
#define WM_SETCURSOR         0x0020
#define WM_WINDOWPOSCHANGED  0x0047
#define WM_COPYDATA          0x004A
#define WM_NOTIFY            0x004E
#define WM_HELP              0x0053
#define WM_NCCREATE          0x0081
#define WM_NCDESTROY         0x0082
#define WM_GETDLGCODE        0x0087
#define WM_KEYFIRST          0x0100
#define WM_KEYDOWN           0x0100
#define WM_KEYUP             0x0101
#define WM_CHAR              0x0102
#define WM_DEADCHAR          0x0103
#define WM_SYSKEYDOWN        0x0104
#define WM_SYSKEYUP          0x0105
#define WM_SYSCHAR           0x0106
#define WM_KEYLAST           0x0108
#define WM_INITDIALOG        0x0110
#define WM_COMMAND           0x0111
#define WM_SYSCOMMAND        0x0112
#define WM_TIMER             0x0113
#define WM_HSCROLL           0x0114
#define WM_VSCROLL           0x0115
#define WM_INITMENUPOPUP     0x0117
#define WM_MENUSELECT        0x011F
#define WM_ENTERIDLE         0x0121
#define WM_CTLCOLOREDIT      0x0133
#define WM_CTLCOLORLISTBOX   0x0134
#define WM_CTLCOLORBTN       0x0135
#define WM_CTLCOLORDLG       0x0136
#define WM_CTLCOLORSCROLLBAR 0x0137
#define WM_CTLCOLORSTATIC    0x0138
#define WM_NCLBUTTONUP       0x00A2  // the stylus lifted over a window's title (wParam HTCAPTION)
#define HTCAPTION            2
#define WM_MOUSEFIRST        0x0200
#define WM_MOUSEMOVE         0x0200
#define WM_LBUTTONDOWN       0x0201
#define WM_LBUTTONUP         0x0202
#define WM_LBUTTONDBLCLK     0x0203
#define WM_RBUTTONDOWN       0x0204
#define WM_RBUTTONUP         0x0205
#define WM_MOUSELAST         0x0209
#define WM_CAPTURECHANGED    0x0215
#define WM_DROPFILES         0x0233
#define WM_CUT               0x0300
#define WM_COPY              0x0301
#define WM_PASTE             0x0302
#define WM_CLEAR             0x0303
#define WM_UNDO              0x0304
#define WM_USER              0x0400
#define WM_APP               0x8000

#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define MK_SHIFT   0x0004
#define MK_CONTROL 0x0008

#define PM_NOREMOVE 0x0000
#define PM_REMOVE   0x0001

// ---- Virtual keys --------------------------------------------------------------------------

#define VK_LBUTTON    0x01
#define VK_RBUTTON    0x02
#define VK_BACK       0x08
#define VK_TAB        0x09
#define VK_RETURN     0x0D
#define VK_SHIFT      0x10
#define VK_CONTROL    0x11
#define VK_MENU       0x12
#define VK_ESCAPE     0x1B
#define VK_SPACE      0x20
#define VK_PRIOR      0x21
#define VK_NEXT       0x22
#define VK_END        0x23
#define VK_HOME       0x24
#define VK_LEFT       0x25
#define VK_UP         0x26
#define VK_RIGHT      0x27
#define VK_DOWN       0x28
#define VK_INSERT     0x2D
#define VK_DELETE     0x2E
#define VK_F1         0x70
#define VK_F2         0x71
#define VK_F3         0x72
#define VK_F4         0x73
#define VK_F5         0x74
#define VK_F6         0x75
#define VK_F7         0x76
#define VK_F8         0x77
#define VK_F9         0x78
#define VK_F10        0x79
#define VK_F11        0x7A
#define VK_F12        0x7B
#define VK_OEM_PERIOD 0xBE

// ---- Accelerators --------------------------------------------------------------------------

#define FVIRTKEY  TRUE
#define FNOINVERT 0x02
#define FSHIFT    0x04
#define FCONTROL  0x08
#define FALT      0x10

typedef struct tagACCEL {
    BYTE fVirt;  // FVIRTKEY, FSHIFT, FCONTROL, FALT, FNOINVERT
    WORD key;    // virtual key with FVIRTKEY, else a character code
    WORD cmd;    // command id sent with WM_COMMAND (high word of wParam 1)
} ACCEL, *LPACCEL;

// ---- Windows ---------------------------------------------------------------------------------

WORD WINAPI RegisterClassW(const WNDCLASSW* wc);
BOOL WINAPI UnregisterClassW(LPCWSTR className, HINSTANCE instance);
BOOL WINAPI GetClassInfoW(HINSTANCE instance, LPCWSTR className, LPWNDCLASSW wc);
HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                            int x, int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID param);
#define CreateWindowW(cls, name, style, x, y, w, h, parent, menu, inst, param)                     \
    CreateWindowExW(0, cls, name, style, x, y, w, h, parent, menu, inst, param)
BOOL WINAPI DestroyWindow(HWND hwnd);
LRESULT WINAPI DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT WINAPI CallWindowProcW(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL WINAPI ShowWindow(HWND hwnd, int command);
BOOL WINAPI UpdateWindow(HWND hwnd);
BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect);
BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect);
BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL WINAPI SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
HWND WINAPI GetParent(HWND hwnd);
HWND WINAPI GetWindow(HWND hwnd, UINT relation);
BOOL WINAPI IsWindow(HWND hwnd);
BOOL WINAPI IsChild(HWND parent, HWND hwnd);
BOOL WINAPI IsWindowVisible(HWND hwnd);
BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable);
BOOL WINAPI IsWindowEnabled(HWND hwnd);
// The window longs are pointer-sized on every host, so a pointer stored with GWL_USERDATA or
// a procedure with GWL_WNDPROC survives on 64-bit hosts.
LONG_PTR WINAPI GetWindowLongW(HWND hwnd, int index);
LONG_PTR WINAPI SetWindowLongW(HWND hwnd, int index, LONG_PTR value);
#define GetWindowLongPtrW GetWindowLongW
#define SetWindowLongPtrW SetWindowLongW
BOOL WINAPI SetWindowTextW(HWND hwnd, LPCWSTR text);
int WINAPI GetWindowTextW(HWND hwnd, LPWSTR buffer, int bufferChars);
int WINAPI GetWindowTextLengthW(HWND hwnd);
int WINAPI GetDlgCtrlID(HWND hwnd);
HWND WINAPI GetDlgItem(HWND parent, int id);
HWND WINAPI FindWindowW(LPCWSTR className, LPCWSTR windowName);
BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT point);
BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT point);
HWND WINAPI WindowFromPoint(POINT screenPoint);
int WINAPI GetSystemMetrics(int index);

// ---- Focus, activation, capture ------------------------------------------------------------

// While another desktop program has the focus of the device's window, GetFocus,
// GetActiveWindow and GetForegroundWindow give nullptr, and what SetFocus, SetActiveWindow and
// SetForegroundWindow ask for takes effect when the device's window has the focus again.
HWND WINAPI SetFocus(HWND hwnd);
HWND WINAPI GetFocus(void);
HWND WINAPI SetActiveWindow(HWND hwnd);
HWND WINAPI GetActiveWindow(void);
// Also accepts a handle with its lowest bit set (the handheld's way of asking to raise the
// owned pop-ups too), and a window of another running copy, which that copy then raises.
BOOL WINAPI SetForegroundWindow(HWND hwnd);
HWND WINAPI GetForegroundWindow(void);
HWND WINAPI SetCapture(HWND hwnd);
BOOL WINAPI ReleaseCapture(void);
HWND WINAPI GetCapture(void);
SHORT WINAPI GetKeyState(int virtualKey);
SHORT WINAPI GetAsyncKeyState(int virtualKey);

// ---- Messages and the message loop -----------------------------------------------------------

BOOL WINAPI GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax);
BOOL WINAPI PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
BOOL WINAPI TranslateMessage(const MSG* msg);
LRESULT WINAPI DispatchMessageW(const MSG* msg);
// To a window of another running copy (FindWindowW) only WM_COPYDATA is carried: it waits
// until that program has handled it, at most five seconds, and gives the result (0 with
// ERROR_TIMEOUT when it was not taken in time, 0 when the program is gone). Other messages to
// such a window give 0.
LRESULT WINAPI SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL WINAPI PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void WINAPI PostQuitMessage(int exitCode);
DWORD WINAPI GetMessagePos(void);
LONG WINAPI GetMessageTime(void);

UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc);
BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id);
void WINAPI Sleep(DWORD milliseconds);
DWORD WINAPI GetTickCount(void);

HACCEL WINAPI CreateAcceleratorTableW(const ACCEL* entries, int count);
BOOL WINAPI DestroyAcceleratorTable(HACCEL table);
int WINAPI TranslateAcceleratorW(HWND hwnd, HACCEL table, LPMSG msg);

// ---- Painting --------------------------------------------------------------------------------

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL WINAPI ValidateRect(HWND hwnd, const RECT* rect);
BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase);
HDC WINAPI GetDC(HWND hwnd);
int WINAPI ReleaseDC(HWND hwnd, HDC dc);
HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT paint);
BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT* paint);

// ---- Menus ----------------------------------------------------------------------------------
// (maintained with the shell: platform/menus implements this section)

#define MF_STRING     0x00000000L
#define MF_ENABLED    0x00000000L
#define MF_UNCHECKED  0x00000000L
#define MF_BYCOMMAND  0x00000000L
#define MF_GRAYED     0x00000001L
#define MF_DISABLED   0x00000002L
#define MF_CHECKED    0x00000008L
#define MF_POPUP      0x00000010L
#define MF_BYPOSITION 0x00000400L
#define MF_SEPARATOR  0x00000800L

#define TPM_LEFTALIGN    0x0000L
#define TPM_CENTERALIGN  0x0004L
#define TPM_RIGHTALIGN   0x0008L
#define TPM_TOPALIGN     0x0000L
#define TPM_VCENTERALIGN 0x0010L
#define TPM_BOTTOMALIGN  0x0020L
#define TPM_NONOTIFY     0x0080L
#define TPM_RETURNCMD    0x0100L

typedef struct tagTPMPARAMS {
    UINT cbSize;     // sizeof(TPMPARAMS)
    RECT rcExclude;  // screen rectangle the menu must not cover
} TPMPARAMS, *LPTPMPARAMS;

// A menu resource (RT_MENU) as a program's constant table: its items in order, the items of
// a pop-up following it one level deeper. An item is a pop-up exactly when the next item is
// deeper than it. Example: {0,"File"} {1,"Open",40001} {1,"Exit",40002} {0,"View"} ...
struct MenuTemplateItem {
    int depth;     // 0 for the menu's own items, 1 for the items of those pop-ups, ...
    LPCWSTR text;  // item text with "&" before the mnemonic; nullptr for a separator
    UINT id;       // command id; 0 for a pop-up or a separator
    UINT flags;    // MF_SEPARATOR, MF_CHECKED, MF_GRAYED (MF_POPUP is implied)
};

struct MenuTemplate {
    const MenuTemplateItem* items;  // in order, depth-first
    int count;                      // number of items
};

HMENU WINAPI CreateMenu();
HMENU WINAPI CreatePopupMenu();
BOOL WINAPI DestroyMenu(HMENU menu);
BOOL WINAPI AppendMenuW(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCWSTR text);
BOOL WINAPI InsertMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR idOrPopup, LPCWSTR text);
HMENU WINAPI GetSubMenu(HMENU menu, int position);
int WINAPI GetMenuItemCount(HMENU menu);
DWORD WINAPI CheckMenuItem(HMENU menu, UINT item, UINT check);
BOOL WINAPI EnableMenuItem(HMENU menu, UINT item, UINT enable);
HMENU WINAPI LoadMenuW(HINSTANCE instance, LPCWSTR name);
BOOL WINAPI TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, LPTPMPARAMS params);

// ---- Dialogs and controls ---------------------------------------------------------------------
// (platform/dialogs and platform/controls implement this section)

typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);

#define WM_NEXTDLGCTL     0x0028
#define WM_SETFONT        0x0030  // wParam: HFONT (null: the system font), LOWORD(lParam): redraw
#define WM_GETFONT        0x0031
#define WM_CTLCOLORMSGBOX 0x0132

// The header of every WM_NOTIFY (lParam points at it, or at a record that starts with it).
typedef struct tagNMHDR {
    HWND hwndFrom;    // the control
    UINT_PTR idFrom;  // its id
    UINT code;        // the notification, e.g. TCN_SELCHANGE
} NMHDR, *LPNMHDR;

// Dialog styles.
#define DS_ABSALIGN      0x0001L
#define DS_SYSMODAL      0x0002L
#define DS_3DLOOK        0x0004L
#define DS_LOCALEDIT     0x0020L
#define DS_SETFONT       0x0040L
#define DS_MODALFRAME    0x0080L
#define DS_SETFOREGROUND 0x0200L
#define DS_CONTROL       0x0400L
#define DS_CENTER        0x0800L

#define DM_GETDEFID (WM_USER + 0)  // result: MAKELONG(id, DC_HASDEFID)
#define DM_SETDEFID (WM_USER + 1)
#define DC_HASDEFID 0x534B

// WM_GETDLGCODE answers: which keys a control keeps for itself.
#define DLGC_WANTARROWS      0x0001
#define DLGC_WANTTAB         0x0002
#define DLGC_WANTALLKEYS     0x0004
#define DLGC_WANTMESSAGE     0x0004
#define DLGC_HASSETSEL       0x0008
#define DLGC_DEFPUSHBUTTON   0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_RADIOBUTTON     0x0040
#define DLGC_WANTCHARS       0x0080
#define DLGC_STATIC          0x0100
#define DLGC_BUTTON          0x2000

// Predefined control classes, by name or by the atom a template may give instead.
#define WC_BUTTONW       u"Button"
#define WC_EDITW         u"Edit"
#define WC_STATICW       u"Static"
#define WC_LISTBOXW      u"ListBox"
#define MAKEINTATOM(i)   ((LPWSTR)((ULONG_PTR)((WORD)(i))))
#define DLG_ATOM_BUTTON  MAKEINTATOM(0x0080)
#define DLG_ATOM_EDIT    MAKEINTATOM(0x0081)
#define DLG_ATOM_STATIC  MAKEINTATOM(0x0082)
#define DLG_ATOM_LISTBOX MAKEINTATOM(0x0083)

// A dialog resource (RT_DIALOG) as a program's constant table. The leading fields are those
// of the device's binary record, in its order; the variable-length parts it appends (title,
// font, items with class and text) are pointers here.
// As in a resource script, every item is created WS_CHILD | WS_VISIBLE.
typedef struct {
    DWORD style;            // control style: WS_* | BS_* / SS_* / ES_* / LBS_* / TCS_*
    DWORD dwExtendedStyle;  // WS_EX_*
    short x;                // position and size in dialog units
    short y;
    short cx;
    short cy;
    WORD id;              // control id
    LPCWSTR windowClass;  // class name, or one of the DLG_ATOM_* values
    LPCWSTR title;        // text; for SS_BITMAP a MAKEINTRESOURCEW bitmap id or "#id"
} DLGITEMTEMPLATEW;

typedef struct {
    DWORD style;            // WS_* | DS_*
    DWORD dwExtendedStyle;  // WS_EX_*
    WORD cdit;              // number of items
    short x;                // position and size in dialog units
    short y;
    short cx;
    short cy;
    LPCWSTR title;                  // caption (shown in the navigation bar)
    WORD pointSize;                 // template font size (DS_SETFONT); 0 means 8
    LPCWSTR typeface;               // template font face ("MS Sans Serif", "System", ...)
    const DLGITEMTEMPLATEW* items;  // cdit items, in tab order
} DLGTEMPLATEW;
typedef const DLGTEMPLATEW* LPCDLGTEMPLATEW;
typedef DLGTEMPLATEW DLGTEMPLATE;
typedef LPCDLGTEMPLATEW LPCDLGTEMPLATE;

// Runs a modal dialog: the owner is disabled, a nested message loop runs until EndDialog,
// the owner is enabled and activated again. Returns EndDialog's result, -1 on failure.
INT_PTR WINAPI DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialog, HWND owner,
                                       DLGPROC proc, LPARAM param);
INT_PTR WINAPI DialogBoxParamW(HINSTANCE instance, LPCWSTR name, HWND owner, DLGPROC proc,
                               LPARAM param);
#define DialogBoxIndirectParam        DialogBoxIndirectParamW
#define DialogBoxParam                DialogBoxParamW
#define DialogBoxIndirect(i, t, o, p) DialogBoxIndirectParamW(i, t, o, p, 0)
// A modeless dialog; the caller's loop should pass messages through IsDialogMessageW.
HWND WINAPI CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialog, HWND owner,
                                       DLGPROC proc, LPARAM param);
#define CreateDialogIndirectParam CreateDialogIndirectParamW
BOOL WINAPI EndDialog(HWND dialog, INT_PTR result);
LRESULT WINAPI DefDlgProcW(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// Keyboard navigation of a dialog (Tab, arrows in radio groups, Enter, Escape); TRUE when
// the message was used.
BOOL WINAPI IsDialogMessageW(HWND dialog, LPMSG msg);
#define IsDialogMessage IsDialogMessageW
BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect);
LONG WINAPI GetDialogBaseUnits(void);
HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
HWND WINAPI GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);

LRESULT WINAPI SendDlgItemMessageW(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL WINAPI SetDlgItemTextW(HWND dialog, int id, LPCWSTR text);
UINT WINAPI GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int bufferChars);
BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check);
UINT WINAPI IsDlgButtonChecked(HWND dialog, int id);
BOOL WINAPI CheckRadioButton(HWND dialog, int first, int last, int check);
#define SendDlgItemMessage SendDlgItemMessageW
#define SetDlgItemText     SetDlgItemTextW
#define GetDlgItemText     GetDlgItemTextW

// Buttons.
#define BS_PUSHBUTTON      0x00000000L
#define BS_DEFPUSHBUTTON   0x00000001L
#define BS_CHECKBOX        0x00000002L
#define BS_AUTOCHECKBOX    0x00000003L
#define BS_RADIOBUTTON     0x00000004L
#define BS_3STATE          0x00000005L
#define BS_AUTO3STATE      0x00000006L
#define BS_GROUPBOX        0x00000007L
#define BS_AUTORADIOBUTTON 0x00000009L
#define BS_OWNERDRAW       0x0000000BL
#define BS_TYPEMASK        0x0000000FL
#define BS_LEFTTEXT        0x00000020L
#define BS_LEFT            0x00000100L
#define BS_RIGHT           0x00000200L
#define BS_CENTER          0x00000300L
#define BS_NOTIFY          0x00004000L
#define BS_FLAT            0x00008000L

#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define BM_GETSTATE 0x00F2
#define BM_SETSTATE 0x00F3
#define BM_SETSTYLE 0x00F4
#define BM_CLICK    0x00F5

#define BST_UNCHECKED     0x0000
#define BST_CHECKED       0x0001
#define BST_INDETERMINATE 0x0002
#define BST_PUSHED        0x0004
#define BST_FOCUS         0x0008

#define BN_CLICKED   0
#define BN_SETFOCUS  6
#define BN_KILLFOCUS 7

// Static controls.
#define SS_LEFT           0x00000000L
#define SS_CENTER         0x00000001L
#define SS_RIGHT          0x00000002L
#define SS_ICON           0x00000003L
#define SS_LEFTNOWORDWRAP 0x0000000CL
#define SS_BITMAP         0x0000000EL
#define SS_TYPEMASK       0x0000001FL
#define SS_NOPREFIX       0x00000080L
#define SS_NOTIFY         0x00000100L
#define SS_CENTERIMAGE    0x00000200L

#define STM_SETIMAGE 0x0172  // wParam IMAGE_BITMAP, lParam HBITMAP; result: the previous one
#define STM_GETIMAGE 0x0173
#define IMAGE_BITMAP 0

#define STN_CLICKED 0
#define STN_DBLCLK  1

// Single-line edits.
#define ES_LEFT        0x0000L
#define ES_CENTER      0x0001L
#define ES_RIGHT       0x0002L
#define ES_MULTILINE   0x0004L
#define ES_UPPERCASE   0x0008L
#define ES_LOWERCASE   0x0010L
#define ES_PASSWORD    0x0020L
#define ES_AUTOVSCROLL 0x0040L
#define ES_AUTOHSCROLL 0x0080L
#define ES_NOHIDESEL   0x0100L
#define ES_READONLY    0x0800L
#define ES_WANTRETURN  0x1000L
#define ES_NUMBER      0x2000L

#define EM_GETSEL       0x00B0  // wParam, lParam: DWORD* start / end; result MAKELONG(start, end)
#define EM_SETSEL       0x00B1
#define EM_GETMODIFY    0x00B8
#define EM_SETMODIFY    0x00B9
#define EM_REPLACESEL   0x00C2
#define EM_LIMITTEXT    0x00C5
#define EM_SETLIMITTEXT EM_LIMITTEXT
#define EM_SETREADONLY  0x00CF
#define EM_GETLIMITTEXT 0x00D5

#define EN_SETFOCUS  0x0100
#define EN_KILLFOCUS 0x0200
#define EN_CHANGE    0x0300
#define EN_UPDATE    0x0400
#define EN_MAXTEXT   0x0501

// List boxes.
#define LBS_NOTIFY            0x0001L
#define LBS_SORT              0x0002L
#define LBS_NOREDRAW          0x0004L
#define LBS_MULTIPLESEL       0x0008L
#define LBS_HASSTRINGS        0x0040L
#define LBS_USETABSTOPS       0x0080L
#define LBS_NOINTEGRALHEIGHT  0x0100L
#define LBS_WANTKEYBOARDINPUT 0x0400L
#define LBS_DISABLENOSCROLL   0x1000L
#define LBS_STANDARD          (LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER)

#define LB_ADDSTRING           0x0180
#define LB_INSERTSTRING        0x0181
#define LB_DELETESTRING        0x0182
#define LB_RESETCONTENT        0x0184
#define LB_SETCURSEL           0x0186
#define LB_GETCURSEL           0x0188
#define LB_GETTEXT             0x0189
#define LB_GETTEXTLEN          0x018A
#define LB_GETCOUNT            0x018B
#define LB_SELECTSTRING        0x018C
#define LB_GETTOPINDEX         0x018E
#define LB_FINDSTRING          0x018F
#define LB_GETHORIZONTALEXTENT 0x0193
#define LB_SETHORIZONTALEXTENT 0x0194
#define LB_SETTOPINDEX         0x0197
#define LB_GETITEMRECT         0x0198
#define LB_GETITEMDATA         0x0199
#define LB_SETITEMDATA         0x019A
#define LB_SETITEMHEIGHT       0x01A0
#define LB_GETITEMHEIGHT       0x01A1
#define LB_FINDSTRINGEXACT     0x01A2
#define LB_INITSTORAGE         0x01A8
#define LB_ITEMFROMPOINT       0x01A9

#define LB_OKAY     0
#define LB_ERR      (-1)
#define LB_ERRSPACE (-2)

#define LBN_ERRSPACE  (-2)
#define LBN_SELCHANGE 1
#define LBN_DBLCLK    2
#define LBN_SELCANCEL 3
#define LBN_SETFOCUS  4
#define LBN_KILLFOCUS 5

// Scroll bar parts, for WM_HSCROLL / WM_VSCROLL.
#define SB_LINEUP        0
#define SB_LINELEFT      0
#define SB_LINEDOWN      1
#define SB_LINERIGHT     1
#define SB_PAGEUP        2
#define SB_PAGELEFT      2
#define SB_PAGEDOWN      3
#define SB_PAGERIGHT     3
#define SB_THUMBPOSITION 4
#define SB_THUMBTRACK    5
#define SB_TOP           6
#define SB_LEFT          6
#define SB_BOTTOM        7
#define SB_RIGHT         7
#define SB_ENDSCROLL     8

// ---- End of dialogs and controls
