// Common dialogs of the device: open file, save file and the colour chooser, each full
// screen. The records keep the device's field order; their sizes differ from the 32-bit
// device's (76 and 36 bytes) because pointers are wider here, and both sizes are accepted in
// lStructSize.
#pragma once

#include "windef.h"

typedef UINT_PTR(CALLBACK* LPOFNHOOKPROC)(HWND, UINT, WPARAM, LPARAM);
typedef UINT_PTR(CALLBACK* LPCCHOOKPROC)(HWND, UINT, WPARAM, LPARAM);

// ---- Open and save -----------------------------------------------------------------------------

typedef struct tagOFNW {
    DWORD lStructSize;         // sizeof(OPENFILENAMEW) or the device's 76
    HWND hwndOwner;            // disabled while the dialog is open; may be null
    HINSTANCE hInstance;       // not used
    LPCWSTR lpstrFilter;       // "Name\0*.ext;*.ext2\0...\0\0"
    LPWSTR lpstrCustomFilter;  // not used
    DWORD nMaxCustFilter;      // not used
    DWORD nFilterIndex;        // in/out: 1-based type shown; 0 means the first
    LPWSTR lpstrFile;          // in: proposed path or name (save); out: the chosen full path
    DWORD nMaxFile;            // size of lpstrFile, characters
    LPWSTR lpstrFileTitle;     // out: the chosen file's name; may be null
    DWORD nMaxFileTitle;       // size of lpstrFileTitle, characters
    LPCWSTR lpstrInitialDir;   // folder to start in; null: from lpstrFile, else "\My Documents"
    LPCWSTR lpstrTitle;        // the dialog's title; null: "Open" / "Save As"
    DWORD Flags;               // OFN_*
    WORD nFileOffset;          // out: index of the name in lpstrFile
    WORD nFileExtension;       // out: index of the extension (after the dot), or of the NUL
    LPCWSTR lpstrDefExt;       // extension appended to a typed name without one
    LPARAM lCustData;          // passed to the hook
    LPOFNHOOKPROC lpfnHook;    // not supported on the device: ignored
    LPCWSTR lpTemplateName;    // not supported: ignored
} OPENFILENAMEW, *LPOPENFILENAMEW;
typedef OPENFILENAMEW OPENFILENAME;
typedef LPOPENFILENAMEW LPOPENFILENAME;

#define OFN_READONLY         0x00000001
#define OFN_OVERWRITEPROMPT  0x00000002
#define OFN_HIDEREADONLY     0x00000004
#define OFN_NOCHANGEDIR      0x00000008
#define OFN_SHOWHELP         0x00000010
#define OFN_ENABLEHOOK       0x00000020
#define OFN_NOVALIDATE       0x00000100
#define OFN_PATHMUSTEXIST    0x00000800
#define OFN_FILEMUSTEXIST    0x00001000
#define OFN_CREATEPROMPT     0x00002000
#define OFN_NOREADONLYRETURN 0x00008000
#define OFN_EXPLORER         0x00080000
#define OFN_PROJECT          0x00400000

// Returns TRUE with the chosen path in lpstrFile; FALSE when cancelled
// (CommDlgExtendedError 0) or when a buffer was too small (FNERR_BUFFERTOOSMALL).
BOOL WINAPI GetOpenFileNameW(LPOPENFILENAMEW ofn);
BOOL WINAPI GetSaveFileNameW(LPOPENFILENAMEW ofn);
#define GetOpenFileName GetOpenFileNameW
#define GetSaveFileName GetSaveFileNameW

// ---- Colour chooser ---------------------------------------------------------------------------

typedef struct tagCHOOSECOLORW {
    DWORD lStructSize;       // sizeof(CHOOSECOLORW) or the device's 36
    HWND hwndOwner;          // disabled while the chooser is open; may be null
    HWND hInstance;          // not used
    COLORREF rgbResult;      // in: start colour (with or without CC_RGBINIT); out: only on OK
    COLORREF* lpCustColors;  // the 16 custom colours, read at start and written back on OK
    DWORD Flags;             // CC_*
    LPARAM lCustData;        // passed to the hook with WM_INITDIALOG
    LPCCHOOKPROC lpfnHook;   // with CC_ENABLEHOOK: sees the chooser's messages first
    LPCWSTR lpTemplateName;  // not supported: ignored
} CHOOSECOLORW, *LPCHOOSECOLORW;
typedef CHOOSECOLORW CHOOSECOLOR;
typedef LPCHOOSECOLORW LPCHOOSECOLOR;

#define CC_RGBINIT              0x00000001
#define CC_FULLOPEN             0x00000002
#define CC_PREVENTFULLOPEN      0x00000004
#define CC_SHOWHELP             0x00000008
#define CC_ENABLEHOOK           0x00000010
#define CC_ENABLETEMPLATE       0x00000020
#define CC_ENABLETEMPLATEHANDLE 0x00000040
#define CC_SOLIDCOLOR           0x00000080
#define CC_ANYCOLOR             0x00000100

// TRUE when the user confirmed a colour (written to rgbResult), FALSE when cancelled.
// With CC_ENABLEHOOK the hook receives WM_INITDIALOG (lParam: the request) and then every
// message of the chooser before the chooser's own handling; a non-zero result skips that
// handling.
BOOL WINAPI ChooseColorW(LPCHOOSECOLORW cc);
#define ChooseColor ChooseColorW

// ---- Errors -----------------------------------------------------------------------------------

#define CDERR_STRUCTSIZE     0x0001
#define CDERR_INITIALIZATION 0x0002
#define FNERR_BUFFERTOOSMALL 0x3003

// The reason the last common dialog returned FALSE; 0 when the user cancelled.
DWORD WINAPI CommDlgExtendedError(void);
