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
// (win32/module_hook.cpp): registers the module that contains `anchor` and returns its handle.
W32API HINSTANCE w32AttachModule(const void *anchor);
W32API void w32DetachModule(HINSTANCE module);
