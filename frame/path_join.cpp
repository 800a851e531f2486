#include "path_join.h"

#include <string.h>

char pathSeparator(const char *directory) {
    const char *backslash = strrchr(directory, '\\');
    const char *slash = strrchr(directory, '/');
    if (backslash || slash) return (backslash > slash) ? '\\' : '/';
#if defined(_WIN32)
    return '\\';
#else
    return '/';
#endif
}

bool joinPath(char *out, size_t outSize, const char *directory, const char *name,
              bool keepTrailingSeparator) {
    size_t directoryLength = strlen(directory);
    size_t nameLength = strlen(name);
    if (outSize > 0) out[0] = '\0';
    if (directoryLength == 0) return false;
    char separator = pathSeparator(directory);
    bool addSeparator = !(keepTrailingSeparator && directory[directoryLength - 1] == separator);
    size_t needed = directoryLength + (addSeparator ? 1 : 0) + nameLength + 1;
    if (needed > outSize) return false;
    memcpy(out, directory, directoryLength);
    size_t at = directoryLength;
    if (addSeparator) out[at++] = separator;
    memcpy(out + at, name, nameLength + 1);
    return true;
}
