// A module for the loader tests: its DllMain keeps the handle it was given and reports every
// process attach and detach to a function the test program hands it.
#include <windows.h>

#include "test_module.h"

namespace {
HINSTANCE attachedInstance;
TestModuleSink sink;
} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) attachedInstance = instance;
    if (sink != nullptr && (reason == DLL_PROCESS_ATTACH || reason == DLL_PROCESS_DETACH)) {
        sink(instance, reason);
    }
    return TRUE;
}

TEST_MODULE_EXPORT HINSTANCE testModuleInstance() {
    return attachedInstance;
}

TEST_MODULE_EXPORT void testModuleSetSink(TestModuleSink newSink) {
    sink = newSink;
}

#ifndef _WIN32
// Stands for the resource data generated from a module's .rc file, which the start-up hook
// registers with the module.
extern "C" __attribute__((visibility("hidden")))
const unsigned char w32ModuleResourceData[] = {'r', 'e', 's', 0};

TEST_MODULE_EXPORT const void *testModuleResources() {
    return w32ModuleResourceData;
}
#endif

// Defined but not exported: GetProcAddress must not find it.
extern "C" int testModuleHidden() {
    return 1;
}
