#include "renamer_pass.h"

#include "entry_text.h"
#include "expand_template.h"
#include "file_extension.h"
#include "path_join.h"

enum { pathSize = 260, expansionSize = 256 };

FileList *runRenamerPass(FileFilterInfo *info, FileList *list, uint32_t passA, uint32_t passB,
                         const char *path, const RenamerPass &pass) {
    if (renameEnabled == 0) return list;
    const RenamerSettings *settings = static_cast<const RenamerSettings *>(info->pluginData);
    char entryPath[pathSize];
    // count is read again before every entry.
    for (uint32_t index = 0; index < list->count; ++index) {
        FileEntry *entry = &list->entries[index];
        // A path that does not fit is treated as a file that cannot be opened.
        if (hasExtension(entry->name, pass.extension) &&
            joinPath(entryPath, sizeof entryPath, path, entry->name, pass.keepTrailingSeparator))
            pass.renameFile(entry, entryPath, settings);
        // A subdirectory whose path cannot be formed is not walked.
        if (entry->children && joinPath(entryPath, sizeof entryPath, path, entry->name, false))
            FileFilterExecute(info, entry->children, passA, passB, entryPath);
    }
    return list;
}

void rewriteEntryText(char *field, size_t fieldSize, const char *templateText,
                      const TagFields *fields) {
    char expansion[expansionSize];
    expandTemplate(field, templateText, expansion, sizeof expansion, fields);
    copyToField(field, fieldSize, expansion);
}
