// Compiled into every plug-in of the POSIX build: when the dynamic loader maps the module, ask
// the subset for the module's handle and run the module's DllMain with it, as the Windows
// loader does; run it again when the module is unmapped.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

// Defined by the resource data generated from the module's .rc file, when it has one.
extern "C" __attribute__((weak, visibility("hidden"))) const unsigned char w32ModuleResourceData[];

namespace {

HINSTANCE hookInstance;

__attribute__((constructor)) void attachModule() {
    hookInstance =
        w32AttachModule(reinterpret_cast<const void *>(&attachModule), w32ModuleResourceData);
    DllMain(hookInstance, DLL_PROCESS_ATTACH, nullptr);
}

__attribute__((destructor)) void detachModule() {
    DllMain(hookInstance, DLL_PROCESS_DETACH, nullptr);
    w32DetachModule(hookInstance);
}

} // namespace
