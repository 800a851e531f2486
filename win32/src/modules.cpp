// Modules over the dynamic loader. Each plug-in registers itself from its constructor while
// dlopen maps it (win32/module_hook.cpp calls w32AttachModule), and LoadLibraryA then returns
// that same record, so the handle the host holds is the one the module's DllMain received.
#include "module_table.h"

#include <dlfcn.h>
#include <limits.h>
#include <link.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {

struct ModuleTable {
    std::mutex lock;
    std::vector<W32Module *> modules;
};

// Never destroyed: modules still mapped at exit detach from their destructors, which the
// loader runs after the static objects of this library are gone.
ModuleTable &table() {
    static ModuleTable *modules = new ModuleTable;
    return *modules;
}

std::string executablePath() {
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return std::string();
    return std::string(path, static_cast<size_t>(length));
}

// The path by which modules are matched: symbolic links and relative parts resolved.
std::string canonicalPath(const char *path) {
    char resolved[PATH_MAX];
    if (path == nullptr || *path == '\0') return std::string();
    if (realpath(path, resolved) == nullptr) return std::string(path);
    return std::string(resolved);
}

// The path of the file that the loader mapped for a dlopen handle.
std::string loadedPath(void *handle, const std::string &requested) {
    struct link_map *map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map != nullptr && map->l_name != nullptr &&
        *map->l_name != '\0') {
        return canonicalPath(map->l_name);
    }
    return canonicalPath(requested.c_str());
}

W32Module *findByPath(const std::string &path) {
    for (W32Module *module : table().modules) {
        if (module->path == path) return module;
    }
    return nullptr;
}

void removeModule(W32Module *module) {
    std::vector<W32Module *> &modules = table().modules;
    modules.erase(std::remove(modules.begin(), modules.end(), module), modules.end());
    delete module;
}

// A bare name without an extension gets the platform's library suffix, as Windows appends
// ".dll"; a trailing '.' says that the name has no extension and is dropped.
std::string withLibrarySuffix(std::string name) {
    if (!name.empty() && name.back() == '.') {
        name.pop_back();
    } else if (name.find('.') == std::string::npos) {
        name += ".so";
    }
    return name;
}

} // namespace

std::unique_lock<std::mutex> w32LockModules() {
    return std::unique_lock<std::mutex>(table().lock);
}

W32Module *w32FindModule(HINSTANCE module) {
    W32Module *record = reinterpret_cast<W32Module *>(module);
    for (W32Module *candidate : table().modules) {
        if (candidate == record) return record;
    }
    return nullptr;
}

HINSTANCE w32AttachModule(const void *anchor, const void *resources) {
    Dl_info info;
    std::string path;
    if (dladdr(anchor, &info) != 0 && info.dli_fname != nullptr && *info.dli_fname != '\0') {
        path = canonicalPath(info.dli_fname);
    } else {
        path = executablePath(); // a module linked into the executable itself
    }
    std::unique_lock<std::mutex> lock = w32LockModules();
    W32Module *module = findByPath(path);
    if (module == nullptr) {
        module = new W32Module{path, nullptr, 0, nullptr, false};
        table().modules.push_back(module);
    }
    module->resources = resources;
    module->registeredByModule = true;
    return reinterpret_cast<HINSTANCE>(module);
}

void w32DetachModule(HINSTANCE module) {
    std::unique_lock<std::mutex> lock = w32LockModules();
    W32Module *record = w32FindModule(module);
    if (record != nullptr) removeModule(record);
}

const void *w32ModuleResources(HINSTANCE module) {
    std::unique_lock<std::mutex> lock = w32LockModules();
    W32Module *record = w32FindModule(module);
    return record != nullptr ? record->resources : nullptr;
}

