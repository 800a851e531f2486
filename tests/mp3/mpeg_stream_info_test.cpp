#include "mp3/mpeg_stream_info.h"

#include "mpeg_fixtures.h"

#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>

#include <string>

namespace {

struct DecodeCase {
    const char *what;
    uint32_t header;
    bool decodes;
    int32_t version, layer, sampleRate, bitrateKbps, frameLength;
};

TEST(DecodeMpegHeader, Headers) {
    const DecodeCase cases[] = {
        {"MPEG-1 Layer III 128 kbps 44100 Hz", 0xFFFB9064, true, 1, 3, 44100, 128, 417},
        {"the same with padding", 0xFFFB9264, true, 1, 3, 44100, 128, 418},
        // 576 samples a frame: 72000 x bitrate / sample rate.
        {"MPEG-2 Layer III 64 kbps 24000 Hz", mpeg2Layer3At64, true, 2, 3, 24000, 64, 192},
        {"the same with padding", mpegHeader(2, 1, 8, 1, 1), true, 2, 3, 24000, 64, 193},
        {"MPEG-2.5 Layer III 8 kbps 8000 Hz", mpegHeader(0, 1, 1, 2), true, 3, 3, 8000, 8, 72},
        {"MPEG-2 Layer III 32 kbps 22050 Hz padded", mpegHeader(2, 1, 4, 0, 1), true, 2, 3, 22050,
         32, 105},
        {"MPEG-1 Layer I 32 kbps 32000 Hz", mpegHeader(3, 3, 1, 2), true, 1, 1, 32000, 32, 48},
        {"the same with padding", mpegHeader(3, 3, 1, 2, 1), true, 1, 1, 32000, 32, 52},
        {"MPEG-2 Layer I 256 kbps 16000 Hz", mpegHeader(2, 3, 14, 2), true, 2, 1, 16000, 256, 768},
        {"MPEG-1 Layer II 384 kbps 48000 Hz", mpegHeader(3, 2, 14, 1), true, 1, 2, 48000, 384,
         1152},
        // Layer II frames hold 1152 samples in every version.
        {"MPEG-2 Layer II 160 kbps 24000 Hz", mpegHeader(2, 2, 14, 1), true, 2, 2, 24000, 160, 960},
        {"MPEG-1 Layer III 320 kbps 32000 Hz", mpegHeader(3, 1, 14, 2), true, 1, 3, 32000, 320,
         1440},
        {"free-format bitrate index 0", mpegHeader(3, 1, 0, 0), false, 1, 3, 44100, 0, 0},
        {"forbidden bitrate index 15", mpegHeader(3, 1, 15, 0), false, 1, 3, 44100, 0, 0},
        {"reserved sample-rate index 3", mpegHeader(3, 1, 9, 3), false, 1, 3, 0, 128, 0},
        {"reserved layer", mpegHeader(3, 0, 9, 0), false, 1, 0, 44100, 0, 0},
        {"reserved version", mpegHeader(1, 1, 9, 0), false, 0, 0, 0, 0, 0},
        {"four bytes past the end", 0xFFFFFFFF, false, 1, 1, 0, 0, 0},
        {"no frame sync", 0xFFDB9064, false, 0, 0, 0, 0, 0},
    };
    for (const DecodeCase &c : cases) {
        MpegHeaderInfo info;
        memset(&info, 0x5A, sizeof info);
        info.fileSize = 16000;
        EXPECT_EQ(decodeMpegHeader(c.header, &info), c.decodes) << c.what;
        EXPECT_EQ(info.fileSize, 16000u) << c.what;
        if (!c.decodes && c.version == 0) continue;
        EXPECT_EQ(info.version, c.version) << c.what;
        EXPECT_EQ(info.layer, c.layer) << c.what;
        EXPECT_EQ(info.sampleRate, c.sampleRate) << c.what;
        EXPECT_EQ(info.bitrateKbps, c.bitrateKbps) << c.what;
        EXPECT_EQ(info.frameLength, c.frameLength) << c.what;
    }
}

TEST(DecodeMpegHeader, FieldsAndEstimate) {
    MpegHeaderInfo info;
    memset(&info, 0x5A, sizeof info);
    info.fileSize = 0xFFFFFFFF; // the product of the estimate needs more than 32 bits
    ASSERT_TRUE(decodeMpegHeader(mpegHeader(3, 1, 9, 0, 1, 3) & ~(1u << 16), &info));
    EXPECT_EQ(info.channelMode, 3);
    EXPECT_EQ(info.protectionBit, 0);
    EXPECT_EQ(info.paddingBit, 1);
    EXPECT_EQ(info.durationSeconds, 268435u);
    EXPECT_STREQ(info.durationText, "");
    EXPECT_STREQ(info.bitrateText, "");
}

TEST(ReadBigEndian32, PastTheEndReadsAsOnes) {
    OpenedBytes file({0x12, 0x34, 0x56, 0x78, 0x9A});
    ASSERT_TRUE(file.file());
    EXPECT_EQ(readBigEndian32(file.file()), 0x12345678u);
    EXPECT_FALSE(feof(file.file()));
    EXPECT_EQ(readBigEndian32(file.file()), 0x9AFFFFFFu);
    EXPECT_TRUE(feof(file.file()));
}

// Bytes of a file whose first frame starts at frameStart with header first and that holds a VBR
// header (tag, flags, frame count) at distance bytes from the frame start.
Bytes withVbrHeader(uint32_t first, uint32_t second, size_t frameLength, size_t distance,
                    uint32_t tag, uint32_t flags, uint32_t frameCount) {
    Bytes bytes = twoFrames(first, second, 0, frameLength, 16000);
    putBigEndian32(bytes, distance, tag);
    putBigEndian32(bytes, distance + 4, flags);
    putBigEndian32(bytes, distance + 8, frameCount);
    return bytes;
}

Bytes withVbri(uint32_t header, size_t frameLength, uint32_t frameCount) {
    Bytes bytes = twoFrames(header, header, 0, frameLength, 16000);
    putText(bytes, 36, "VBRI");
    putBigEndian32(bytes, 36 + 14, frameCount);
    return bytes;
}

// A constant-bitrate MPEG-2 stream at 1000 bytes a second lasting the given seconds.
Bytes secondsAt8Kbps(size_t seconds) {
    return twoFrames(mpeg2Layer3At8, mpeg2Layer3At8, 0, 26, seconds * 1000);
}

const uint32_t xing = 0x58696E67, xingUpper = 0x58494E47;
const uint32_t mono128 = mpegHeader(3, 1, 9, 0, 0, 3);
const uint32_t mpeg2Mono64 = mpegHeader(2, 1, 8, 1, 0, 3);
const uint32_t layer1At128 = mpegHeader(3, 3, 4, 0); // 136-byte frames
const uint32_t layer2At128 = mpegHeader(3, 2, 8, 0); // 417-byte frames

struct StreamCase {
    const char *what;
    Bytes bytes;
    bool measured;
    const char *bitrateText;
    const char *durationText;
};

TEST(ReadMpegStreamInfo, Streams) {
    const size_t bigTag = 16000; // larger than the whole search window
    const StreamCase cases[] = {
        {"16000 bytes at 128 kbps", twoFrames(mpeg1Layer3At128, mpeg1Layer3At128, 0, 417, 16000),
         true, "128Kbps", "0:01"},
        {"59 seconds", secondsAt8Kbps(59), true, "8Kbps", "0:59"},
        {"60 seconds", secondsAt8Kbps(60), true, "8Kbps", "1:00"},
        {"3599 seconds", secondsAt8Kbps(3599), true, "8Kbps", "59:59"},
        {"3600 seconds", secondsAt8Kbps(3600), true, "8Kbps", "1:00:00"},
        {"3661 seconds", secondsAt8Kbps(3661), true, "8Kbps", "1:01:01"},
        {"MPEG-2 Layer III confirmed 192 bytes on",
         twoFrames(mpeg2Layer3At64, mpeg2Layer3At64, 0, 192, 16000), true, "64Kbps", "0:02"},
        {"the second header gives the bitrate",
         twoFrames(mpeg1Layer3At128, mpegHeader(3, 1, 5, 0), 0, 417, 16000), true, "64Kbps",
         "0:02"},
        {"first header at offset 5996",
         twoFrames(mpeg1Layer3At128, mpeg1Layer3At128, 5996, 417, 5996 + 16000), true, "128Kbps",
         "0:01"},
        {"first header at offset 5997",
         twoFrames(mpeg1Layer3At128, mpeg1Layer3At128, 5997, 417, 5997 + 16000), false, "", ""},
        // The estimate counts from the first frame: 16000 bytes of audio behind a tag as large.
        {"audio behind a large ID3v2 tag",
         twoFrames(mpeg1Layer3At128, mpeg1Layer3At128, 10 + bigTag, 417, 10 + bigTag + 16000,
                   id3v2ZeroTag(bigTag)),
         true, "128Kbps", "0:01"},
        {"audio behind a tag with a footer",
         twoFrames(mpeg1Layer3At128, mpeg1Layer3At128, 20 + bigTag, 417, 20 + bigTag + 16000,
                   id3v2ZeroTag(bigTag, 0x10)),
         true, "128Kbps", "0:01"},
        {"window counts from the tag's end: 5996",
         twoFrames(mpeg1Layer3At128, mpeg1Layer3At128, 10 + bigTag + 5996, 417,
                   10 + bigTag + 5996 + 16000, id3v2ZeroTag(bigTag)),
         true, "128Kbps", "0:01"},
        {"window counts from the tag's end: 5997",
         twoFrames(mpeg1Layer3At128, mpeg1Layer3At128, 10 + bigTag + 5997, 417,
                   10 + bigTag + 5997 + 16000, id3v2ZeroTag(bigTag)),
         false, "", ""},
        // 2^21 bytes: only the byte 6 group of the tag size is set.
        {"tag size of four 7-bit groups",
         twoFrames(mpeg1Layer3At128, mpeg1Layer3At128, 10 + (1u << 21), 417,
                   10 + (1u << 21) + 16000, id3v2ZeroTag(1u << 21)),
         true, "128Kbps", "0:01"},
        {"Xing with a frame count", withVbrHeader(mpeg1Layer3At128, mpeg1Layer3At128, 417, 36,
                                                  xing, 1, 10000),
         true, "VBR", "4:21"},
        {"upper-case XING",
         withVbrHeader(mpeg1Layer3At128, mpeg1Layer3At128, 417, 36, xingUpper, 15, 10000), true,
         "VBR", "4:21"},
        {"Xing without a frame count",
         withVbrHeader(mpeg1Layer3At128, mpeg1Layer3At128, 417, 36, xing, 0, 10000), true, "VBR",
         "0:00"},
        {"lower-case xing is no VBR header",
         withVbrHeader(mpeg1Layer3At128, mpeg1Layer3At128, 417, 36, 0x78696E67, 1, 10000), true,
         "128Kbps", "0:01"},
        {"mixed-case XiNg is no VBR header",
         withVbrHeader(mpeg1Layer3At128, mpeg1Layer3At128, 417, 36, 0x58694E67, 1, 10000), true,
         "128Kbps", "0:01"},
        {"Info (constant bitrate) is no VBR header",
         withVbrHeader(mpeg1Layer3At128, mpeg1Layer3At128, 417, 36, 0x496E666F, 1, 10000), true,
         "128Kbps", "0:01"},
        {"mono second header: Xing 21 bytes in",
         withVbrHeader(mpeg1Layer3At128, mono128, 417, 21, xing, 1, 10000), true, "VBR", "4:21"},
        {"stereo second header: nothing at 21",
         withVbrHeader(mono128, mpeg1Layer3At128, 417, 21, xing, 1, 10000), true, "128Kbps",
         "0:01"},
        // 576 samples a frame at 24000 Hz: 10000 frames last 240 seconds.
        {"MPEG-2 Layer III Xing 21 bytes in",
         withVbrHeader(mpeg2Layer3At64, mpeg2Layer3At64, 192, 21, xing, 1, 10000), true, "VBR",
         "4:00"},
        {"MPEG-2 mono Xing 13 bytes in",
         withVbrHeader(mpeg2Mono64, mpeg2Mono64, 192, 13, xing, 1, 10000), true, "VBR", "4:00"},
        {"Layer I: 384 samples a frame",
         withVbrHeader(layer1At128, layer1At128, 136, 36, xing, 1, 10000), true, "VBR", "1:27"},
        {"Layer II: 1152 samples a frame",
         withVbrHeader(layer2At128, layer2At128, 417, 36, xing, 1, 10000), true, "VBR", "4:21"},
        {"VBRI with a frame count", withVbri(mpeg1Layer3At128, 417, 10000), true, "VBR", "4:21"},
        {"VBRI at 36 bytes in MPEG-2 mono too", withVbri(mpeg2Mono64, 192, 10000), true, "VBR",
         "4:00"},
        {"Xing before VBRI", [] {
             Bytes bytes = withVbri(mono128, 417, 10000);
             putBigEndian32(bytes, 21, xing);
             putBigEndian32(bytes, 25, 1);
             putBigEndian32(bytes, 29, 20000);
             return bytes;
         }(),
         true, "VBR", "8:42"},
        {"five bytes", {0xFF, 0xFB, 0x90, 0x64, 0x00}, false, "", ""},
        {"no frame header", Bytes(16000), false, "", ""},
        {"ends inside a header", [] {
             Bytes bytes(100);
             putBytes(bytes, 100, {0xFF, 0xFB});
             return bytes;
         }(),
         false, "", ""},
        {"first frame runs past the end", [] {
             Bytes bytes(400);
             putBigEndian32(bytes, 0, mpeg1Layer3At128);
             return bytes;
         }(),
         false, "", ""},
        {"no second header", [] {
             Bytes bytes(16000);
             putBigEndian32(bytes, 0, mpeg1Layer3At128);
             return bytes;
         }(),
         false, "", ""},
        {"second header cut by the end", [] {
             Bytes bytes(417);
             putBigEndian32(bytes, 0, mpeg1Layer3At128);
             putBytes(bytes, 417, {0xFF, 0xFB});
             return bytes;
         }(),
         false, "", ""},
    };
    for (const StreamCase &c : cases) {
        OpenedBytes file(c.bytes);
        ASSERT_TRUE(file.file()) << c.what;
        MpegHeaderInfo info;
        memset(&info, 0x5A, sizeof info);
        EXPECT_EQ(readMpegStreamInfo(file.file(), &info), c.measured) << c.what;
        EXPECT_STREQ(info.bitrateText, c.bitrateText) << c.what;
        EXPECT_STREQ(info.durationText, c.durationText) << c.what;
        if (c.measured) {
            EXPECT_EQ(info.fileSize, c.bytes.size()) << c.what;
        }
    }
}

TEST(ReadMpegStreamInfo, NoFile) {
    MpegHeaderInfo info;
    memset(&info, 0x5A, sizeof info);
    EXPECT_FALSE(readMpegStreamInfo(nullptr, &info));
    EXPECT_STREQ(info.bitrateText, "");
    EXPECT_STREQ(info.durationText, "");
}

#if defined(__GLIBC__)
// A stream that delivers its bytes up to failAt and reports a read error from there on, as a
// failing disk does: no end-of-file indicator, and the position does not move.
struct FailingStream {
    Bytes bytes;
    size_t failAt;
    size_t position;
};

ssize_t readFailing(void *cookie, char *buffer, size_t size) {
    FailingStream *stream = static_cast<FailingStream *>(cookie);
    if (stream->position >= stream->failAt) return -1;
    size_t count = std::min(size, stream->failAt - stream->position);
    count =
        std::min(count, stream->bytes.size() - std::min(stream->position, stream->bytes.size()));
    memcpy(buffer, stream->bytes.data() + stream->position, count);
    stream->position += count;
    return ssize_t(count);
}

int seekFailing(void *cookie, off64_t *offset, int whence) {
    FailingStream *stream = static_cast<FailingStream *>(cookie);
    off64_t base = whence == SEEK_SET   ? 0
                   : whence == SEEK_CUR ? off64_t(stream->position)
                                        : off64_t(stream->bytes.size());
    if (base + *offset < 0) return -1;
    stream->position = size_t(base + *offset);
    *offset = off64_t(stream->position);
    return 0;
}

TEST(ReadMpegStreamInfo, ReadErrorEndsTheSearch) {
    for (size_t failAt : {size_t(0), size_t(3), size_t(500), size_t(1002), size_t(1419)}) {
        FailingStream stream = {twoFrames(mpeg1Layer3At128, mpeg1Layer3At128, 1000, 417, 16000),
                                failAt, 0};
        cookie_io_functions_t functions = {readFailing, nullptr, seekFailing, nullptr};
        FILE *file = fopencookie(&stream, "rb", functions);
        ASSERT_TRUE(file);
        MpegHeaderInfo info;
        EXPECT_FALSE(readMpegStreamInfo(file, &info)) << "error from byte " << failAt;
        EXPECT_STREQ(info.durationText, "");
        fclose(file);
    }
}
#endif

} // namespace
