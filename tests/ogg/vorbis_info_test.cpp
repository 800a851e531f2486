#include "ogg/ogg_builder.h"
#include "ogg/vorbis_reader.h"
#include "support/scratch_directory.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

class VorbisInfo : public ::testing::Test {
  protected:
    ScratchDirectory dir{"vorbis"};
    int serial = 0;

    std::string store(const Bytes &file) {
        return dir.write("file" + std::to_string(++serial) + ".ogg", file).string();
    }
    VorbisRead read(const Bytes &file) { return readVorbisFile(store(file)); }
    // A file of `size` bytes: the given start, then zeros (sparse where the file system allows).
    VorbisRead readSized(const Bytes &start, uintmax_t size) {
        std::string path = store(start);
        std::filesystem::resize_file(std::filesystem::u8path(path), size);
        return readVorbisFile(path);
    }
};

void expectNothingRead(const VorbisRead &read) {
    EXPECT_EQ(read.result, 0);
    for (const std::string *text :
         {&read.title, &read.artist, &read.album, &read.year, &read.bitrate, &read.duration})
        EXPECT_EQ(*text, "");
    EXPECT_EQ(read.track, 0);
}

TEST_F(VorbisInfo, WorkedExampleFromTheLastPage) {
    VorbisRead got = read(vorbisFile(
        44100, 128000,
        {"TITLE=Song Title", "ARTIST=The Band", "ALBUM=Red Album", "YEAR=1969", "TRACKNUMBER=3"},
        9525600));
    EXPECT_EQ(got.result, 1);
    EXPECT_EQ(got.title, "Song Title");
    EXPECT_EQ(got.artist, "The Band");
    EXPECT_EQ(got.album, "Red Album");
    EXPECT_EQ(got.year, "1969");
    EXPECT_EQ(got.track, 3);
    EXPECT_EQ(got.bitrate, "125Kbps");
    EXPECT_EQ(got.duration, "3:36");
}

TEST_F(VorbisInfo, WorkedExampleEstimatedFromTheFileSize) {
    // 3456000 bytes and no page in the last 16384: 3456000 * 8 / 128000 = 216 seconds.
    VorbisRead got = read(paddedTo(vorbisHeaders(44100, 128000, {"TITLE=x"}), 3456000));
    EXPECT_EQ(got.result, 1);
    EXPECT_EQ(got.bitrate, "125Kbps");
    EXPECT_EQ(got.duration, "3:36");
}

TEST_F(VorbisInfo, FileThatCannotBeOpenedLeavesTheOutputs) {
    for (const std::string &path : {(dir.path() / "missing.ogg").string(), dir.path().string()}) {
        SCOPED_TRACE(path);
        VorbisRead got = readVorbisFile(path);
        EXPECT_EQ(got.result, 0);
        EXPECT_EQ(got.title, std::string(64, 'x'));
        EXPECT_EQ(got.duration, std::string(11, 'x'));
        EXPECT_EQ(got.track, untouchedTrack);
    }
}

struct FailureCase {
    const char *label;
    std::function<Bytes()> build;
};