HMODULE LoadLibraryA(LPCSTR fileName) {
    if (fileName == nullptr || *fileName == '\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::string name = fileName;
    void *handle = nullptr;
    if (name.find('/') == std::string::npos) {
        name = withLibrarySuffix(name);
        // The application's directory first, then the loader's own search.
        std::string executable = executablePath();
        size_t slash = executable.rfind('/');
        if (slash != std::string::npos) {
            std::string candidate = executable.substr(0, slash + 1) + name;
            if (access(candidate.c_str(), F_OK) == 0) {
                handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
                if (handle != nullptr) name = candidate;
            }
        }
    }
    // The module table is not locked while the loader runs: the module's constructor
    // registers it through w32AttachModule.
    if (handle == nullptr) handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }

    std::string path = loadedPath(handle, name);
    std::unique_lock<std::mutex> lock = w32LockModules();
    W32Module *module = findByPath(path);
    if (module == nullptr) {
        // A library without the start-up hook: it gets a record of its own.
        module = new W32Module{path, nullptr, 0, nullptr, false};
        table().modules.push_back(module);
    }
    if (module->loaderHandle == nullptr) module->loaderHandle = handle;
    ++module->loadCount;
    return reinterpret_cast<HMODULE>(module);
}

BOOL FreeLibrary(HMODULE module) {
    void *handle;
    {
        std::unique_lock<std::mutex> lock = w32LockModules();
        W32Module *record = w32FindModule(module);
        if (record == nullptr || record->loadCount == 0 || record->loaderHandle == nullptr) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        handle = record->loaderHandle;
        if (--record->loadCount == 0) {
            record->loaderHandle = nullptr;
            if (!record->registeredByModule) removeModule(record);
        }
    }
    // Unlocked: the last dlclose runs the module's destructor, which detaches it.
    if (dlclose(handle) != 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName) {
    // Lookups by ordinal (a number below 0x10000 in place of the name) are not supported.
    if (procName == nullptr || (reinterpret_cast<uintptr_t>(procName) >> 16) == 0) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    std::unique_lock<std::mutex> lock = w32LockModules();
    void *handle = nullptr;
    bool temporary = false;
    if (module == nullptr) {
        handle = dlopen(nullptr, RTLD_NOW);
        temporary = true;
    } else {
        W32Module *record = w32FindModule(module);
        if (record == nullptr) {
            SetLastError(ERROR_INVALID_HANDLE);
            return nullptr;
        }
        handle = record->loaderHandle;
        if (handle == nullptr) {
            // Mapped but not loaded through LoadLibraryA (linked in, or being loaded).
            handle = dlopen(record->path.c_str(), RTLD_NOW | RTLD_NOLOAD);
            temporary = true;
        }
    }
    if (handle == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }

    void *symbol = dlsym(handle, procName);
    // dlsym also searches the module's dependencies; a module exports only its own symbols.
    if (symbol != nullptr) {
        struct link_map *moduleMap = nullptr;
        struct link_map *symbolMap = nullptr;
        Dl_info info;
        if (dlinfo(handle, RTLD_DI_LINKMAP, &moduleMap) != 0 ||
            dladdr1(symbol, &info, reinterpret_cast<void **>(&symbolMap), RTLD_DL_LINKMAP) == 0 ||
            symbolMap != moduleMap) {
            symbol = nullptr;
        }
    }
    if (temporary) dlclose(handle);
    if (symbol == nullptr) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size) {
    std::string path;
    if (module == nullptr) {
        path = executablePath();
    } else {
        std::unique_lock<std::mutex> lock = w32LockModules();
        W32Module *record = w32FindModule(module);
        if (record == nullptr) {
            SetLastError(ERROR_INVALID_HANDLE);
            return 0;
        }
        path = record->path;
    }
    if (fileName == nullptr || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (path.size() < size) {
        memcpy(fileName, path.c_str(), path.size() + 1);
        return static_cast<DWORD>(path.size());
    }
    // Cut to size - 1 characters and terminated; the result is the buffer's size.
    memcpy(fileName, path.data(), size - 1);
    fileName[size - 1] = '\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
}
