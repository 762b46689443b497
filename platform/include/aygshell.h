// The handheld shell: menu bar, full-screen dialogs, input panel, gestures.
// The record sizes the device documents (SIPINFO 48, SHMENUBARINFO 36, SHRGINFO 20,
// SHACTIVATEINFO 12 bytes) are those of its 32-bit ABI; here pointers are wider, so each call
// accepts both the device's size and sizeof the record in its size field.
#pragma once

#include "windef.h"

// ---- Menu bar -------------------------------------------------------------------------------

#define SHCMBF_EMPTYBAR      0x0001  // no buttons even when a toolbar id is given
#define SHCMBF_HIDDEN        0x0002  // created hidden
#define SHCMBF_HIDESIPBUTTON 0x0004  // no input-panel button at the right end

#define SHCMBM_GETSUBMENU 0x0591  // lParam: a drop-down's command; result: its pop-up HMENU

typedef struct tagSHMENUBARINFO {
    DWORD cbSize;        // sizeof(SHMENUBARINFO) or the device's 36
    HWND hwndParent;     // the window that receives the bar's WM_COMMAND
    DWORD dwFlags;       // SHCMBF_*
    UINT nToolBarId;     // RT_TOOLBAR resource describing the buttons; 0 for an empty bar
    HINSTANCE hInstRes;  // module holding the toolbar, its menu and the bitmap
    int nBmpId;          // RT_BITMAP strip of 16 × 16 pictures; 0 for none
    int cBmpImages;      // number of pictures in the strip
    HWND hwndMB;         // out: the menu bar window
    COLORREF clrBk;      // unused
} SHMENUBARINFO, *PSHMENUBARINFO;

BOOL WINAPI SHCreateMenuBar(SHMENUBARINFO* info);

// The toolbar record a menu bar is built from: a program's constant table registered as an
// RT_TOOLBAR resource. Drop-down buttons open a pop-up of the menu resource `menuId`.
#define RT_TOOLBAR MAKEINTRESOURCEW(241)

#ifndef TBSTATE_ENABLED
#define TBSTATE_CHECKED  0x01
#define TBSTATE_PRESSED  0x02
#define TBSTATE_ENABLED  0x04
#define TBSTATE_HIDDEN   0x08
#define TBSTYLE_BUTTON   0x00
#define TBSTYLE_SEP      0x01
#define TBSTYLE_DROPDOWN 0x08
#define TBSTYLE_AUTOSIZE 0x10
#define I_IMAGENONE      (-2)
#endif
#ifndef NOMENU
#define NOMENU 0xFFFF
#endif

// Toolbar messages a menu bar answers, wParam being a button's command. TB_ENABLEBUTTON:
// lParam MAKELONG(enable, 0), TRUE when the bar has such a button; a disabled button is drawn
// washed out and ignores taps. TB_ISBUTTONENABLED: non-zero while the button is enabled.
#ifndef TB_ENABLEBUTTON
#define TB_ENABLEBUTTON    0x0401
#define TB_ISBUTTONENABLED 0x0409
#endif

struct MenuBarButton {
    int image;     // picture index in the bitmap strip, or I_IMAGENONE
    UINT command;  // WM_COMMAND id the button sends (a drop-down sends it before opening)
    BYTE state;    // TBSTATE_ENABLED (a button without it ignores taps)
    BYTE style;    // TBSTYLE_BUTTON or TBSTYLE_DROPDOWN, optionally | TBSTYLE_AUTOSIZE
    int popup;     // drop-down: index of its pop-up in menu `menuId`; NOMENU otherwise
};

struct MenuBarTemplate {
    UINT menuId;                   // menu whose pop-ups the drop-downs open; 0 for none
    const MenuBarButton* buttons;  // left to right
    int count;                     // number of buttons
};

// ---- Full-screen dialogs and the bars -------------------------------------------------------

#define SHIDIM_FLAGS 0x0001

#define SHIDIF_DONEBUTTON          0x0001  // "ok" button in the navigation bar (sends IDOK)
#define SHIDIF_SIZEDLG             0x0002  // size to the visible desktop less the menu bar
#define SHIDIF_SIZEDLGFULLSCREEN   0x0004  // size to the visible desktop less the menu bar
#define SHIDIF_SIPDOWN             0x0008  // lower the input panel
#define SHIDIF_FULLSCREENNOMENUBAR 0x0010  // size to the whole visible desktop

