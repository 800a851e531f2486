#include "open_file.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

FILE *openRegularFile(const char *path) {
#if !defined(_WIN32)
    // Asked before the open: opening a named pipe waits for a writer, and a device may block
    // or answer without end.
    struct stat status;
    if (stat(path, &status) != 0 || !S_ISREG(status.st_mode)) return nullptr;
#endif
    FILE *file = fopen(path, "rb");
#if !defined(_WIN32)
    // The path may have been replaced in between.
    if (file && (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode))) {
        fclose(file);
        return nullptr;
    }
#endif
    return file;
}
