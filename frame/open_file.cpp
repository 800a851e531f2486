#include "open_file.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

FILE *openRegularFile(const char *path) {
    FILE *file = fopen(path, "rb");
#if !defined(_WIN32)
    struct stat status;
    if (file && (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode))) {
        fclose(file);
        return nullptr;
    }
#endif
    return file;
}
