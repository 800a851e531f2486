// wsprintfA: formatted output into a buffer of at most 1024 bytes, with the conversions
// %d %i %u %x %X %c %s (flags '-', '0', width; no precision for numbers; 'l' accepted).
// Returns the number of characters written, not counting the terminating NUL.
#pragma once

#include "types.h"

W32API int wsprintfA(LPSTR buffer, LPCSTR format, ...);
