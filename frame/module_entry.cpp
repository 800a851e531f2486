// The library entry point of every plug-in. Compiled into each plug-in itself (not taken from
// the frame library), so each module keeps its own handle.
#include "module_instance.h"

HINSTANCE moduleInstance;

// Whatever the reason code, keep the handle: it is the resource module of the dialogs.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)reason;
    (void)reserved;
    moduleInstance = instance;
    return TRUE;
}
