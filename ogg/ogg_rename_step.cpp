#include "ogg_rename_step.h"

#include "renamer_pass.h"
#include "tag_fields.h"
#include "vorbis_info.h"

#include <string.h>

namespace {

enum { textSize = 128 };

// An empty title, or one that is a single space, names nothing: the entry keeps its texts.
bool isUsableTitle(const char *title) {
    return title[0] != '\0' && strcmp(title, " ") != 0;
}

} // namespace

void renameOggFile(FileEntry *entry, const char *filePath, const RenamerSettings *settings) {
    char title[textSize], artist[textSize], album[textSize], year[textSize];
    char bitrate[textSize], duration[textSize];
    int32_t track = 0;
    if (readVorbisInfo(filePath, title, artist, album, year, &track, bitrate, duration) != 1)
        return;
    if (!isUsableTitle(title)) return;
    const TagFields fields = {title, artist, album, year, track, bitrate, duration};
    rewriteEntryText(entry->name, sizeof entry->name, settings->nameTemplate, &fields);
    rewriteEntryText(entry->comment, sizeof entry->comment, settings->commentTemplate, &fields);
}
