// Finding, loading and driving plug-ins through their life cycle: load, FileFilterInitialize on
// a record whose settingsKey is HKEY_CURRENT_USER\Software\disclist\NAME, FileFilterExecute on
// the root listing, FileFilterUninitialize, unload.
#pragma once

#include "frame/filefilter.h"

#include <string>

struct Plugin {
    std::string name; // the file's stem: names the settings key
    std::string file; // the file that was loaded
    HMODULE module = nullptr;
    FileFilterInitializeProc initialize = nullptr;
    FileFilterExecuteProc execute = nullptr;
    FileFilterUninitializeProc uninitialize = nullptr;
    FileFilterUserInterfaceProc userInterface = nullptr;
};

// The directory of the running program, where the build puts the plug-ins beside disclist.
std::string programDirectory();

// The file for a --plugin argument: an argument with a path separator names the file itself;
// a bare NAME is NAME.so (NAME.dll on Windows) in pluginDirectory.
std::string pluginFile(const std::string &argument, const std::string &pluginDirectory);

// HKEY_CURRENT_USER's subkey that keeps a plug-in's settings: "Software\disclist\NAME".
std::string pluginKeyPath(const std::string &name);

// Loads the plug-in and finds its four exports. On failure nothing stays loaded and *error
// says why: not found, not loadable, or which export is missing.
bool loadPlugin(const std::string &argument, const std::string &pluginDirectory, Plugin *plugin,
                std::string *error);

// Initializes the plug-in with its key, runs it over root with path as the root's path, and
// uninitializes it. Fails only when the plug-in refuses the record; *warning is set when it
// returns another listing than the one it was given (the host keeps its own).
bool runPlugin(const Plugin &plugin, FileList *root, const std::string &path, std::string *error,
               std::string *warning);

void unloadPlugin(Plugin *plugin);