typedef struct tagSHINITDLGINFO {
    DWORD dwMask;   // SHIDIM_FLAGS
    HWND hDlg;      // the dialog
    DWORD dwFlags;  // SHIDIF_*
} SHINITDLGINFO, *PSHINITDLGINFO;

BOOL WINAPI SHInitDialog(PSHINITDLGINFO info);

#define SHFS_SHOWTASKBAR   0x0001
#define SHFS_HIDETASKBAR   0x0002
#define SHFS_SHOWSIPBUTTON 0x0004
#define SHFS_HIDESIPBUTTON 0x0008
#define SHFS_SHOWSTARTICON 0x0010
#define SHFS_HIDESTARTICON 0x0020

BOOL WINAPI SHFullScreen(HWND window, DWORD state);

// ---- Input panel ----------------------------------------------------------------------------

#ifndef SPI_SETSIPINFO
#define SPI_SETSIPINFO 224
#define SPI_GETSIPINFO 225
#endif

#define SIPF_OFF    0x00000000
#define SIPF_ON     0x00000001
#define SIPF_DOCKED 0x00000002
#define SIPF_LOCKED 0x00000004

typedef struct tagSIPINFO {
    DWORD cbSize;           // sizeof(SIPINFO) or the device's 48
    DWORD fdwFlags;         // SIPF_ON while the panel is up
    RECT rcVisibleDesktop;  // screen area not covered by the bars and the panel
    RECT rcSipRect;         // where the panel is (also while it is down)
    DWORD dwImDataSize;     // input-method data: not supported, always 0
    void* pvImData;         // input-method data: not supported
} SIPINFO, *PSIPINFO;

// SPI_GETSIPINFO fills `param` (a SIPINFO); SPI_SETSIPINFO raises or lowers the panel as its
// SIPF_ON says. FALSE for other actions or a record of the wrong size.
BOOL WINAPI SHSipInfo(UINT action, UINT uiParam, void* param, UINT winIni);

typedef enum tagSIPSTATE {
    SIP_UP = 0,
    SIP_DOWN = 1,
    SIP_FORCEDOWN = 2,
    SIP_UNCHANGED = 3,
    SIP_INPUTDIALOG = 4,
} SIPSTATE;

BOOL WINAPI SHSipPreference(HWND window, SIPSTATE state);

typedef struct tagSHACTIVATEINFO {
    DWORD cbSize;        // sizeof(SHACTIVATEINFO) or the device's 12
    HWND hwndLastFocus;  // focus to restore on reactivation
    UINT fSipUp : 1;     // the panel was up when the window was last active
    UINT fSipOnDeactivation : 1;
    UINT fActive : 1;  // the window is active
    UINT fReserved : 29;
} SHACTIVATEINFO, *PSHACTIVATEINFO;

#define SHA_INPUTDIALOG 0x00000001

// On WM_ACTIVATE: remembers (deactivation) or restores (activation) the panel state.
BOOL WINAPI SHHandleWMActivate(HWND window, WPARAM wParam, LPARAM lParam, SHACTIVATEINFO* info,
                               DWORD flags);
// On WM_SETTINGCHANGE with SPI_SETSIPINFO: a full-screen window follows the visible desktop.
BOOL WINAPI SHHandleWMSettingChange(HWND window, WPARAM wParam, LPARAM lParam,
                                    SHACTIVATEINFO* info);

// ---- Gestures -------------------------------------------------------------------------------

#define SHRG_RETURNCMD    0x00000001  // return GN_CONTEXTMENU instead of notifying
#define SHRG_NOTIFYPARENT 0x00000002
#define SHRG_LONGDELAY    0x00000008

#define GN_CONTEXTMENU 1000

typedef struct tagSHRGI {
    DWORD cbSize;     // sizeof(SHRGINFO) or the device's 20
    HWND hwndClient;  // window the stylus went down in
    POINT ptDown;     // client coordinates of the stylus-down
    DWORD dwFlags;    // SHRG_*
} SHRGINFO, *PSHRGINFO;

// Called on stylus-down: waits while the stylus stays down. GN_CONTEXTMENU when it is held
// 500 ms without moving more than 5 pixels, 0 otherwise (the stylus input that ended the
// wait stays queued for the window).
DWORD WINAPI SHRecognizeGesture(SHRGINFO* info);
