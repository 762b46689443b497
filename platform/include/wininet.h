// HTTP download: the WinInet subset, over libcurl.
#pragma once

#include "windef.h"
