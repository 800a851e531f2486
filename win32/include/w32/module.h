// Modules: a plug-in library as the host loads it. On POSIX a module is a shared object; the
// subset runs the module's DllMain when it is loaded and gives it a handle of its own.
#pragma once

#include "types.h"

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1

// A bare name (no '/') is looked up in the directory of the running executable first, as
// Windows looks in the application directory, then by the dynamic loader's own search.
W32API HMODULE LoadLibraryA(LPCSTR fileName);
W32API FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
W32API BOOL FreeLibrary(HMODULE module);
// The path of the module's file (or of the executable for a null module), cut to size - 1.
W32API DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);

// Used by the start-up hook that is compiled into every module of the project
// (win32/module_hook.cpp): registers the module that contains `anchor`, with the module's
// resource data (null when it has none; the format is the dialog manager's), and returns its
// handle. LoadLibraryA returns the same handle for that module.
W32API HINSTANCE w32AttachModule(const void *anchor, const void *resources);
// The resource data that the module registered, or null.
W32API const void *w32ModuleResources(HINSTANCE module);
W32API void w32DetachModule(HINSTANCE module);
