#include "vorbis_info.h"

#include "open_file.h"

#include <stdlib.h>
#include <string.h>

namespace {

// Ogg page header (27 bytes): "OggS" at 0, version at 4, header type at 5, granule position
// (64-bit little-endian) at 6, serial number at 14, sequence number at 18, checksum at 22, and
// the number of segments at 26. A segment table of that many lacing values follows; a packet
// ends at the first lacing value below 255.
enum {
    pageHeaderSize = 27,
    granuleOffset = 6,
    segmentCountOffset = 26,
    tailWindowSize = 16384,
    // The search for a page in the tail window starts here: the last 31 bytes are not tested.
    lastSearchPosition = tailWindowSize - 32,
    commentCopySize = 256,
    fieldLength = 64,
    textSize = 12,
};

// Vorbis header packets start with the packet type and "vorbis". The identification header
// (type 1) holds the sample rate at 12 and the nominal bitrate at 20; the comment header
// (type 3) holds the vendor string length at 7, the vendor string, the comment count and the
// comments, each a 32-bit length and that many bytes of "NAME=value".
enum {
    identificationType = 1,
    commentType = 3,
    headerTagLength = 7,
    sampleRateOffset = 12,
    nominalBitrateOffset = 20,
    identificationFieldsEnd = 24,
};

struct Packet {
    unsigned char *bytes; // null for an empty packet
    size_t length;        // the bytes the file held, at most what the segment table gave
};

uint32_t readLittleEndian32(const unsigned char *bytes) {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}

// Reads a page header and tests its capture pattern. The header is cleared first, so a read
// that ends early never leaves stale bytes (a segment count among them) behind.
bool readPageHeader(FILE *file, unsigned char *header) {
    memset(header, 0, pageHeaderSize);
    size_t got = fread(header, 1, pageHeaderSize, file);
    (void)got; // a short header fails the test below or names no segments
    return memcmp(header, "OggS", 4) == 0;
}

// The size of the page's first packet from its segment table, leaving the file at the first
// byte of the page's data. False when the file ends inside the segment table.
bool readFirstPacketSize(FILE *file, unsigned segmentCount, uint32_t *size) {
    *size = 0;
    unsigned read = 0;
    while (read < segmentCount) {
        int lacing = fgetc(file);
        if (lacing == EOF) return false; // the file ends inside the segment table
        ++read;
        *size += uint32_t(lacing);
        if (lacing < 255) break;
    }
    for (; read < segmentCount; ++read)
        if (fgetc(file) == EOF) return false; // the file ends inside the segment table
    return true;
}

// Reads the first packet of the page whose header was just read, into a heap block exactly as
// large as the segment table says. A file that ends inside the packet gives a shorter packet.
bool readFirstPacket(FILE *file, const unsigned char *header, Packet *packet) {
    uint32_t size = 0;
    if (!readFirstPacketSize(file, header[segmentCountOffset], &size)) return false; // cut short
    if (size == 0) return true; // an empty packet: nothing to allocate, and no Vorbis header
    packet->bytes = static_cast<unsigned char *>(malloc(size));
    if (!packet->bytes) return false; // no memory for the packet
    packet->length = fread(packet->bytes, 1, size, file);
    return true;
}

// The first packets of pages 1 and 2. Each must begin its page, so the identification packet
// must be the only packet of page 1.
bool readHeaderPackets(FILE *file, Packet *identification, Packet *comment) {
    unsigned char header[pageHeaderSize];
    if (!readPageHeader(file, header)) return false; // not an Ogg file, or an empty one
    if (!readFirstPacket(file, header, identification)) return false; // cut short, or no memory
    // More than one packet on page 1, a packet that spills onto page 2, or the file ends.
    if (!readPageHeader(file, header)) return false;
    return readFirstPacket(file, header, comment);
}

// The last 16384 bytes of the file (all of a shorter file, the rest left zero) and the file
// size, taken as the position after reading them.
void readTailWindow(FILE *file, unsigned char *tail, uint64_t *fileSize) {
    memset(tail, 0, tailWindowSize);
    fseek(file, 0, SEEK_END);
    long length = ftell(file);
    fseek(file, length >= long(tailWindowSize) ? length - long(tailWindowSize) : 0L, SEEK_SET);
    size_t got = fread(tail, 1, tailWindowSize, file);
    (void)got; // a short read leaves zeros, in which no page is found
    long end = ftell(file);
    *fileSize = end > 0 ? uint64_t(end) : 0;
}

bool isVorbisHeader(const Packet &packet, unsigned char type) {
    return packet.length >= headerTagLength && packet.bytes[0] == type &&
           memcmp(packet.bytes + 1, "vorbis", 6) == 0;
}

// The low 32 bits of the granule position of the page nearest the end of the window. Position
// 0 is not tested, nor any of the last 31 bytes; any "OggS" is taken for a page, even one
// inside a page's data.
bool findLastGranule(const unsigned char *tail, uint32_t *granule) {
    for (size_t at = lastSearchPosition; at >= 1; --at) {
        if (memcmp(tail + at, "OggS", 4) == 0) {
            *granule = readLittleEndian32(tail + at + granuleOffset);
            return true;
        }
    }
    return false;
}

// The sample count estimated from the file size and the nominal bitrate, the division made
// first. Computed in 64 bits, so files of 512 MiB and more are not cut short, and held at the
// 32-bit maximum that a granule read from a page can have.
uint32_t estimateSampleCount(uint64_t fileSize, uint32_t nominalBitrate, uint32_t sampleRate) {
    if (nominalBitrate == 0) return 0; // no bitrate to estimate with
    uint64_t seconds = fileSize * 8 / nominalBitrate;
    if (sampleRate != 0 && seconds > UINT32_MAX / sampleRate) return UINT32_MAX;
    return uint32_t(seconds * sampleRate);
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// True when text starts with prefix, ASCII letters compared without regard to case.
bool startsWithIgnoringCase(const char *text, const char *prefix) {
    for (; *prefix; ++text, ++prefix)
        if (lowerAscii(*text) != lowerAscii(*prefix)) return false;
    return true;
}

bool isFormatSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The integer at the start of text as a "%d" conversion reads it: leading white space, an
// optional sign, decimal digits. A number beyond the 32-bit range is held at its limit. False,
// with *value untouched, when no digit follows.
bool readLeadingInteger(const char *text, int32_t *value) {
    while (isFormatSpace(*text)) ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    if (*text < '0' || *text > '9') return false;
    int64_t magnitude = 0;
    const int64_t limit = negative ? -int64_t(INT32_MIN) : int64_t(INT32_MAX);
    for (; *text >= '0' && *text <= '9'; ++text) {
        magnitude = magnitude * 10 + (*text - '0');
        if (magnitude > limit) magnitude = limit;
    }
    *value = int32_t(negative ? -magnitude : magnitude);
    return true;
}

struct VorbisFields {
    char *title;
    char *artist;
    char *album;
    char *year;
    int32_t *track;
};

// Stores one comment, copied into a NUL-terminated text, into the field its name selects.
void storeComment(const char *comment, const VorbisFields &fields) {
    struct TextField {
        const char *prefix;
        char *field;
    };
    const TextField texts[] = {{"TITLE=", fields.title},
                               {"ARTIST=", fields.artist},
                               {"ALBUM=", fields.album},
                               {"YEAR=", fields.year}};
    for (const TextField &text : texts) {
        if (startsWithIgnoringCase(comment, text.prefix)) {
            strncpy(text.field, comment + strlen(text.prefix), fieldLength);
            text.field[fieldLength] = '\0';
            return;
        }
    }
    static const char trackPrefix[] = "TRACKNUMBER=";
    if (startsWithIgnoringCase(comment, trackPrefix))
        readLeadingInteger(comment + sizeof trackPrefix - 1, fields.track);
}

// Walks the comments of the comment header in packet order; a later comment of a name replaces
// an earlier one. Lengths and counts come from the file: the walk ends at the first one that
// reaches past the packet, keeping what was stored before it. That is also where a comment
// header that continues onto the next page is cut.
void readComments(const Packet &packet, const VorbisFields &fields) {
    const unsigned char *bytes = packet.bytes;
    size_t length = packet.length;
    size_t at = headerTagLength;
    if (length - at < 4) return; // no vendor string length
    uint32_t vendorLength = readLittleEndian32(bytes + at);
    at += 4;
    if (vendorLength > length - at) return; // the vendor string runs past the packet
    at += vendorLength;
    if (length - at < 4) return; // no comment count
    uint32_t count = readLittleEndian32(bytes + at);
    at += 4;
    // Each comment takes at least its 4-byte length, so a huge count ends with the packet.
    for (uint32_t index = 0; index < count; ++index) {
        if (length - at < 4) return; // no room for the next comment's length
        uint32_t commentLength = readLittleEndian32(bytes + at);
        at += 4;
        size_t copyLength =
            commentLength < commentCopySize - 1 ? commentLength : commentCopySize - 1;
        if (copyLength > length - at) return; // the comment is cut off by the packet's end
        char copy[commentCopySize];
        size_t copied = 0;
        for (; copied < copyLength && bytes[at + copied] != 0; ++copied)
            copy[copied] = char(bytes[at + copied]);
        copy[copied] = '\0';
        storeComment(copy, fields);
        if (commentLength > length - at) return; // nothing of a next comment lies in the packet
        at += commentLength;
    }
}

// Tests both header packets and fills every output from them and the tail window.
int32_t readFromHeaders(const Packet &identification, const Packet &comment,
                        const unsigned char *tail, uint64_t fileSize, const VorbisFields &fields,
                        char *bitrate, char *duration) {
    if (!isVorbisHeader(identification, identificationType)) return 0; // not a Vorbis stream
    if (identification.length < identificationFieldsEnd) return 0;     // too short for its rates
    if (!isVorbisHeader(comment, commentType)) return 0; // page 2 holds no comment header
    uint32_t sampleRate = readLittleEndian32(identification.bytes + sampleRateOffset);
    uint32_t nominalBitrate = readLittleEndian32(identification.bytes + nominalBitrateOffset);

    uint32_t sampleCount = 0;
    if (!findLastGranule(tail, &sampleCount))
        sampleCount = estimateSampleCount(fileSize, nominalBitrate, sampleRate);

    readComments(comment, fields);

    // Kilobits of 1024 bits, rounded up; the sum is taken in 32 bits, so the values that mean
    // "no nominal bitrate" (-1 and its neighbours) come out as 0.
    uint32_t kilobits = (nominalBitrate + 1023) / 1024;
    snprintf(bitrate, textSize, "%uKbps", unsigned(kilobits));
    // Minutes and seconds; no hours part. A sample rate of 0 gives no time at all.
    uint32_t seconds = sampleRate != 0 ? sampleCount / sampleRate : 0;
    snprintf(duration, textSize, "%u:%02u", unsigned(seconds / 60), unsigned(seconds % 60));
    return 1;
}

} // namespace

int32_t readVorbisStream(FILE *file, char *title, char *artist, char *album, char *year,
                         int32_t *track, char *bitrate, char *duration) {
    *track = 0;
    title[0] = artist[0] = album[0] = year[0] = bitrate[0] = duration[0] = '\0';

    Packet identification = {nullptr, 0};
    Packet comment = {nullptr, 0};
    unsigned char tail[tailWindowSize];
    uint64_t fileSize = 0;
    bool read = readHeaderPackets(file, &identification, &comment);
    if (read) readTailWindow(file, tail, &fileSize);
    fclose(file);

    int32_t result = 0;
    if (read) {
        const VorbisFields fields = {title, artist, album, year, track};
        result =
            readFromHeaders(identification, comment, tail, fileSize, fields, bitrate, duration);
    }
    free(identification.bytes);
    free(comment.bytes);
    return result;
}

int32_t readVorbisInfo(const char *path, char *title, char *artist, char *album, char *year,
                       int32_t *track, char *bitrate, char *duration) {
    FILE *file = openRegularFile(path);
    if (!file) return 0; // cannot be opened: the outputs keep what they held
    return readVorbisStream(file, title, artist, album, year, track, bitrate, duration);
}
