// The handheld API as the programs see it: include this one header.
#pragma once

// Kept in dependency order rather than sorted: the later headers build on the earlier ones.
// clang-format off
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
// clang-format on
