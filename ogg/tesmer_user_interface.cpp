// The Ogg renamer's settings dialog is not built yet: until it is, report what the platform
// reports for a dialog that cannot be created.
#include "filefilter.h"

extern "C" int32_t __cdecl FileFilterUserInterface(FileFilterInfo *info, HWND parent) {
    (void)info;
    (void)parent;
    return -1;
}
