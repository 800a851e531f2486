// Copies a text into one of the fixed text fields of a FileEntry.
#pragma once

#include <stddef.h>

// At most fieldSize - 1 characters; the rest of the field, and always its last byte, NUL.
void copyToField(char *field, size_t fieldSize, const char *text);
