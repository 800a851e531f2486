#include "mp3_rename_step.h"

#include "frame/open_file.h"
#include "mp3/id3v1.h"
#include "mp3/id3v2.h"
#include "mp3/mpeg_stream_info.h"

#include <stdio.h>
#include <string.h>

const RenamerPass mp3RenamePass = {".mp3", false, renameMp3File};

namespace {

enum { tagTextSize = 128 };

// A missing title, or the single space that a blank ID3v1 title leaves, becomes the entry's
// name as found on disk, extension included.
void applyTitleFallback(char *title, const FileEntry *entry) {
    if (title[0] == '\0' || strcmp(title, " ") == 0) {
        strncpy(title, entry->name, tagTextSize - 1);
        title[tagTextSize - 1] = '\0';
    }
}

} // namespace

void renameMp3File(FileEntry *entry, const char *filePath, const RenamerSettings *settings) {
    FILE *file = openRegularFile(filePath);
    if (!file) return;

    char title[tagTextSize], artist[tagTextSize], album[tagTextSize], year[tagTextSize];
    int32_t track = 0;
    MpegHeaderInfo stream;
    bool tagged = true;
    if (readId3v1(file, title, artist, album, year, &track)) {
        readMpegStreamInfo(file, &stream);
        applyTitleFallback(title, entry);
    } else if (readId3v2(file, title, artist, album, year, &track)) {
        applyTitleFallback(title, entry);
        readMpegStreamInfo(file, &stream);
    } else if (readMpegStreamInfo(file, &stream)) {
        // No tag: readId3v2 left the texts empty and the track 0, and the name stays.
        tagged = false;
    } else {
        fclose(file);
        return;
    }
    fclose(file);

    // On a tag path whose stream was not measured, both stream texts are empty.
    const TagFields fields = {
        title, artist, album, year, track, stream.bitrateText, stream.durationText};
    if (tagged) rewriteEntryText(entry->name, sizeof entry->name, settings->nameTemplate, &fields);
    rewriteEntryText(entry->comment, sizeof entry->comment, settings->commentTemplate, &fields);
}
