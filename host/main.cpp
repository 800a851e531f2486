// disclist: scans a directory tree into the host records, runs the plug-ins over it, sorts and
// prints the listing, and keeps the plug-ins' settings.
//
// Exit status: 0 success, 1 failure (the settings file is then left as it was), 2 usage.
#include "listing.h"
#include "options.h"
#include "plugins.h"
#include "print_json.h"
#include "print_text.h"
#include "registry_tree.h"
#include "scan.h"
#include "settings_file.h"
#include "sort.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

int fail(const std::string &message) {
    std::fprintf(stderr, "disclist: %s\n", message.c_str());
    return 1;
}

void warn(const std::string &message) {
    std::fprintf(stderr, "disclist: warning: %s\n", message.c_str());
}

void unloadAll(std::vector<Plugin> &plugins) {
    for (auto &plugin : plugins) unloadPlugin(&plugin);
}

} // namespace

int main(int argc, char **argv) {
    Options options;
    std::string error;
    if (!parseOptions(argc, argv, &options, &error)) {
        std::fprintf(stderr, "disclist: %s (see disclist --help)\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(usageText, stdout);
        return 0;
    }

    // Settings first: everything below works on the registry, which on POSIX is the file's.
    std::string settingsFile =
        options.settingsFileGiven ? options.settingsFile : defaultSettingsFile();
    if (!settingsFile.empty() && !loadSettingsFile(settingsFile, &error)) return fail(error);
    for (const auto &assignment : options.assignments)
        if (!storeRegistryValue(pluginKeyPath(assignment.plugin), assignment.value, &error))
            return fail(error);

    // Every plug-in is found and checked before the scan, so a missing one costs no scan.
    std::vector<Plugin> plugins;
    for (const auto &argument : options.plugins) {
        Plugin plugin;
        if (!loadPlugin(argument, options.pluginDirectory, &plugin, &error)) {
            unloadAll(plugins);
            return fail(error);
        }
        plugins.push_back(plugin);
    }

    ScannedTree tree;
    std::vector<std::string> warnings;
    if (!scanTree(options.directory, &tree, &warnings, &error)) {
        unloadAll(plugins);
        return fail(error);
    }
    for (const auto &warning : warnings) warn(warning);

    for (auto &plugin : plugins) {
        std::string warning;
        bool ran = runPlugin(plugin, tree.root(), options.directory, &error, &warning);
        if (!warning.empty()) warn(warning);
        unloadPlugin(&plugin);
        if (!ran) {
            unloadAll(plugins);
            return fail(error);
        }
    }

    sortTree(tree.root(), options.sort);

#if !defined(_WIN32)
    // On Windows the registry keeps the settings itself; here the file is the registry's store.
    if (!options.noSave && !settingsFile.empty() && !saveSettingsFile(settingsFile, &error))
        return fail(error);
#endif

    std::string out;
    if (options.format == OutputFormat::json)
        printJson(out, tree.root(), options.directory);
    else
        printText(out, tree.root(), options.directory);
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0)
        return fail("cannot write the listing to standard output");
    return 0;
}
