// The subset's table of loaded modules. A module's HINSTANCE (and HMODULE) is the address of
// its record, so that the handle DllMain receives while the loader maps the module is the one
// LoadLibraryA returns afterwards. The table and its lock are shared by modules.cpp and by the
// parts of the subset that read a module's resources.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>

struct W32Module {
    std::string path;        // the module file's canonical path; modules are matched by it
    const void *resources;   // the module's resource data, null when it has none
    unsigned loadCount;      // LoadLibraryA calls not yet matched by FreeLibrary
    void *loaderHandle;      // the dlopen handle, null until LoadLibraryA has loaded it
    bool registeredByModule; // made by w32AttachModule, so w32DetachModule removes it
};

// Locks the table; records may be read while the lock is held.
std::unique_lock<std::mutex> w32LockModules();
// The record behind a handle, or null when the handle names no live module. The table must
// be locked.
W32Module *w32FindModule(HINSTANCE module);
