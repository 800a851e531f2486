// Measuring an MPEG audio file: its first frame header, confirmed by the header that follows
// it, and a VBR header inside the first frame give the bitrate and playing time texts that the
// renamer's templates offer as "%bitrate%" and "%duration%".
#pragma once

#include <stdint.h>
#include <stdio.h>

struct MpegHeaderInfo {
    int32_t version;       // 1 MPEG-1, 2 MPEG-2, 3 MPEG-2.5, 0 reserved
    int32_t layer;         // 1, 2, 3; 0 reserved
    int32_t sampleRate;    // Hz; 0 invalid
    int32_t channelMode;   // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono
    int32_t protectionBit; // 1 when no CRC follows the header
    int32_t paddingBit;    // 0 or 1
    int32_t bitrateKbps;   // 0 invalid; -1 once a VBR header was found
    int32_t frameLength;   // bytes of the frame that the header starts
    uint32_t fileSize;     // bytes of the whole file; kept by decodeMpegHeader
    uint32_t durationSeconds;
    char durationText[16]; // "0:07", "3:36", "1:01:01"
    char bitrateText[16];  // "128Kbps" or "VBR"
};

// The next four bytes of the stream, the first most significant. A byte past the end of the
// file (or one that cannot be read) counts as 0xFF; the stream's end-of-file or error
// indicator is then set.
uint32_t readBigEndian32(FILE *file);

// Decodes one frame header word into info, keeping info->fileSize. True when the header is a
// usable frame header (valid version, layer, bitrate and sample rate).
bool decodeMpegHeader(uint32_t header, MpegHeaderInfo *info);

// Measures the stream opened "rb" (null for a file that failed to open). True when it found and
// confirmed the first frame; info->bitrateText and info->durationText then hold the texts, which
// are empty on false. Moves the file position freely.
bool readMpegStreamInfo(FILE *file, MpegHeaderInfo *info);
