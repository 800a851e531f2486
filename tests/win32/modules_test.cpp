// Loading modules as a host does: by bare name from the program's directory, with the handle
// that the module's DllMain received, its own exports only, reference-counted unloading.
#include <windows.h>

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <utility>
#include <vector>

#include "test_module.h"

namespace {

#ifdef _WIN32
const char moduleFile[] = "w32testmodule.dll";
#else
const char moduleFile[] = "w32testmodule.so";
#endif

std::vector<std::pair<HINSTANCE, DWORD>> moduleEvents;

void recordModuleEvent(HINSTANCE instance, DWORD reason) {
    moduleEvents.push_back(std::make_pair(instance, reason));
}

// An export as the function type it has.
template <typename Proc> Proc lookUp(HMODULE module, const char *name) {
    FARPROC address = GetProcAddress(module, name);
    Proc proc;
    static_assert(sizeof proc == sizeof address, "function pointers of one size");
    memcpy(&proc, &address, sizeof proc);
    return proc;
}

bool endsWith(const std::string &text, const std::string &end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class Modules : public ::testing::Test {
  protected:
    void SetUp() override { moduleEvents.clear(); }
};

TEST_F(Modules, BareNameLoadsWithTheHandleThatDllMainReceived) {
    // Without an extension the platform's library suffix is added.
    HMODULE module = LoadLibraryA("w32testmodule");
    ASSERT_NE(module, nullptr) << GetLastError();
    TestModuleInstanceProc instance = lookUp<TestModuleInstanceProc>(module, "testModuleInstance");
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(instance(), module);

    // A second load, by the full file name, counts a reference on the same module.
    HMODULE again = LoadLibraryA(moduleFile);
    EXPECT_EQ(again, module);
    TestModuleSetSinkProc setSink = lookUp<TestModuleSetSinkProc>(module, "testModuleSetSink");
    ASSERT_NE(setSink, nullptr);
    setSink(recordModuleEvent);
    EXPECT_TRUE(FreeLibrary(again));
    EXPECT_TRUE(moduleEvents.empty()) << "unloaded while a reference was left";

    // The last FreeLibrary unloads the module, which runs DllMain with DLL_PROCESS_DETACH.
    EXPECT_TRUE(FreeLibrary(module));
    ASSERT_EQ(moduleEvents.size(), 1u);
    EXPECT_EQ(moduleEvents[0].first, module);
    EXPECT_EQ(moduleEvents[0].second, static_cast<DWORD>(DLL_PROCESS_DETACH));
}

TEST_F(Modules, ReloadRunsDllMainAgainWithTheNewHandle) {
    HMODULE first = LoadLibraryA(moduleFile);
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(FreeLibrary(first));
    HMODULE second = LoadLibraryA(moduleFile);
    ASSERT_NE(second, nullptr);
    TestModuleInstanceProc instance = lookUp<TestModuleInstanceProc>(second, "testModuleInstance");
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(instance(), second);
    EXPECT_TRUE(FreeLibrary(second));
}

TEST_F(Modules, GetProcAddressFindsOnlyTheModulesOwnExports) {
    HMODULE module = LoadLibraryA(moduleFile);
    ASSERT_NE(module, nullptr);
    EXPECT_NE(GetProcAddress(module, "testModuleInstance"), nullptr);
    // A missing name, a function the module does not export, and one of the C library that
    // the module uses but does not export.
    for (const char *name : {"noSuchFunction", "testModuleHidden", "malloc"}) {
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(GetProcAddress(module, name), nullptr) << name;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND)) << name;
    }
    EXPECT_TRUE(FreeLibrary(module));
}

TEST_F(Modules, MissingLibraryFailsWithModNotFound) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(LoadLibraryA("w32-no-such-module"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

TEST_F(Modules, GetModuleFileNameGivesTheFileAndCutsToTheBuffer) {
    HMODULE module = LoadLibraryA(moduleFile);
    ASSERT_NE(module, nullptr);
    char path[1024];
    DWORD length = GetModuleFileNameA(module, path, sizeof path);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(length, strlen(path));
    EXPECT_TRUE(endsWith(path, moduleFile)) << path;

    // Loading by that path is loading the same module.
    HMODULE byPath = LoadLibraryA(path);
    EXPECT_EQ(byPath, module);
    EXPECT_TRUE(FreeLibrary(byPath));

    char cut[6];
    memset(cut, 'x', sizeof cut);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GetModuleFileNameA(module, cut, 5), 5u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(cut[5], 'x');
#ifndef _WIN32
    EXPECT_EQ(std::string(cut), std::string(path, 4));
#endif

    // The null module is the program itself.
    char program[1024];
    ASSERT_GT(GetModuleFileNameA(nullptr, program, sizeof program), 0u);
#ifdef _WIN32
    EXPECT_TRUE(endsWith(program, "win32_tests.exe")) << program;
#else
    EXPECT_TRUE(endsWith(program, "/win32_tests")) << program;
#endif
    EXPECT_TRUE(FreeLibrary(module));
}

#ifndef _WIN32
TEST_F(Modules, LibraryWithoutTheHookGetsARecordOfItsOwn) {
    // The subset library itself has no start-up hook and is already mapped.
    HMODULE module = LoadLibraryA("libw32subset.so");
    ASSERT_NE(module, nullptr) << GetLastError();
    EXPECT_EQ(LoadLibraryA("libw32subset.so"), module);
    FARPROC closeKey = GetProcAddress(module, "RegCloseKey");
    EXPECT_EQ(reinterpret_cast<void *>(closeKey), reinterpret_cast<void *>(&RegCloseKey));
    EXPECT_EQ(w32ModuleResources(module), nullptr);
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_TRUE(FreeLibrary(module));
    // Freed once too often, or never loaded: refused rather than unloading anything.
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(FreeLibrary(module));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(FreeLibrary(nullptr));
}

TEST_F(Modules, ResourceDataIsTheModules) {
    HMODULE module = LoadLibraryA(moduleFile);
    ASSERT_NE(module, nullptr);
    TestModuleResourcesProc resources =
        lookUp<TestModuleResourcesProc>(module, "testModuleResources");
    ASSERT_NE(resources, nullptr);
    EXPECT_NE(resources(), nullptr);
    EXPECT_EQ(w32ModuleResources(module), resources());
    EXPECT_TRUE(FreeLibrary(module));
    // A handle whose module is gone is no longer a module.
    char path[64];
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GetModuleFileNameA(module, path, sizeof path), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(w32ModuleResources(module), nullptr);
}
#endif

} // namespace
