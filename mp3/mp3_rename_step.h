// The MP3 renamer's step for one ".mp3" entry, and the pass that runs it over a listing.
#pragma once

#include "frame/renamer_pass.h"

// Opens the file, reads its ID3v1 tag, else its ID3v2 tag, and measures its frames: a tag
// rewrites the entry's name and comment, frames without a tag the comment only, and a file
// with neither (or one that does not open) keeps both.
void renameMp3File(FileEntry *entry, const char *filePath, const RenamerSettings *settings);

// ".mp3" in any letter case; the directory path always gets a separator before the name.
extern const RenamerPass mp3RenamePass;
