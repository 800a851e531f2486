#include "id3v2.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

// Tag header, 10 bytes: "ID3", major version, revision, flags, then the size of what follows
// the header as 7-bit groups. The tag is read as far as bytes 7 to 9 give it (at most
// 2^21 - 1 bytes), which bounds the buffer that holds it.
enum {
    headerSize = 10,
    majorVersionOffset = 3,
    flagsOffset = 5,
    unsynchronisationFlag = 0x80,
    extendedHeaderFlag = 0x40,
};

enum { textFieldSize = 127, trackTextSize = 8 };

// How a major version writes its frame headers. Version 2.2: a 3-letter identifier and a
// 3-byte big-endian size, 6 bytes in all. Version 2.3: a 4-letter identifier, a 32-bit
// big-endian size and 2 flag bytes. Version 2.4: the same with the size as four 7-bit groups.
struct FrameLayout {
    size_t identifierLength;
    size_t headerLength;
    const char *track, *year, *album, *artist, *title;
};

const FrameLayout version22 = {3, 6, "TRK", "TYE", "TAL", "TP1", "TT2"};
const FrameLayout version23 = {4, 10, "TRCK", "TYER", "TALB", "TPE1", "TIT2"};

uint32_t frameSize(const unsigned char *frame, int majorVersion) {
    if (majorVersion == 2)
        return (uint32_t(frame[3]) << 16) | (uint32_t(frame[4]) << 8) | uint32_t(frame[5]);
    if (majorVersion == 3)
        return (uint32_t(frame[4]) << 24) | (uint32_t(frame[5]) << 16) | (uint32_t(frame[6]) << 8) |
               uint32_t(frame[7]);
    return (uint32_t(frame[4] & 0x7F) << 21) | (uint32_t(frame[5] & 0x7F) << 14) |
           (uint32_t(frame[6] & 0x7F) << 7) | uint32_t(frame[7] & 0x7F);
}

// Copies the text of a frame of size bytes that starts at text - 1 (the encoding byte, which is
// skipped): at most limit - 1 bytes, none past available, up to the first zero byte.
void copyText(char *destination, const unsigned char *text, uint64_t available, uint32_t size,
              uint32_t limit) {
    uint64_t length = (size < limit ? size : limit) - 1;
    if (length > available) length = available;
    size_t at = 0;
    for (; at < length && text[at] != 0; ++at) destination[at] = char(text[at]);
    destination[at] = '\0';
}

void walkFrames(const unsigned char *tag, uint32_t tagSize, int majorVersion, char *title,
                char *artist, char *album, char *year, int32_t *track) {
    const FrameLayout &layout = (majorVersion == 2) ? version22 : version23;
    uint64_t offset = 0;
    // A frame header that does not fit in what is left of the tag ends the walk: nothing of its
    // text could lie inside the tag.
    while (offset + layout.headerLength <= tagSize) {
        const unsigned char *frame = tag + offset;
        uint32_t size = frameSize(frame, majorVersion);
        // The encoding byte comes first and is not interpreted; a frame that declares more than
        // the tag holds gives what the tag holds of it.
        uint64_t textStart = offset + layout.headerLength + 1;
        uint64_t available = (textStart <= tagSize) ? tagSize - textStart : 0;
        const unsigned char *text = tag + (textStart <= tagSize ? textStart : tagSize);
        if (size > 0) {
            char *field = nullptr;
            if (memcmp(frame, layout.track, layout.identifierLength) == 0) {
                char number[trackTextSize];
                copyText(number, text, available, size, trackTextSize);
                int value = 0;
                if (sscanf(number, "%d", &value) == 1) *track = value;
            } else if (memcmp(frame, layout.year, layout.identifierLength) == 0) {
                field = year;
            } else if (memcmp(frame, layout.album, layout.identifierLength) == 0) {
                field = album;
            } else if (memcmp(frame, layout.artist, layout.identifierLength) == 0) {
                field = artist;
            } else if (memcmp(frame, layout.title, layout.identifierLength) == 0) {
                field = title;
            }
            if (field) copyText(field, text, available, size, textFieldSize);
        }
        offset += layout.headerLength + uint64_t(size);
    }
}

} // namespace

bool readId3v2(FILE *file, char *title, char *artist, char *album, char *year, int32_t *track) {
    title[0] = artist[0] = album[0] = year[0] = '\0';
    *track = 0;
    if (!file) return false;

    unsigned char header[headerSize];
    if (fseek(file, 0, SEEK_SET) != 0 || fread(header, 1, headerSize, file) != headerSize)
        return false;
    if (memcmp(header, "ID3", 3) != 0) return false;
    if (header[flagsOffset] & (unsynchronisationFlag | extendedHeaderFlag)) return false;

    uint32_t tagSize = (uint32_t(header[7] & 0x7F) << 14) | (uint32_t(header[8] & 0x7F) << 7) |
                       uint32_t(header[9] & 0x7F);
    if (tagSize == 0) return true;
    unsigned char *tag = static_cast<unsigned char *>(calloc(tagSize, 1));
    if (!tag) return false;
    // What a short file (or a read error) leaves unread stays zero.
    size_t bytesRead = fread(tag, 1, tagSize, file);
    (void)bytesRead;
    walkFrames(tag, tagSize, header[majorVersionOffset], title, artist, album, year, track);
    free(tag);
    return true;
}
