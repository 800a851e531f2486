// Substitutes one file's tag values for the placeholders of a renamer template.
#pragma once

#include "tag_fields.h"

#include <stdint.h>

// Expands templateText into output (outputSize bytes, at least 1), cut to outputSize - 1
// characters and NUL-padded. An empty template delivers defaultText unchanged.
void expandTemplate(const char *defaultText, const char *templateText, char *output,
                    int32_t outputSize, const TagFields *fields);
