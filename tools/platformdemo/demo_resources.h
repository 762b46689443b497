// Resources of the platform demo: ids and the registration of its tables.
#pragma once

#include "windows.h"

#define IDM_DEMO_MENU      102  // menu bar pop-ups
#define IDM_DEMO_HOLD_MENU 150  // tap-and-hold menu
#define IDT_DEMO_TOOLBAR   102
#define IDB_DEMO_PICTURES  120

#define IDC_DEMO_MENU    41000  // drop-down button
#define IDC_DEMO_CLEAR   41001  // toolbar: clear the typed text
#define IDC_DEMO_ABOUT   41002  // toolbar: message box
#define IDC_DEMO_OUTLINE 41010  // "Outlines" (checked or not)
#define IDC_DEMO_RED     41011
#define IDC_DEMO_GREEN   41012
#define IDC_DEMO_BLUE    41013
#define IDC_DEMO_EXIT    41014

HINSTANCE RegisterDemoResources();
