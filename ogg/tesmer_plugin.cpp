// The Ogg renamer's entry points: the settings shared with the MP3 renamer, and the walk with
// its own step for ".ogg" files.
#include "filefilter.h"
#include "ogg_rename_step.h"
#include "renamer_pass.h"
#include "renamer_settings.h"
#include "tesmer_profile.h"

const RenamerProfile tesmerProfile = {
    "OGG File Renamer", // displayName
    ".ogg",             // extension
    true,               // initializeCom
    "Filename.ogg",     // sampleName
    "The Ogglodytes",   // sampleArtist
    "2002",             // sampleYear
    "64Kbps",           // sampleNameBitrate
};

extern "C" int32_t __cdecl FileFilterInitialize(FileFilterInfo *info) {
    return renamerInitialize(info, tesmerProfile);
}

// A directory path that ends in its separator gets no second one before a file's name; a
// subdirectory's path always gets one.
extern "C" FileList *__cdecl FileFilterExecute(FileFilterInfo *info, FileList *list, uint32_t passA,
                                               uint32_t passB, const char *path) {
    const RenamerPass pass = {tesmerProfile.extension, true, renameOggFile};
    return runRenamerPass(info, list, passA, passB, path, pass);
}

extern "C" int32_t __cdecl FileFilterUninitialize(FileFilterInfo *info) {
    return renamerUninitialize(info);
}
