// The numberer's entry points around its pass: initialization loads "prefs" and "position",
// uninitialization writes them back.
#include "filefilter.h"
#include "number_list.h"
#include "numberer_prefs.h"
#include "window_position.h"

#include <string.h>

NumbererPrefs numbererPrefs;

extern "C" int32_t __cdecl FileFilterInitialize(FileFilterInfo *info) {
    if (!info || info->version != FILEFILTER_VERSION) return 0;
    strncpy(info->displayName, "File Numberer", sizeof info->displayName);
    info->displayName[sizeof info->displayName - 1] = '\0';
    info->version = FILEFILTER_VERSION;
    info->pluginData = &numbererPrefs;
    numbererPrefs = NumbererPrefs{};
    // A missing value leaves what is there: all flags off, the position as it was (zero after
    // loading, so the dialog opens centred). A shorter "prefs" fills only its leading bytes.
    DWORD type = 0;
    DWORD size = sizeof(NumbererPrefs);
    RegQueryValueExA(info->settingsKey, "prefs", nullptr, &type,
                     static_cast<BYTE *>(info->pluginData), &size);
    size = sizeof dialogPosition;
    RegQueryValueExA(info->settingsKey, "position", nullptr, &type,
                     reinterpret_cast<BYTE *>(&dialogPosition), &size);
    return 1;
}

extern "C" FileList *__cdecl FileFilterExecute(FileFilterInfo *info, FileList *list, uint32_t passA,
                                               uint32_t passB, const char *path) {
    (void)passA;
    (void)passB;
    (void)path;
    const NumbererPrefs *prefs = static_cast<const NumbererPrefs *>(info->pluginData);
    if (prefs->enabled) numberTree(list, prefs);
    return list;
}

// Returns the status of the "prefs" write, 0 when it succeeded.
extern "C" int32_t __cdecl FileFilterUninitialize(FileFilterInfo *info) {
    RegSetValueExA(info->settingsKey, "position", 0, REG_BINARY,
                   reinterpret_cast<const BYTE *>(&dialogPosition), sizeof dialogPosition);
    return RegSetValueExA(info->settingsKey, "prefs", 0, REG_BINARY,
                          static_cast<const BYTE *>(info->pluginData), sizeof(NumbererPrefs));
}
