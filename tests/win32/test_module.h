// The exports of the loader tests' module (test_module.cpp), as both sides see them.
#pragma once

#include <windows.h>

#ifdef _WIN32
#define TEST_MODULE_EXPORT extern "C" __declspec(dllexport)
#else
#define TEST_MODULE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

typedef void (*TestModuleSink)(HINSTANCE instance, DWORD reason);

// The handle that the module's DllMain received with DLL_PROCESS_ATTACH.
typedef HINSTANCE (*TestModuleInstanceProc)();
// Sets the function that DllMain calls on DLL_PROCESS_ATTACH and DLL_PROCESS_DETACH.
typedef void (*TestModuleSetSinkProc)(TestModuleSink sink);
#ifndef _WIN32
// The resource data that the module registered with the subset.
typedef const void *(*TestModuleResourcesProc)();
#endif
