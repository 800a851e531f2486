// A plug-in for the host's error tests: it lacks FileFilterExecute.
#include "frame/filefilter.h"

extern "C" int32_t __cdecl FileFilterInitialize(FileFilterInfo *info) {
    if (!info || info->version != FILEFILTER_VERSION) return 0;
    return 1;
}
extern "C" int32_t __cdecl FileFilterUserInterface(FileFilterInfo *info, HWND parent) {
    (void)info;
    (void)parent;
    return 0;
}
extern "C" int32_t __cdecl FileFilterUninitialize(FileFilterInfo *info) {
    (void)info;
    return 0;
}
