#include "mpeg_stream_info.h"

#include <stdio.h>
#include <string.h>

namespace {

// Sample rates in Hz by version (0 reserved, 1 MPEG-1, 2 MPEG-2, 3 MPEG-2.5) and the header's
// sample-rate index (bits 11-10; index 3 is reserved).
const uint16_t sampleRates[4][4] = {
    {0, 0, 0, 0},
    {44100, 48000, 32000, 0},
    {22050, 24000, 16000, 0},
    {11025, 12000, 8000, 0},
};

// Bitrates in kbps by version, layer (0 reserved, 1 to 3) and the header's bitrate index
// (bits 15-12). Index 0 (free format) and 15 (forbidden) are 0; MPEG-2.5 uses the MPEG-2 rows.
const uint16_t bitrates[4][4][16] = {
    {},
    {
        {},
        {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
        {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},
    },
    {
        {},
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
    },
    {
        {},
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
    },
};

// Header bits 20-19 to version: 00 MPEG-2.5, 01 reserved, 10 MPEG-2, 11 MPEG-1.
const int32_t versionsByBits[4] = {3, 0, 2, 1};

// The first frame is searched for among the words that start in this many bytes: offsets 0 to
// 5996 from where the search starts.
enum { searchWindow = 6000 };

// Samples in one frame: 384 in Layer I, 1152 in Layer II; Layer III frames hold 1152 in MPEG-1
// and 576 in MPEG-2 and MPEG-2.5.
int32_t samplesPerFrame(const MpegHeaderInfo &info) {
    if (info.layer == 1) return 384;
    if (info.layer == 3 && info.version != 1) return 576;
    return 1152;
}

uint32_t bigEndian32(const unsigned char *bytes) {
    return (uint32_t(bytes[0]) << 24) | (uint32_t(bytes[1]) << 16) | (uint32_t(bytes[2]) << 8) |
           uint32_t(bytes[3]);
}

bool seekTo(FILE *file, int64_t offset) {
    return fseek(file, long(offset), SEEK_SET) == 0;
}

// Where the audio may begin: right after an ID3v2 tag at the start of the file, else offset 0.
// ID3v2 header: "ID3", major version, revision, flags (0x10: a 10-byte footer follows the tag),
// then the size of the tag after the header as four 7-bit groups, most significant first.
int64_t audioSearchStart(FILE *file) {
    unsigned char header[10];
    if (!seekTo(file, 0) || fread(header, 1, sizeof header, file) != sizeof header) return 0;
    if (memcmp(header, "ID3", 3) != 0) return 0;
    int64_t tagSize = (int64_t(header[6] & 0x7F) << 21) | (int64_t(header[7] & 0x7F) << 14) |
                      (int64_t(header[8] & 0x7F) << 7) | int64_t(header[9] & 0x7F);
    return 10 + tagSize + ((header[5] & 0x10) ? 10 : 0);
}

// The VBR header's distance from the frame start: behind the 4-byte header and the Layer III
// side information, which is shorter in mono and in MPEG-2 and MPEG-2.5.
int64_t xingDistance(const MpegHeaderInfo &info) {
    bool mono = info.channelMode == 3;
    if (info.version == 1) return mono ? 21 : 36;
    return mono ? 13 : 21;
}

// "Xing" as encoders write it, and the upper-case form. ("Info", which encoders write into
// constant-bitrate streams, is not a VBR header.)
const uint32_t xingTag = 0x58696E67;      // "Xing"
const uint32_t xingUpperTag = 0x58494E47; // "XING"
// The Fraunhofer header: "VBRI" 32 bytes behind the frame header in every version and mode, then
// version (2 bytes), delay (2), quality (2), stream bytes (4) and the frame count (4), so the
// count lies 14 bytes after the "V".
const uint32_t vbriTag = 0x56425249; // "VBRI"
enum { vbriDistance = 36, vbriFrameCountOffset = 14 };

// Reads the frame count of a VBR header at the first frame (frameStart); false when there is
// none. A "Xing" header without its frame-count flag (bit 0) counts one frame.
bool readVbrFrameCount(FILE *file, int64_t frameStart, const MpegHeaderInfo &info,
                       uint32_t *frameCount) {
    if (seekTo(file, frameStart + xingDistance(info))) {
        uint32_t tag = readBigEndian32(file);
        if (tag == xingTag || tag == xingUpperTag) {
            uint32_t flags = readBigEndian32(file);
            *frameCount = (flags & 1) ? readBigEndian32(file) : 1;
            return true;
        }
    }
    if (seekTo(file, frameStart + vbriDistance) && readBigEndian32(file) == vbriTag &&
        seekTo(file, frameStart + vbriDistance + vbriFrameCountOffset)) {
        *frameCount = readBigEndian32(file);
        return true;
    }
    return false;
}

void formatDuration(char *text, size_t size, uint32_t seconds) {
    if (seconds < 60)
        snprintf(text, size, "0:%02u", unsigned(seconds));
    else if (seconds < 3600)
        snprintf(text, size, "%u:%02u", unsigned(seconds / 60), unsigned(seconds % 60));
    else
        snprintf(text, size, "%u:%02u:%02u", unsigned(seconds / 3600),
                 unsigned(seconds % 3600 / 60), unsigned(seconds % 60));
}

bool notMeasured(MpegHeaderInfo *info) {
    info->bitrateText[0] = '\0';
    info->durationText[0] = '\0';
    return false;
}

} // namespace

uint32_t readBigEndian32(FILE *file) {
    uint32_t word = 0;
    for (int i = 0; i < 4; ++i) {
        int byte = fgetc(file);
        word = (word << 8) | (byte == EOF ? 0xFFu : uint32_t(byte));
    }
    return word;
}

bool decodeMpegHeader(uint32_t header, MpegHeaderInfo *info) {
    uint32_t fileSize = info->fileSize;
    memset(info, 0, sizeof *info);
    info->fileSize = fileSize;

    // Bits 31-21: frame sync, all ones.
    if ((header & 0xFFE00000u) != 0xFFE00000u) return false;
    info->version = versionsByBits[(header >> 19) & 3];
    if (info->version == 0) return false;
    // Bits 18-17: 11 Layer I, 10 Layer II, 01 Layer III, 00 reserved.
    info->layer = 4 - int32_t((header >> 17) & 3);
    if (info->layer == 4) info->layer = 0;
    info->protectionBit = int32_t((header >> 16) & 1);
    info->bitrateKbps = bitrates[info->version][info->layer][(header >> 12) & 0xF];
    info->sampleRate = sampleRates[info->version][(header >> 10) & 3];
    info->paddingBit = int32_t((header >> 9) & 1);
    info->channelMode = int32_t((header >> 6) & 3);

    // The constant-bitrate estimate over the whole file, at this header's bitrate.
    if (info->bitrateKbps > 0)
        info->durationSeconds =
            uint32_t(uint64_t(fileSize) * 8 / (uint64_t(info->bitrateKbps) * 1000));

    if (info->sampleRate > 0) {
        int64_t bitrate = info->bitrateKbps;
        if (info->layer == 1) {
            // Layer I counts in slots of 4 bytes.
            info->frameLength =
                int32_t((12000 * bitrate / info->sampleRate + info->paddingBit) * 4);
        } else {
            // Bytes per frame = samples per frame / 8 * bitrate / sample rate.
            int64_t factor = samplesPerFrame(*info) * 125;
            info->frameLength = int32_t(factor * bitrate / info->sampleRate + info->paddingBit);
        }
    }
    return info->version != 0 && info->layer != 0 && info->bitrateKbps != 0 &&
           info->sampleRate != 0;
}

bool readMpegStreamInfo(FILE *file, MpegHeaderInfo *info) {
    memset(info, 0, sizeof *info);
    if (!file) return false;

    if (fseek(file, 0, SEEK_END) != 0) return notMeasured(info);
    long end = ftell(file);
    // A size that does not fit the 32-bit fileSize is not measured.
    if (end < 0 || uint64_t(end) > 0xFFFFFFFFu) return notMeasured(info);
    info->fileSize = uint32_t(end);
    if (info->fileSize <= 5) return notMeasured(info);

    // The first frame header: the first word in the window that decodes. The window is read in
    // one go; a word that would take a byte past the end of the file, or past a read error, is
    // no candidate, so the search ends there as it ends at the end of the file.
    int64_t searchStart = audioSearchStart(file);
    if (searchStart >= int64_t(info->fileSize)) return notMeasured(info);
    unsigned char window[searchWindow];
    if (!seekTo(file, searchStart)) return notMeasured(info);
    size_t available = fread(window, 1, sizeof window, file);
    int64_t frameStart = -1;
    for (size_t at = 0; at + 4 <= available; ++at) {
        if (decodeMpegHeader(bigEndian32(window + at), info)) {
            frameStart = searchStart + int64_t(at);
            break;
        }
    }
    if (frameStart < 0) return notMeasured(info);
    // A first frame that runs past the end of the file (a frame without CRC may lack its last
    // two bytes).
    if (int64_t(info->fileSize) - frameStart - info->frameLength + (info->protectionBit ? 2 : 0) <
        0)
        return notMeasured(info);

    // Confirm by the header of the next frame; from here on info describes that one.
    if (!seekTo(file, frameStart + info->frameLength) ||
        !decodeMpegHeader(readBigEndian32(file), info))
        return notMeasured(info);

    // The constant-bitrate estimate: the audio from the first frame to the end of the file.
    info->durationSeconds = uint32_t(uint64_t(int64_t(info->fileSize) - frameStart) * 8 /
                                     (uint64_t(info->bitrateKbps) * 1000));

    uint32_t frameCount = 0;
    if (readVbrFrameCount(file, frameStart, *info, &frameCount)) {
        info->bitrateKbps = -1;
        double secondsPerFrame = double(samplesPerFrame(*info)) / info->sampleRate;
        info->durationSeconds = uint32_t(secondsPerFrame * frameCount);
    }

    if (info->bitrateKbps == -1)
        snprintf(info->bitrateText, sizeof info->bitrateText, "VBR");
    else
        snprintf(info->bitrateText, sizeof info->bitrateText, "%dKbps", int(info->bitrateKbps));
    formatDuration(info->durationText, sizeof info->durationText, info->durationSeconds);
    return true;
}
