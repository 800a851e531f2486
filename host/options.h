// The command line:
//   disclist [--plugin NAME|PATH]... [--plugin-dir DIR] [--settings FILE]
//            [--set PLUGIN:VALUE=DATA]... [--no-save] [--sort none|name|size]
//            [--format text|json] DIR
// Every option also takes its argument as --option=ARGUMENT; "--" ends the options.
#pragma once

#include "settings_text.h"
#include "sort.h"

#include <string>
#include <vector>

enum class OutputFormat { text, json };

// One --set: a value to store under HKEY_CURRENT_USER\Software\disclist\PLUGIN.
struct SettingAssignment {
    std::string plugin;
    RegistryValue value; // a VALUE of "@" names the key's default value
};

struct Options {
    std::vector<std::string> plugins; // as given, in order
    std::string pluginDirectory;      // empty: the directory of the running program
    std::string settingsFile;         // empty: the default file
    bool settingsFileGiven = false;
    std::vector<SettingAssignment> assignments;
    bool noSave = false;
    SortOrder sort = SortOrder::none;
    OutputFormat format = OutputFormat::text;
    std::string directory;
    bool help = false;
};

extern const char usageText[];

// Parses argv[1..argc). False, with a one-line *error, for a usage error: an unknown option, a
// missing or bad argument, a malformed --set, no DIR or more than one.
bool parseOptions(int argc, char **argv, Options *options, std::string *error);

// Parses "PLUGIN:VALUE=DATA". DATA is in the syntax of a registry export (dword:00000001,
// hex:01,00, "text"); DATA that starts with none of these is taken as a text as it stands, since
// a shell has usually taken the quotes off.
bool parseAssignment(const std::string &argument, SettingAssignment *assignment,
                     std::string *error);
