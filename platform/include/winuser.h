// Windows, messages, the message loop, menus, accelerators, dialogs and message boxes.
#pragma once

#include "windef.h"

// ---- Message boxes --------------------------------------------------------------------------

#define MB_OK              0x00000000L
#define MB_OKCANCEL        0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL     0x00000003L
#define MB_YESNO           0x00000004L
#define MB_RETRYCANCEL     0x00000005L
#define MB_ICONHAND        0x00000010L
#define MB_ICONQUESTION    0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK    0x00000040L
#define MB_ICONERROR       MB_ICONHAND
#define MB_ICONWARNING     MB_ICONEXCLAMATION
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_DEFBUTTON1      0x00000000L
#define MB_DEFBUTTON2      0x00000100L
#define MB_DEFBUTTON3      0x00000200L
#define MB_DEFMASK         0x00000F00L
#define MB_APPLMODAL       0x00000000L
#define MB_SETFOREGROUND   0x00010000L
#define MB_TOPMOST         0x00040000L
#define MB_TYPEMASK        0x0000000FL
#define MB_ICONMASK        0x000000F0L

#define IDOK     1
#define IDCANCEL 2
#define IDABORT  3
#define IDRETRY  4
#define IDIGNORE 5
#define IDYES    6
#define IDNO     7

int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

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
