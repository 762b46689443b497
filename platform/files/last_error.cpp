// The calling thread's last error. The programs run one thread, but the value is kept per
// thread as on the device so a helper thread of a backend cannot disturb it.
#include "winbase.h"

namespace {
thread_local DWORD gLastError = 0;
}

DWORD WINAPI GetLastError(void)
{
    return gLastError;
}

void WINAPI SetLastError(DWORD error)
{
    gLastError = error;
}
