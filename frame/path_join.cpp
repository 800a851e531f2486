#include "path_join.h"

#include <string.h>

char pathSeparator(const char *directory) {
    const char *backslash = strrchr(directory, '\\');
    const char *slash = strrchr(directory, '/');
#if defined(_WIN32)
    // Both are separators here; keep to the one that the path already uses.
    if (backslash || slash) return (backslash > slash) ? '\\' : '/';
    return '\\';
#else
    // Here a backslash is an ordinary character of a name ("AC\DC"). Only a path in the other
    // platform's form, with a drive ("C:\Music") or a server ("\\server\music") in front and
    // no slash anywhere, is joined with a backslash.
    bool drive = ((directory[0] >= 'A' && directory[0] <= 'Z') ||
                  (directory[0] >= 'a' && directory[0] <= 'z')) &&
                 directory[1] == ':';
    bool server = directory[0] == '\\' && directory[1] == '\\';
    return (!slash && backslash && (drive || server)) ? '\\' : '/';
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
