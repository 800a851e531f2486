#include "settings_file.h"

#include "registry_tree.h"
#include "settings_text.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace {

enum class ReadResult { ok, missing, failed };

ReadResult readWholeFile(const std::string &file, std::string *text, std::string *error) {
    std::error_code ec;
    fs::file_status status = fs::status(fs::path(file), ec);
    if (!fs::exists(status)) return ReadResult::missing;
    if (fs::is_directory(status)) {
        *error = "cannot read " + file + ": it is a directory";
        return ReadResult::failed;
    }
    FILE *in = std::fopen(file.c_str(), "rb");
    if (!in) {
        *error = "cannot read " + file + ": " + std::strerror(errno);
        return ReadResult::failed;
    }
    text->clear();
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0) text->append(buffer, got);
    bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed) {
        *error = "cannot read " + file;
        return ReadResult::failed;
    }
    return ReadResult::ok;
}

// A name beside the file that no other run picks at the same time.
std::string temporaryName(const std::string &file) {
    std::random_device random;
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".tmp-%08x%08x", static_cast<unsigned>(random()),
                  static_cast<unsigned>(random()));
    return file + suffix;
}

} // namespace

std::string defaultSettingsFile() {
#if defined(_WIN32)
    return std::string();
#else
    const char *config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config) return std::string(config) + "/disclist/settings.reg";
    const char *home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.config/disclist/settings.reg";
    return std::string();
#endif
}

bool loadSettingsFile(const std::string &file, std::string *error) {
    std::string text;
    ReadResult read = readWholeFile(file, &text, error);
    if (read == ReadResult::missing) return true;
    if (read == ReadResult::failed) return false;
    std::vector<RegistryKeyRecord> keys;
    SettingsTextError parseError;
    if (!parseSettingsText(text, &keys, &parseError)) {
        *error = file + ":" + std::to_string(parseError.line) + ": " + parseError.message;
        return false;
    }
    if (!importRegistryKeys(keys, error)) {
        *error = file + ": " + *error;
        return false;
    }
    return true;
}

bool saveSettingsFile(const std::string &file, std::string *error) {
    std::vector<RegistryKeyRecord> keys;
    std::string text;
    if (!exportRegistryKeys(&keys, error) || !formatSettingsText(keys, &text, error)) {
        *error = "cannot save " + file + ": " + *error;
        return false;
    }
    std::string old;
    std::string readError;
    ReadResult read = readWholeFile(file, &old, &readError);
    if (read == ReadResult::ok && old == text) return true;
    if (read == ReadResult::missing && keys.empty()) return true;

    fs::path target(file);
    std::error_code ec;
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), ec);
        if (ec) {
            *error = "cannot create the directory of " + file + ": " + ec.message();
            return false;
        }
    }
    std::string temporary = temporaryName(file);
    FILE *out = std::fopen(temporary.c_str(), "wb");
    if (!out) {
        *error = "cannot write " + temporary + ": " + std::strerror(errno);
        return false;
    }
    bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    written = std::fflush(out) == 0 && written;
    written = std::fclose(out) == 0 && written;
    if (!written) {
        std::remove(temporary.c_str());
        *error = "cannot write " + temporary;
        return false;
    }
    fs::rename(fs::path(temporary), target, ec);
    if (ec) {
        std::remove(temporary.c_str());
        *error = "cannot replace " + file + ": " + ec.message();
        return false;
    }
    return true;
}
