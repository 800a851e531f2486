// The Ogg renamer's step for one ".ogg" entry of the walk.
#pragma once

#include "filefilter.h"
#include "renamer_settings.h"

// Reads the file at filePath; when it is a Vorbis stream with a usable title, rewrites the
// entry's name and then its comment from the two templates. Any other file leaves both texts.
void renameOggFile(FileEntry *entry, const char *filePath, const RenamerSettings *settings);