TEST_F(VorbisInfo, FilesNotLaidOutAsAVorbisStreamGiveNothing) {
    const Bytes id = identificationHeader(44100, 128000);
    const Bytes comments = commentHeader({"TITLE=Song"});
    const Bytes page2 = page({comments}, 0, 1);
    const auto cut = [](Bytes bytes, size_t size) {
        bytes.resize(size);
        return bytes;
    };
    const auto joined = [](Bytes first, const Bytes &second) {
        append(first, second);
        return first;
    };
    const FailureCase cases[] = {
        {"empty file", [] { return Bytes{}; }},
        {"not an Ogg file",
         [] {
             return paddedTo(Bytes{'R', 'I', 'F', 'F'}, 200);
         }},
        {"page 1 header cut short", [&] { return cut(page({id}), 20); }},
        {"file ends inside page 1's segment table",
         [&] {
             return cut(rawPage({255, 255, 10}, Bytes(520, 1)), 28);
         }},
        {"page 1 has no segments", [&] { return joined(rawPage({}, {}), page2); }},
        {"file ends after page 1", [&] { return page({id}); }},
        {"page 2 header cut short", [&] { return joined(page({id}), cut(page2, 10)); }},
        {"file ends inside page 2's segment table",
         [&] { return joined(page({id}), cut(page({Bytes(600, 'c')}), 28)); }},
        {"identification and comment header both on page 1",
         [&] {
             return joined(page({id, comments}), page({Bytes(40, 5)}, 0, 1));
         }},
        {"identification header spills onto page 2",
         [&] {
             Bytes longId = id;
             longId.resize(300, 0);
             Bytes file = rawPage({255}, Bytes(longId.begin(), longId.begin() + 255));
             append(file, rawPage({45}, Bytes(longId.begin() + 255, longId.end()), 0, 1, 1));
             return joined(file, page({comments}, 0, 2));
         }},
        {"first packet is a comment header", [&] { return joined(page({comments}), page2); }},
        {"first packet not named vorbis",
         [&] {
             Bytes wrong = id;
             wrong[6] = 'z';
             return joined(page({wrong}), page2);
         }},
        {"identification header too short for its rates",
         [&] { return joined(page({cut(id, 20)}), page2); }},
        {"second packet is no comment header",
         [&] {
             Bytes setup = comments;
             setup[0] = 5;
             return joined(page({id}), page({setup}, 0, 1));
         }},
        {"an Opus stream",
         [&] {
             Bytes head, tags;
             append(head, std::string("OpusHead\x01\x02\x38\x01\x80\xbb\0\0\0\0\0", 19));
             append(tags, std::string("OpusTags\x04\0\0\0opus\0\0\0\0", 20));
             return joined(page({head}), page({tags}, 0, 1));
         }},
    };
    for (const FailureCase &c : cases) {
        SCOPED_TRACE(c.label);
        expectNothingRead(read(c.build()));
    }
}

TEST_F(VorbisInfo, StreamWithoutKnownCommentsStillGivesRateAndDuration) {
    for (const std::vector<std::string> &comments :
         {std::vector<std::string>{}, {"DATE=2001", "GENRE=Rock", "COMMENT=title=no", "TITLE"}}) {
        VorbisRead got = read(vorbisFile(1000, 8000, comments, 65000));
        EXPECT_EQ(got.result, 1);
        EXPECT_EQ(got.title, "");
        EXPECT_EQ(got.artist, "");
        EXPECT_EQ(got.album, "");
        EXPECT_EQ(got.year, "");
        EXPECT_EQ(got.track, 0);
        EXPECT_EQ(got.bitrate, "8Kbps");
        EXPECT_EQ(got.duration, "1:05");
    }
}

// The tail window is the last 16384 bytes; positions 1 to 16352 of it are searched, from the
// end. Sample rate 1000 and nominal bitrate 8000: the granule in thousandths of a second, and
// an estimate of file size / 1000 seconds.
struct TailCase {
    const char *label;
    std::function<Bytes()> build;
    const char *duration;
};

