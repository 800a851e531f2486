// wsprintfA: formatted output into a buffer of at most 1024 bytes (the terminating NUL
// included; longer output is cut), with the conversions %d %i %u %x %X %c %s and %%, the flags
// '-' and '0', a width, a precision (most characters of a string, fewest digits of a number)
// and the sizes 'l' and 'h', which leave integers 32 bits wide (LONG is 32 bits). Returns the
// number of characters written, not counting the terminating NUL.
#pragma once

#include "types.h"

W32API int wsprintfA(LPSTR buffer, LPCSTR format, ...);
