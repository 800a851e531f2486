// Loads a plug-in the way a host does: by bare file name from the directory of the running
// program (the tests run in bin/, beside the plug-ins), then its four entry points.
#pragma once

#include "frame/filefilter.h"

#include <string>

struct PluginModule {
    HMODULE module = nullptr;
    FileFilterInitializeProc initialize = nullptr;
    FileFilterUserInterfaceProc userInterface = nullptr;
    FileFilterExecuteProc execute = nullptr;
    FileFilterUninitializeProc uninitialize = nullptr;

    explicit PluginModule(const char *stem) {
#if defined(_WIN32)
        std::string file = std::string(stem) + ".dll";
#else
        std::string file = std::string(stem) + ".so";
#endif
        module = LoadLibraryA(file.c_str());
        if (!module) return;
        initialize = reinterpret_cast<FileFilterInitializeProc>(
            reinterpret_cast<void *>(GetProcAddress(module, "FileFilterInitialize")));
        userInterface = reinterpret_cast<FileFilterUserInterfaceProc>(
            reinterpret_cast<void *>(GetProcAddress(module, "FileFilterUserInterface")));
        execute = reinterpret_cast<FileFilterExecuteProc>(
            reinterpret_cast<void *>(GetProcAddress(module, "FileFilterExecute")));
        uninitialize = reinterpret_cast<FileFilterUninitializeProc>(
            reinterpret_cast<void *>(GetProcAddress(module, "FileFilterUninitialize")));
    }
    ~PluginModule() {
        if (module) FreeLibrary(module);
    }
    PluginModule(const PluginModule &) = delete;
    PluginModule &operator=(const PluginModule &) = delete;

    bool loaded() const {
        return module && initialize && userInterface && execute && uninitialize;
    }
};