TEST_F(VorbisInfo, LastPageIsSearchedInTheTailWindow) {
    const Bytes headers = vorbisHeaders(1000, 8000, {"TITLE=t"});
    const size_t longFile = 16384 + 1000; // the window starts at byte 1000
    const auto withPatterns = [&](size_t size, std::vector<std::pair<size_t, uint64_t>> patterns) {
        Bytes file = paddedTo(headers, size);
        for (const auto &pattern : patterns)
            placeCapturePattern(file, pattern.first, pattern.second);
        return file;
    };
    const TailCase cases[] = {
        {"short file: its last page", [] { return vorbisFile(1000, 8000, {}, 65000); }, "1:05"},
        {"only the low 32 bits of the granule",
         [] { return vorbisFile(1000, 8000, {}, 0x100000000ull + 10000); }, "0:10"},
        {"exactly 16384 bytes: last page at position 16351",
         [&] {
             Bytes file = paddedTo(headers, 16384 - 33);
             append(file, page({Bytes(5, 0x55)}, 9000, 2));
             return file;
         },
         "0:09"},
        {"exactly 16384 bytes: the window holds the file's start",
         [&] {
             return withPatterns(16384, {{headers.size(), 3725000}});
         },
         "62:05"},
        {"pattern at the window's first byte is not tested",
         [&] {
             return withPatterns(longFile, {{1000, 65000}});
         },
         "0:17"},
        {"pattern at the window's second byte is found",
         [&] {
             return withPatterns(longFile, {{1001, 65000}});
         },
         "1:05"},
        {"pattern in the last 31 bytes is not tested; an earlier one is found",
         [&] {
             return withPatterns(longFile, {{1000 + 3000, 9000}, {longFile - 31, 65000}});
         },
         "0:09"},
        {"pattern at window position 16352 is found",
         [&] {
             return withPatterns(longFile, {{1000 + 3000, 9000}, {longFile - 32, 65000}});
         },
         "1:05"},
        {"the pattern nearest the end wins",
         [&] {
             return withPatterns(longFile, {{1000 + 3000, 9000}, {1000 + 9000, 65000}});
         },
         "1:05"},
        {"a capture pattern inside page data counts as a page",
         [] {
             Bytes file = vorbisFile(1000, 8000, {}, 65000, 1000);
             placeCapturePattern(file, file.size() - 100, 9000);
             return file;
         },
         "0:09"},
        {"no page found: estimate", [&] { return paddedTo(headers, longFile); }, "0:17"},
    };
    for (const TailCase &c : cases) {
        SCOPED_TRACE(c.label);
        VorbisRead got = read(c.build());
        EXPECT_EQ(got.result, 1);
        EXPECT_EQ(got.duration, c.duration);
    }
}

struct CommentCase {
    const char *label;
    std::vector<std::string> comments;
    std::string title, artist, album, year;
    int32_t track;
};

TEST_F(VorbisInfo, CommentsFillTheirFields) {
    const std::string seventy(70, 'a');
    const std::string sixtyFour(64, 'b');
    const CommentCase cases[] = {
        {"names in any letter case",
         {"title=Song", "Artist=Band", "aLbUm=Disc", "year=1999", "TrackNumber=4"},
         "Song",
         "Band",
         "Disc",
         "1999",
         4},
        {"DATE and other names fill nothing",
         {"DATE=2001", "TITLEX=no", "ARTIST"},
         "",
         "",
         "",
         "",
         0},
        {"the later comment of a name wins",
         {"TITLE=First", "ARTIST=A", "title=Second", "TRACKNUMBER=1", "TRACKNUMBER=2"},
         "Second",
         "A",
         "",
         "",
         2},
        {"values cut to 64 characters",
         {"TITLE=" + seventy, "ARTIST=" + sixtyFour},
         std::string(64, 'a'),
         sixtyFour,
         "",
         "",
         0},
        {"an empty value", {"TITLE=", "ALBUM=x"}, "", "", "x", "", 0},
        {"a value ends at a NUL byte",
         {std::string("TITLE=ab\0cd", 11), "ARTIST=next"},
         "ab",
         "next",
         "",
         "",
         0},
        {"a comment longer than the 255-byte copy is passed in full",
         {"COMMENT=" + std::string(400, 'z'), "TITLE=After", "ALBUM=" + std::string(300, 'q')},
         "After",
         "",
         std::string(64, 'q'),
         "",
         0},
        {"values are bytes, unconverted",
         {"TITLE=Caf\xc3\xa9", "ARTIST=%title%"},
         "Caf\xc3\xa9",
         "%title%",
         "",
         "",
         0},
    };
    for (const CommentCase &c : cases) {
        SCOPED_TRACE(c.label);
        VorbisRead got = read(vorbisFile(44100, 128000, c.comments, 44100));
        EXPECT_EQ(got.result, 1);
        EXPECT_EQ(got.title, c.title);
        EXPECT_EQ(got.artist, c.artist);
        EXPECT_EQ(got.album, c.album);
        EXPECT_EQ(got.year, c.year);
        EXPECT_EQ(got.track, c.track);
    }
}

