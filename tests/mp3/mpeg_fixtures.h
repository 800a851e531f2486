// MPEG audio frame headers and streams built byte by byte for the stream-info tests.
#pragma once

#include "scratch_file.h"

#include <stdint.h>

// Header bits: version 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5 (1 reserved); layer 3 Layer I,
// 2 Layer II, 1 Layer III (0 reserved); mode 3 is mono. The protection bit is set (no CRC).
inline uint32_t mpegHeader(unsigned versionBits, unsigned layerBits, unsigned bitrateIndex,
                           unsigned sampleRateIndex, unsigned padding = 0, unsigned mode = 1) {
    return 0xFFE00000u | versionBits << 19 | layerBits << 17 | 1u << 16 | bitrateIndex << 12 |
           sampleRateIndex << 10 | padding << 9 | mode << 6;
}

// MPEG-1 Layer III, 128 kbps, 44100 Hz, joint stereo: frames of 417 bytes.
const uint32_t mpeg1Layer3At128 = 0xFFFB9064;
// MPEG-2 Layer III, 8 kbps, 22050 Hz: frames of 26 bytes, 1000 bytes a second.
const uint32_t mpeg2Layer3At8 = mpegHeader(2, 1, 1, 0);
// MPEG-2 Layer III, 64 kbps, 24000 Hz: frames of 192 bytes.
const uint32_t mpeg2Layer3At64 = mpegHeader(2, 1, 8, 1);

// An ID3v2 header declaring a tag of tagSize bytes (four 7-bit groups) followed by zero bytes.
inline Bytes id3v2ZeroTag(uint32_t tagSize, uint8_t flags = 0) {
    Bytes bytes = {'I',
                   'D',
                   '3',
                   4,
                   0,
                   flags,
                   uint8_t((tagSize >> 21) & 0x7F),
                   uint8_t((tagSize >> 14) & 0x7F),
                   uint8_t((tagSize >> 7) & 0x7F),
                   uint8_t(tagSize & 0x7F)};
    bytes.resize(10 + tagSize + ((flags & 0x10) ? 10 : 0));
    return bytes;
}

// Two frame headers, the second frameLength bytes after the first, in a file of fileSize bytes
// (zero bytes elsewhere) that starts with prefix.
inline Bytes twoFrames(uint32_t first, uint32_t second, size_t frameStart, size_t frameLength,
                       size_t fileSize, const Bytes &prefix = {}) {
    Bytes bytes = prefix;
    bytes.resize(fileSize);
    putBigEndian32(bytes, frameStart, first);
    putBigEndian32(bytes, frameStart + frameLength, second);
    bytes.resize(fileSize);
    return bytes;
}
