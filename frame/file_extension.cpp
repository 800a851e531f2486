#include "file_extension.h"

#include <string.h>

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool hasExtension(const char *name, const char *extension) {
    const char *dot = strrchr(name, '.');
    if (!dot) return false;
    for (; *dot && *extension; ++dot, ++extension)
        if (lowerAscii(*dot) != lowerAscii(*extension)) return false;
    return *dot == '\0' && *extension == '\0';
}
