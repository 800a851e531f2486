// The readers on small files made by real encoders and taggers (tests/data/README.md says how),
// checked against what those tools wrote and what a peer tool measures.
#include "mp3/id3v1.h"
#include "mp3/id3v2.h"
#include "mp3/mpeg_stream_info.h"

#include <gtest/gtest.h>

#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

namespace {

enum TagKind { noTag, version1, version2 };

struct RealFile {
    const char *name;
    TagKind tag;
    std::string title, artist, album, year;
    int32_t track;
    const char *bitrateText;
    double peerSeconds; // ffprobe's duration
};

// "m:ss" or "h:mm:ss" back into seconds.
long secondsOf(const char *durationText) {
    long seconds = 0;
    for (const char *at = durationText; *at;) {
        char *end = nullptr;
        seconds = seconds * 60 + strtol(at, &end, 10);
        at = (*end == ':') ? end + 1 : end;
        if (end == at && *at) return -1;
    }
    return seconds;
}

TEST(RealFiles, TagsAndStreams) {
    const RealFile files[] = {
        {"cbr-mpeg1.mp3", noTag, "", "", "", "", 0, "48Kbps", 2.052},
        {"vbr-xing-mpeg1.mp3", noTag, "", "", "", "", 0, "VBR", 2.052},
        {"mpeg2-22khz-padding.mp3", noTag, "", "", "", "", 0, "32Kbps", 2.06375},
        {"vbr-xing-mpeg2.mp3", noTag, "", "", "", "", 0, "VBR", 2.063673},
        {"mono-mpeg1.mp3", noTag, "", "", "", "", 0, "32Kbps", 2.052},
        {"id3v1-only.mp3", version1, "Version One Title", "Version One Artist", "Version One Album",
         "1999", 7, "32Kbps", 2.084},
        {"id3v23-long-frame.mp3", version2, "Title After Comment", "Long Frame Artist",
         "Album Three", "2003", 4, "32Kbps", 2.06375},
        // Version 2.4 keeps the year in "TDRC", which the reader does not know.
        {"id3v24.mp3", version2, std::string(126, 'T'), "Four Artist", "Four Album", "", 9,
         "48Kbps", 2.052},
        {"id3v2-picture.mp3", version2, "Picture Title", "Picture Artist", "", "", 0, "VBR", 2.052},
    };
    for (const RealFile &f : files) {
        std::string path = std::string(DISCLIST_TEST_DATA) + "/" + f.name;
        FILE *file = fopen(path.c_str(), "rb");
        ASSERT_TRUE(file) << path;
        char title[128], artist[128], album[128], year[128];
        int32_t track = -1;
        bool hasVersion1 = readId3v1(file, title, artist, album, year, &track);
        EXPECT_EQ(hasVersion1, f.tag == version1) << f.name;
        if (!hasVersion1) {
            EXPECT_EQ(readId3v2(file, title, artist, album, year, &track), f.tag == version2)
                << f.name;
        }
        EXPECT_EQ(title, f.title) << f.name;
        EXPECT_EQ(artist, f.artist) << f.name;
        EXPECT_EQ(album, f.album) << f.name;
        EXPECT_EQ(year, f.year) << f.name;
        EXPECT_EQ(track, f.track) << f.name;

        MpegHeaderInfo info;
        EXPECT_TRUE(readMpegStreamInfo(file, &info)) << f.name;
        EXPECT_STREQ(info.bitrateText, f.bitrateText) << f.name;
        EXPECT_LE(fabs(double(secondsOf(info.durationText)) - f.peerSeconds), 1.0)
            << f.name << ": " << info.durationText;
        fclose(file);
    }
}

} // namespace
