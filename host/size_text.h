// The size text that the host puts into an entry's comment: "0 bytes", "1 byte", "1023 bytes",
// then two decimals in KB, MB or GB (units of 1024): "1.00KB", "1.43MB", "4.70GB".
#pragma once

#include <stddef.h>
#include <stdint.h>

// Writes the text for size into out (outSize bytes, at least 16 for every size), always
// NUL-terminated; a negative size counts as 0.
void formatSizeText(int64_t size, char *out, size_t outSize);
