// Host errno values as device error codes. Platform-internal.
#pragma once

#include "windef.h"

// `missing` is the code for ENOENT, which depends on the call (file or path not found).
DWORD DeviceErrorFromErrno(int error, DWORD missing);