TEST_F(VorbisInfo, TrackNumberIsTheIntegerAtTheValuesStart) {
    const std::pair<std::vector<std::string>, int32_t> cases[] = {
        {{"TRACKNUMBER=3/12"}, 3},
        {{"TRACKNUMBER=07"}, 7},
        {{"TRACKNUMBER=A1"}, 0},
        {{"TRACKNUMBER= \t5"}, 5},
        {{"TRACKNUMBER=-2"}, -2},
        {{"TRACKNUMBER=+4"}, 4},
        {{"TRACKNUMBER="}, 0},
        {{"TRACKNUMBER=-"}, 0},
        // A value that is no integer keeps what an earlier comment stored.
        {{"TRACKNUMBER=5", "TRACKNUMBER=A1"}, 5},
        // Beyond the 32-bit range the number is held at its limit.
        {{"TRACKNUMBER=99999999999"}, INT32_MAX},
        {{"TRACKNUMBER=-99999999999"}, INT32_MIN},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.first.back());
        VorbisRead got = read(vorbisFile(44100, 128000, c.first, 44100));
        EXPECT_EQ(got.result, 1);
        EXPECT_EQ(got.track, c.second);
    }
}

// Lengths and counts in the comment header that reach past its packet end the walk there;
// what was stored before stays, and the file is still read.
TEST_F(VorbisInfo, CommentWalkStaysInsideThePacket) {
    const Bytes id = identificationHeader(1000, 8000);
    const auto withComments = [&](const Bytes &commentPacket) {
        Bytes file = page({id}, 0, 0, false, 2);
        append(file, page({commentPacket}, 0, 1));
        return file;
    };
    const auto setLength = [](Bytes packet, size_t offset, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            packet[offset + i] = static_cast<unsigned char>(value >> (8 * i));
        return packet;
    };
    const size_t vendorLength = std::string("byte-built test vendor").size();
    const size_t countOffset = 11 + vendorLength;
    const size_t firstComment = countOffset + 4;

    struct Case {
        const char *label;
        Bytes file;
        const char *title, *artist;
    };
    std::vector<Case> cases;
    cases.push_back({"vendor length past the packet",
                     withComments(setLength(commentHeader({"TITLE=t"}), 7, 0xFFFFFFF0u)), "", ""});
    cases.push_back(
        {"comment count past what the packet holds",
         withComments(setLength(commentHeader({"TITLE=t", "ARTIST=a"}), countOffset, 0xFFFFFFFFu)),
         "t", "a"});
    cases.push_back({"a comment length past the packet",
                     withComments(setLength(commentHeader({"TITLE=Kept", "ARTIST=Lost"}),
                                            firstComment + 4 + 10, 0x7FFFFFFFu)),
                     "Kept", ""});
    cases.push_back({"a comment header of nothing but its type and name",
                     withComments(Bytes{3, 'v', 'o', 'r', 'b', 'i', 's'}), "", ""});
    {
        Bytes empty = commentHeader({});
        empty.resize(countOffset + 2);
        cases.push_back(
            {"a comment header cut inside its comment count", withComments(empty), "", ""});
    }
    {
        // A comment header that continues on page 3 is read as far as page 2 holds it (510
        // bytes here): the picture's first 255 bytes are there, the comments after it are not.
        Bytes comments = commentHeader(
            {"TITLE=Early", "METADATA_BLOCK_PICTURE=" + std::string(900, 'p'), "ARTIST=Late"});
        Bytes file = page({id}, 0, 0, false, 2);
        append(file, page({Bytes(comments.begin(), comments.begin() + 510)}, 0, 1, true));
        append(file, rawPage(lacing(comments.size() - 510),
                             Bytes(comments.begin() + 510, comments.end()), 0, 2, 1));
        cases.push_back({"comment header continued on page 3", file, "Early", ""});
    }
    {
        // A title whose bytes straddle the end of page 2 is not taken in part.
        const std::string before = "ARTIST=Before";
        const size_t titleAt = 505; // where the title's bytes start, 5 bytes before the cut
        const size_t fillerLength = titleAt - (firstComment + 4 + before.size() + 4 + 4);
        Bytes comments =
            commentHeader({before, "X=" + std::string(fillerLength - 2, 'f'), "TITLE=Straddling"});
        const Bytes title = {'T', 'I', 'T', 'L', 'E', '='};
        EXPECT_EQ(std::search(comments.begin(), comments.end(), title.begin(), title.end()) -
                      comments.begin(),
                  long(titleAt));
        Bytes file = page({id}, 0, 0, false, 2);
        append(file, page({Bytes(comments.begin(), comments.begin() + 510)}, 0, 1, true));
        append(file, rawPage(lacing(comments.size() - 510),
                             Bytes(comments.begin() + 510, comments.end()), 0, 2, 1));
        cases.push_back({"title cut by the end of page 2", file, "", "Before"});
    }
    {
        // The file ends inside the comment packet: the comments that were read count.
        Bytes file =
            withComments(commentHeader({"TITLE=Whole", "ARTIST=" + std::string(100, 'a')}));
        file.resize(file.size() - 60);
        cases.push_back({"file ends inside the comment header", file, "Whole", ""});
    }
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        VorbisRead got = read(c.file);
        EXPECT_EQ(got.result, 1);
        EXPECT_EQ(got.title, c.title);
        EXPECT_EQ(got.artist, c.artist);
        EXPECT_EQ(got.bitrate, "8Kbps");
    }
}

