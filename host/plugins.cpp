#include "plugins.h"

#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

#if defined(_WIN32)
const char pluginSuffix[] = ".dll";
#else
const char pluginSuffix[] = ".so";
#endif

bool hasSeparator(const std::string &s) {
#if defined(_WIN32)
    return s.find_first_of("\\/") != std::string::npos;
#else
    return s.find('/') != std::string::npos;
#endif
}

// The exported functions as function pointers; a data pointer cast keeps the compilers quiet
// about converting between function types.
template <typename Proc> Proc findExport(HMODULE module, const char *name) {
    return reinterpret_cast<Proc>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

} // namespace

std::string programDirectory() {
    std::vector<char> buffer(4096);
    for (;;) {
        DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return ".";
        if (length < buffer.size() - 1) {
            std::string file(buffer.data(), length);
            size_t cut = file.find_last_of(
#if defined(_WIN32)
                "\\/"
#else
                "/"
#endif
            );
            return cut == std::string::npos ? std::string(".") : file.substr(0, cut);
        }
        // Cut to size: try a larger buffer.
        if (buffer.size() >= 65536) return ".";
        buffer.resize(buffer.size() * 2);
    }
}

std::string pluginFile(const std::string &argument, const std::string &pluginDirectory) {
    if (hasSeparator(argument)) return argument;
    std::string directory = pluginDirectory.empty() ? programDirectory() : pluginDirectory;
#if defined(_WIN32)
    const char separator = '\\';
#else
    const char separator = '/';
#endif
    if (!directory.empty() && directory.back() != separator && directory.back() != '/')
        directory += separator;
    return directory + argument + pluginSuffix;
}

std::string pluginKeyPath(const std::string &name) {
    return "Software\\disclist\\" + name;
}

bool loadPlugin(const std::string &argument, const std::string &pluginDirectory, Plugin *plugin,
                std::string *error) {
    *plugin = Plugin{};
    plugin->file = pluginFile(argument, pluginDirectory);
    plugin->name = fs::path(plugin->file).stem().string();
    std::error_code ec;
    if (!fs::is_regular_file(fs::path(plugin->file), ec)) {
        *error = "plug-in not found: " + plugin->file;
        return false;
    }
    plugin->module = LoadLibraryA(plugin->file.c_str());
    if (!plugin->module) {
        *error = "cannot load plug-in " + plugin->file + " (error " +
                 std::to_string(GetLastError()) + ")";
        return false;
    }
    plugin->initialize =
        findExport<FileFilterInitializeProc>(plugin->module, "FileFilterInitialize");
    plugin->execute = findExport<FileFilterExecuteProc>(plugin->module, "FileFilterExecute");
    plugin->uninitialize =
        findExport<FileFilterUninitializeProc>(plugin->module, "FileFilterUninitialize");
    plugin->userInterface =
        findExport<FileFilterUserInterfaceProc>(plugin->module, "FileFilterUserInterface");
    const char *missing = !plugin->initialize      ? "FileFilterInitialize"
                          : !plugin->execute       ? "FileFilterExecute"
                          : !plugin->uninitialize  ? "FileFilterUninitialize"
                          : !plugin->userInterface ? "FileFilterUserInterface"
                                                   : nullptr;
    if (missing) {
        *error = "plug-in " + plugin->file + " lacks the export " + missing;
        unloadPlugin(plugin);
        return false;
    }
    return true;
}

bool runPlugin(const Plugin &plugin, FileList *root, const std::string &path, std::string *error,
               std::string *warning) {
    HKEY key = nullptr;
    std::string keyPath = pluginKeyPath(plugin.name);
    LSTATUS status =
        RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        *error = "cannot open the settings key HKEY_CURRENT_USER\\" + keyPath + " (error " +
                 std::to_string(status) + ")";
        return false;
    }
    FileFilterInfo info;
    std::memset(&info, 0, sizeof info);
    info.version = FILEFILTER_VERSION;
    info.settingsKey = key;
    if (plugin.initialize(&info) == 0) {
        RegCloseKey(key);
        *error = "plug-in " + plugin.file + " refused interface version " +
                 std::to_string(FILEFILTER_VERSION);
        return false;
    }
    FileList *result = plugin.execute(&info, root, 0, 0, path.c_str());
    if (result != root)
        *warning = "plug-in " + plugin.file +
                   " returned another listing than it was given; "
                   "the host keeps its own";
    plugin.uninitialize(&info);
    RegCloseKey(key);
    return true;
}

void unloadPlugin(Plugin *plugin) {
    if (plugin->module) FreeLibrary(plugin->module);
    plugin->module = nullptr;
    plugin->initialize = nullptr;
    plugin->execute = nullptr;
    plugin->uninitialize = nullptr;
    plugin->userInterface = nullptr;
}
