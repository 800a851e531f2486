#include "renamer_settings.h"

#include <stdlib.h>
#include <string.h>

uint32_t renameEnabled;

namespace {

const char defaultNameTemplate[] = "%title% - %artist%";
const char defaultCommentTemplate[] = "%duration%";

void queryValue(HKEY key, const char *name, void *destination, DWORD size) {
    DWORD type = 0;
    DWORD bytes = size;
    RegQueryValueExA(key, name, nullptr, &type, static_cast<BYTE *>(destination), &bytes);
}

} // namespace

int32_t renamerInitialize(FileFilterInfo *info, const RenamerProfile &profile) {
    if (!info || info->version != FILEFILTER_VERSION) return 0;
    // Unlike the other copies, this one fills the rest of the field with NUL bytes.
    strncpy(info->displayName, profile.displayName, sizeof info->displayName);
    info->displayName[sizeof info->displayName - 1] = '\0';
    info->version = FILEFILTER_VERSION;

    RenamerSettings *settings = static_cast<RenamerSettings *>(calloc(1, sizeof(RenamerSettings)));
    if (!settings) return 0; // no block to publish: refuse rather than hand out a null block
    info->pluginData = settings;
    memcpy(settings->nameTemplate, defaultNameTemplate, sizeof defaultNameTemplate);
    memcpy(settings->commentTemplate, defaultCommentTemplate, sizeof defaultCommentTemplate);

    HKEY key = info->settingsKey;
    queryValue(key, "string", settings->nameTemplate, sizeof settings->nameTemplate);
    queryValue(key, "commstring", settings->commentTemplate, sizeof settings->commentTemplate);
    queryValue(key, "position", &dialogPosition, sizeof dialogPosition);
    queryValue(key, "enabled", &renameEnabled, sizeof renameEnabled);
    // A stored template need not hold a NUL within its 256 bytes, and a value that did not fit
    // leaves the field undefined: the last byte of each field always ends the text.
    settings->nameTemplate[sizeof settings->nameTemplate - 1] = '\0';
    settings->commentTemplate[sizeof settings->commentTemplate - 1] = '\0';

    if (profile.initializeCom) CoInitialize(nullptr);
    return 1;
}

int32_t renamerUninitialize(FileFilterInfo *info) {
    RenamerSettings *settings = static_cast<RenamerSettings *>(info->pluginData);
    HKEY key = info->settingsKey;
    RegSetValueExA(key, "string", 0, REG_SZ, reinterpret_cast<const BYTE *>(settings->nameTemplate),
                   sizeof settings->nameTemplate);
    RegSetValueExA(key, "commstring", 0, REG_SZ,
                   reinterpret_cast<const BYTE *>(settings->commentTemplate),
                   sizeof settings->commentTemplate);
    RegSetValueExA(key, "position", 0, REG_BINARY, reinterpret_cast<const BYTE *>(&dialogPosition),
                   sizeof dialogPosition);
    RegSetValueExA(key, "enabled", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&renameEnabled),
                   sizeof renameEnabled);
    free(settings);
    return 0;
}
