#include "id3v1.h"

#include <string.h>

namespace {

// Tag layout: "TAG", title (30 bytes), artist (30), album (30), year (4), comment (28), a zero
// byte when a track number follows (version 1.1), the track number, the genre.
enum {
    tagSize = 128,
    titleOffset = 3,
    artistOffset = 33,
    albumOffset = 63,
    yearOffset = 93,
    textLength = 30,
    yearLength = 4,
    trackMarkerOffset = 125,
    trackOffset = 126,
};

// Copies a fixed-width field up to its first zero byte, zero-filling the rest and the byte at
// index length, then clears the trailing spaces that the format pads with: from the last index
// down, stopping at the first other character. Index 0 stays, so an all-space field becomes one
// space; spaces before zero bytes inside the field stay too.
void copyField(char *destination, const unsigned char *source, size_t length) {
    strncpy(destination, reinterpret_cast<const char *>(source), length);
    destination[length] = '\0';
    for (size_t index = length - 1; index >= 1 && destination[index] == ' '; --index)
        destination[index] = '\0';
}

} // namespace

bool readId3v1(FILE *file, char *title, char *artist, char *album, char *year, int32_t *track) {
    if (!file) return false;
    unsigned char tag[tagSize];
    if (fseek(file, -tagSize, SEEK_END) != 0 || fread(tag, 1, tagSize, file) != tagSize)
        return false;
    if (memcmp(tag, "TAG", 3) != 0) return false;

    *track = (tag[trackMarkerOffset] == 0) ? tag[trackOffset] : 0;
    copyField(title, tag + titleOffset, textLength);
    copyField(artist, tag + artistOffset, textLength);
    copyField(album, tag + albumOffset, textLength);
    copyField(year, tag + yearOffset, yearLength);
    return true;
}
