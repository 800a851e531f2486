#include "entry_text.h"

#include <string.h>

void copyToField(char *field, size_t fieldSize, const char *text) {
    strncpy(field, text, fieldSize);
    field[fieldSize - 1] = '\0';
}
