// The handheld API as the programs see it: include this one header.
#pragma once

#include "windef.h"
#include "winerror.h"
#include "winbase.h"
#include "processthreadsapi.h"
#include "winnls.h"
#include "libloaderapi.h"
#include "winuser.h"
#include "wingdi.h"
#include "commctrl.h"
#include "commdlg.h"
#include "aygshell.h"
#include "wininet.h"
