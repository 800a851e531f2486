// The calling thread and the system clock.
#pragma once

#include "types.h"

W32API DWORD GetCurrentThreadId(void);
// Milliseconds since an arbitrary start, wrapping around after about 49.7 days.
W32API DWORD GetTickCount(void);
W32API void Sleep(DWORD milliseconds);
