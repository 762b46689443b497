// Translation of libcurl results into the WinInet codes GetLastError reports.
#pragma once

#include <curl/curl.h>

#include "windef.h"

// osErrno is the socket error behind a failed receive (ECONNRESET tells a reset from a
// plain close); redirected says whether the failure came after following a redirect.
DWORD WinInetErrorFromCurl(CURLcode code, long osErrno, bool redirected);