TEST_F(VorbisInfo, BitrateIsInKilobitsRoundedUp) {
    const std::pair<uint32_t, const char *> cases[] = {
        {0, "0Kbps"},
        {1, "1Kbps"},
        {1024, "1Kbps"},
        {1025, "2Kbps"},
        {128000, "125Kbps"},
        {160000, "157Kbps"},
        // The sum is taken in 32 bits: -1, "no nominal bitrate", comes out as 0.
        {0xFFFFFFFFu, "0Kbps"},
        {0xFFFFFBFFu, "4194303Kbps"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_EQ(read(vorbisFile(44100, c.first, {}, 44100)).bitrate, c.second);
    }
}

TEST_F(VorbisInfo, DurationIsMinutesAndSeconds) {
    struct Case {
        uint32_t sampleRate;
        uint64_t granule;
        const char *duration;
    };
    const Case cases[] = {
        {44100, 9525600, "3:36"},
        {1000, 65000, "1:05"},
        {1000, 9999, "0:09"},
        {1000, 3725000, "62:05"},
        {1000, 0, "0:00"},
        {1, 0xFFFFFFFFu, "71582788:15"}, // the longest text: 11 characters
        {0, 44100, "0:00"},              // no sample rate: no time
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.duration);
        EXPECT_EQ(read(vorbisFile(c.sampleRate, 128000, {}, c.granule)).duration, c.duration);
    }
}

TEST_F(VorbisInfo, EstimateFromLargeFilesAndZeroRates) {
    struct Case {
        const char *label;
        uint32_t sampleRate, nominalBitrate;
        uintmax_t fileSize;
        const char *duration;
    };
    const Case cases[] = {
        {"no nominal bitrate", 44100, 0, 100000, "0:00"},
        {"no sample rate", 0, 128000, 100000, "0:00"},
        // 600000000 * 8 overflows 32 bits; taken in 64 bits it gives 37500 seconds.
        {"a file of 600 MB", 44100, 128000, 600000000, "625:00"},
        // 4800000000 seconds of samples exceed any granule: held at the 32-bit maximum.
        {"more samples than 32 bits hold", 44100, 1, 600000000, "1623:11"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        VorbisRead got =
            readSized(vorbisHeaders(c.sampleRate, c.nominalBitrate, {"TITLE=t"}), c.fileSize);
        EXPECT_EQ(got.result, 1);
        EXPECT_EQ(got.duration, c.duration);
    }
}

} // namespace
