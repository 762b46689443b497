// Win32 error codes that GetLastError returns.
#pragma once

#include "windef.h"
