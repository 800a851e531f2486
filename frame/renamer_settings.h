// The settings that both renamers keep: the two templates in a heap block published through
// pluginData, the switch and the dialog position in module-wide variables. The two renamers
// share this code and differ only in the RenamerProfile they pass.
#pragma once

#include "filefilter.h"
#include "window_position.h"

#include <stdint.h>

// Registry values under settingsKey: "string" and "commstring" (REG_SZ, always the whole
// 256-byte field), "position" (REG_BINARY, 8 bytes), "enabled" (REG_DWORD, 4 bytes).
struct RenamerSettings {
    char nameTemplate[256];    // default "%title% - %artist%"
    char commentTemplate[256]; // default "%duration%"
};
static_assert(sizeof(RenamerSettings) == 512, "RenamerSettings is one 512-byte block");

// What sets one renamer apart from the other.
struct RenamerProfile {
    const char *displayName;  // copied into FileFilterInfo.displayName
    const char *extension;    // the entries it handles, compared without regard to case
    bool initializeCom;       // CoInitialize as the last step of a successful initialization
    const char *sampleName;   // the dialog's stand-in for an entry's current name
    const char *sampleArtist; // the sample tag values that differ between the renamers
    const char *sampleYear;
    const char *sampleNameBitrate; // bitrate of the name sample; the comment sample has 128Kbps
};

// Module-wide: any non-zero value switches renaming on; 0 at load.
extern uint32_t renameEnabled;

int32_t renamerInitialize(FileFilterInfo *info, const RenamerProfile &profile);
int32_t renamerUninitialize(FileFilterInfo *info);
