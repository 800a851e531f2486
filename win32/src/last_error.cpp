// The calling thread's last-error code, as the calls of the subset set it on failure.
#include <windows.h>

namespace {
thread_local DWORD lastError = ERROR_SUCCESS;
}

DWORD GetLastError(void) {
    return lastError;
}

void SetLastError(DWORD error) {
    lastError = error;
}
