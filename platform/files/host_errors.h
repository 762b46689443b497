// Host errno values as device error codes. Platform-internal.
#pragma once

#include "automation.h"
#include "windef.h"

// `missing` is the code for ENOENT, which depends on the call (file or path not found).
DWORD DeviceErrorFromErrno(int error, DWORD missing);

// True while a test makes `step` of every file's write fail (AutomationFailFileStep).
bool FileStepFails(AutomationFileStep step);
