#include "options.h"

#include <cstring>

const char usageText[] =
    "usage: disclist [--plugin NAME|PATH]... [--plugin-dir DIR] [--settings FILE]\n"
    "                [--set PLUGIN:VALUE=DATA]... [--no-save] [--sort none|name|size]\n"
    "                [--format text|json] DIR\n"
    "\n"
    "Scans DIR, runs the plug-ins over the listing in the order given, and prints it.\n"
    "  --plugin NAME|PATH     a plug-in: NAME is NAME.so (NAME.dll on Windows) in the\n"
    "                         plug-in directory; a path (with a separator) is that file\n"
    "  --plugin-dir DIR       where NAMEs are looked up (default: beside disclist)\n"
    "  --settings FILE        the settings file (default: $XDG_CONFIG_HOME/disclist/\n"
    "                         settings.reg, else ~/.config/disclist/settings.reg); on\n"
    "                         Windows the file is imported into the registry\n"
    "  --set PLUGIN:VALUE=DATA  store a value under the plug-in's key before it starts;\n"
    "                         DATA as in a registry export: dword:00000001,\n"
    "                         hex:01,00,00,00 or \"text\"\n"
    "  --no-save              leave the settings file as it was\n"
    "  --sort none|name|size  sort every listing after the plug-ins ran (default none)\n"
    "  --format text|json     output format (default text)\n"
    "  --help                 this text\n";

namespace {

bool isSeparatorIn(const std::string &s, char c) {
    return s.find(c) != std::string::npos;
}

} // namespace

bool parseAssignment(const std::string &argument, SettingAssignment *assignment,
                     std::string *error) {
    size_t colon = argument.find(':');
    size_t equals = colon == std::string::npos ? colon : argument.find('=', colon + 1);
    if (colon == std::string::npos || equals == std::string::npos) {
        *error = "--set needs PLUGIN:VALUE=DATA, got \"" + argument + "\"";
        return false;
    }
    assignment->plugin = argument.substr(0, colon);
    std::string name = argument.substr(colon + 1, equals - colon - 1);
    std::string data = argument.substr(equals + 1);
    if (assignment->plugin.empty() || isSeparatorIn(assignment->plugin, '\\') ||
        isSeparatorIn(assignment->plugin, '/')) {
        *error = "--set needs a plug-in name before ':', got \"" + argument + "\"";
        return false;
    }
    if (name.empty()) {
        *error = "--set needs a value name after ':' (@ for the default value), got \"" + argument +
                 "\"";
        return false;
    }
    assignment->value = RegistryValue{};
    assignment->value.name = name == "@" ? std::string() : name;
    bool exportSyntax = (!data.empty() && data[0] == '"') || data.compare(0, 6, "dword:") == 0 ||
                        data.compare(0, 4, "hex:") == 0 || data.compare(0, 4, "hex(") == 0;
    if (!exportSyntax) {
        assignment->value.type = REG_SZ;
        assignment->value.data.assign(data.begin(), data.end());
        assignment->value.data.push_back(0);
        return true;
    }
    std::string message;
    if (!parseValueData(data, &assignment->value, &message)) {
        *error = "--set " + argument + ": " + message;
        return false;
    }
    return true;
}

bool parseOptions(int argc, char **argv, Options *options, std::string *error) {
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            operands.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = word;
        std::string argument;
        bool hasArgument = false;
        size_t equals = word.find('=');
        if (word.compare(0, 2, "--") == 0 && equals != std::string::npos) {
            name = word.substr(0, equals);
            argument = word.substr(equals + 1);
            hasArgument = true;
        }
        if (name == "--help" || name == "-h") {
            options->help = true;
            continue;
        }
        if (name == "--no-save") {
            if (hasArgument) {
                *error = "--no-save takes no argument";
                return false;
            }
            options->noSave = true;
            continue;
        }
        static const char *const withArgument[] = {"--plugin", "--plugin-dir", "--settings",
                                                   "--set",    "--sort",       "--format"};
        bool known = false;
        for (const char *option : withArgument) known = known || name == option;
        if (!known) {
            *error = "unknown option " + name;
            return false;
        }
        if (!hasArgument) {
            if (i + 1 >= argc) {
                *error = name + " needs an argument";
                return false;
            }
            argument = argv[++i];
        }
        if (name == "--plugin") {
            if (argument.empty()) {
                *error = "--plugin needs a name or a path";
                return false;
            }
            options->plugins.push_back(argument);
        } else if (name == "--plugin-dir") {
            options->pluginDirectory = argument;
        } else if (name == "--settings") {
            if (argument.empty()) {
                *error = "--settings needs a file";
                return false;
            }
            options->settingsFile = argument;
            options->settingsFileGiven = true;
        } else if (name == "--set") {
            SettingAssignment assignment;
            if (!parseAssignment(argument, &assignment, error)) return false;
            options->assignments.push_back(std::move(assignment));
        } else if (name == "--sort") {
            if (argument == "none")
                options->sort = SortOrder::none;
            else if (argument == "name")
                options->sort = SortOrder::name;
            else if (argument == "size")
                options->sort = SortOrder::size;
            else {
                *error = "--sort takes none, name or size, not \"" + argument + "\"";
                return false;
            }
        } else if (name == "--format") {
            if (argument == "text")
                options->format = OutputFormat::text;
            else if (argument == "json")
                options->format = OutputFormat::json;
            else {
                *error = "--format takes text or json, not \"" + argument + "\"";
                return false;
            }
        }
    }
    if (options->help) return true;
    if (operands.empty()) {
        *error = "no directory to list";
        return false;
    }
    if (operands.size() > 1) {
        *error = "one directory only, got \"" + operands[0] + "\" and \"" + operands[1] + "\"";
        return false;
    }
    options->directory = operands[0];
    return true;
}
