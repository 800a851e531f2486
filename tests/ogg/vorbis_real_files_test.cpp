// Files made by real encoders (tests/data/README.md says how), checked against what peer tools
// report for them (tests/data/ogg_peer.tsv).
#include "ogg/vorbis_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string dataDir = DISCLIST_TEST_DATA;

struct PeerRecord {
    std::string file, codec;
    double seconds = 0;
};

std::vector<PeerRecord> peerRecords() {
    std::vector<PeerRecord> records;
    std::ifstream in(dataDir + "/ogg_peer.tsv");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        PeerRecord record;
        fields >> record.file >> record.codec >> record.seconds;
        records.push_back(record);
    }
    return records;
}

// The peer's duration in the reader's form: whole minutes and seconds, rounded down.
std::string minutesAndSeconds(double seconds) {
    long whole = static_cast<long>(std::floor(seconds));
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
    return text;
}

TEST(VorbisRealFiles, DurationMatchesThePeerTool) {
    std::vector<PeerRecord> records = peerRecords();
    ASSERT_EQ(records.size(), 6u) << "tests/data/ogg_peer.tsv not found or incomplete";
    for (const PeerRecord &record : records) {
        SCOPED_TRACE(record.file);
        VorbisRead got = readVorbisFile(dataDir + "/" + record.file);
        if (record.codec == "vorbis") {
            EXPECT_EQ(got.result, 1);
            EXPECT_EQ(got.duration, minutesAndSeconds(record.seconds));
        } else {
            EXPECT_EQ(got.result, 0);
        }
    }
}

struct TagCase {
    const char *file;
    const char *title, *artist, *album, *year;
    int32_t track;
    const char *bitrate;
};

TEST(VorbisRealFiles, CommentsAndBitrate) {
    const TagCase cases[] = {
        {"vorbis_upper_case.ogg", "Song Title", "The Band", "Red Album", "2002", 3, "16Kbps"},
        // oggenc writes its own options' names in lower case; its -d is DATE, no year.
        {"vorbis_lower_case.ogg", "lower case", "quiet band", "small", "", 7, "63Kbps"},
        {"vorbis_space_title.ogg", " ", "The Band", "", "", 0, "16Kbps"},
        {"vorbis_untitled.ogg", "", "The Band", "Red Album", "", 0, "16Kbps"},
        // The 70000-byte comment fills page 2 and goes on to page 3: the artist after it is not
        // on page 2, so it is not read.
        {"vorbis_long_comment.ogg", "Long Comment", "", "", "", 0, "16Kbps"},
    };
    for (const TagCase &c : cases) {
        SCOPED_TRACE(c.file);
        VorbisRead got = readVorbisFile(dataDir + "/" + c.file);
        EXPECT_EQ(got.result, 1);
        EXPECT_EQ(got.title, c.title);
        EXPECT_EQ(got.artist, c.artist);
        EXPECT_EQ(got.album, c.album);
        EXPECT_EQ(got.year, c.year);
        EXPECT_EQ(got.track, c.track);
        EXPECT_EQ(got.bitrate, c.bitrate);
    }
}

} // namespace
