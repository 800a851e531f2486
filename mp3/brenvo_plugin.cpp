// brenvo, the MP3 renamer: the four entry points over the shared renamer frame.
#include "brenvo_profile.h"
#include "mp3_rename_step.h"

#include "frame/filefilter.h"

const RenamerProfile brenvoProfile = {
    "MP3 ID3 File Renamer", ".mp3", false, "Filename.mp3", "The Band", "1969", "128Kbps",
};

extern "C" int32_t __cdecl FileFilterInitialize(FileFilterInfo *info) {
    return renamerInitialize(info, brenvoProfile);
}

extern "C" FileList *__cdecl FileFilterExecute(FileFilterInfo *info, FileList *list, uint32_t passA,
                                               uint32_t passB, const char *path) {
    return runRenamerPass(info, list, passA, passB, path, mp3RenamePass);
}

extern "C" int32_t __cdecl FileFilterUninitialize(FileFilterInfo *info) {
    return renamerUninitialize(info);
}
