// The settings file: the text of HKEY_CURRENT_USER that the host keeps between runs on POSIX,
// where the registry lives only as long as the process. The whole tree is imported at start and
// exported at the end, so keys and values that the host does not know are kept. On Windows the
// real registry keeps the settings, and a settings file is only imported.
#pragma once

#include <string>

// $XDG_CONFIG_HOME/disclist/settings.reg, else ~/.config/disclist/settings.reg; empty when
// neither variable is set, and always empty on Windows (no default file there).
std::string defaultSettingsFile();

// Imports the file into HKEY_CURRENT_USER. A missing file imports nothing. The file is parsed
// whole before anything is imported, so a malformed file changes nothing; *error is then
// "FILE:LINE: what is wrong".
bool loadSettingsFile(const std::string &file, std::string *error);

// Exports HKEY_CURRENT_USER into the file: a temporary file in the same directory (created when
// missing) is written, flushed and renamed over the old one, so the file is always either the
// old or the new one whole. An unchanged text leaves the file alone, and an empty registry
// creates no file.
bool saveSettingsFile(const std::string &file, std::string *error);
