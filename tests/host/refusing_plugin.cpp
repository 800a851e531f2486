// A plug-in for the host's error tests: it has all four exports and refuses every record.
#include "frame/filefilter.h"

extern "C" int32_t __cdecl FileFilterInitialize(FileFilterInfo *info) {
    (void)info;
    return 0;
}
extern "C" int32_t __cdecl FileFilterUserInterface(FileFilterInfo *info, HWND parent) {
    (void)info;
    (void)parent;
    return 0;
}
extern "C" FileList *__cdecl FileFilterExecute(FileFilterInfo *info, FileList *list, uint32_t passA,
                                               uint32_t passB, const char *path) {
    (void)info;
    (void)passA;
    (void)passB;
    (void)path;
    return list;
}
extern "C" int32_t __cdecl FileFilterUninitialize(FileFilterInfo *info) {
    (void)info;
    return 0;
}
