// The walk that both renamers' FileFilterExecute run: the switch, the extension test, the path
// join and the descent into subdirectories. What is read from a file and which texts it
// rewrites is the format's own step.
#pragma once

#include "filefilter.h"
#include "renamer_settings.h"
#include "tag_fields.h"

// Reads the file at filePath and rewrites the entry's texts as the format decides.
typedef void (*RenameFileStep)(FileEntry *entry, const char *filePath,
                               const RenamerSettings *settings);

struct RenamerPass {
    const char *extension; // ".mp3", ".ogg"
    // A directory path that already ends in its separator gets no second one before a file's
    // name; a subdirectory's path always gets one.
    bool keepTrailingSeparator;
    RenameFileStep renameFile;
};

// The whole pass over list; subdirectories are walked through the plug-in's own
// FileFilterExecute with passA and passB unchanged. Returns list.
FileList *runRenamerPass(FileFilterInfo *info, FileList *list, uint32_t passA, uint32_t passB,
                         const char *path, const RenamerPass &pass);

// Expands a template for one entry text and copies the result into its field: the entry's
// current text is the default, so an empty template keeps it.
void rewriteEntryText(char *field, size_t fieldSize, const char *templateText,
                      const TagFields *fields);
