// Common controls: the tab control, and the notification header WM_NOTIFY carries.
#pragma once

#include "windef.h"

// Common controls need no start-up on this device; the calls exist for programs that make them.
typedef struct tagINITCOMMONCONTROLSEX {
    DWORD dwSize;  // sizeof(INITCOMMONCONTROLSEX)
    DWORD dwICC;   // ICC_* classes wanted
} INITCOMMONCONTROLSEX, *LPINITCOMMONCONTROLSEX;

#define ICC_TAB_CLASSES 0x00000008

void WINAPI InitCommonControls(void);
BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);

// ---- Tab control --------------------------------------------------------------------------------

#define WC_TABCONTROLW u"SysTabControl32"
#define WC_TABCONTROL  WC_TABCONTROLW

#define TCS_BOTTOM      0x0002  // tabs along the bottom edge (the handheld's default look)
#define TCS_FLATBUTTONS 0x0008
#define TCS_TABS        0x0000
#define TCS_FOCUSNEVER  0x8000

#define TCIF_TEXT  0x0001
#define TCIF_IMAGE 0x0002
#define TCIF_PARAM 0x0008
#define TCIF_STATE 0x0010

typedef struct tagTCITEMW {
    UINT mask;          // TCIF_* fields that are valid
    DWORD dwState;      // not used
    DWORD dwStateMask;  // not used
    LPWSTR pszText;     // the label (TCIF_TEXT); TCM_GETITEM copies into it
    int cchTextMax;     // size of pszText for TCM_GETITEM, characters
    int iImage;         // no image lists on the device: ignored
    LPARAM lParam;      // the application's value (TCIF_PARAM)
} TCITEMW, *LPTCITEMW;
typedef TCITEMW TCITEM;
typedef TCITEMW TC_ITEM;

#define TCM_FIRST          0x1300
#define TCM_GETITEMCOUNT   (TCM_FIRST + 4)
#define TCM_DELETEITEM     (TCM_FIRST + 8)
#define TCM_DELETEALLITEMS (TCM_FIRST + 9)
#define TCM_GETCURSEL      (TCM_FIRST + 11)
#define TCM_SETCURSEL      (TCM_FIRST + 12)
#define TCM_GETITEMW       (TCM_FIRST + 60)
#define TCM_SETITEMW       (TCM_FIRST + 61)
#define TCM_INSERTITEMW    (TCM_FIRST + 62)
#define TCM_GETITEM        TCM_GETITEMW
#define TCM_SETITEM        TCM_SETITEMW
#define TCM_INSERTITEM     TCM_INSERTITEMW

#define TCN_FIRST       (0U - 550U)
#define TCN_SELCHANGE   (TCN_FIRST - 1)  // after a tap changed the selection
#define TCN_SELCHANGING (TCN_FIRST - 2)  // before; a non-zero WM_NOTIFY result keeps the tab

#define NM_FIRST    (0U - 0U)
#define NM_CLICK    (NM_FIRST - 2)
#define NM_DBLCLK   (NM_FIRST - 3)
#define NM_SETFOCUS (NM_FIRST - 7)
