#include "mp3/id3v2.h"

#include "reader_fields.h"
#include "scratch_file.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

// A text frame's body: the encoding byte (0, Latin-1) and the text.
Bytes text(const std::string &value) {
    Bytes bytes = {0};
    putBytes(bytes, 1, textBytes(value));
    return bytes;
}

Bytes operator+(Bytes a, const Bytes &b) {
    putBytes(a, a.size(), b);
    return a;
}

// Version 2.3 frame: identifier, size as a plain 32-bit big-endian number, two flag bytes.
Bytes frame23(const char *id, const Bytes &body, uint32_t size) {
    Bytes bytes = textBytes(id);
    putBigEndian32(bytes, 4, size);
    bytes.resize(10);
    return bytes + body;
}
Bytes frame23(const char *id, const Bytes &body) {
    return frame23(id, body, uint32_t(body.size()));
}

// Version 2.4 frame: the size as four 7-bit groups.
Bytes frame24(const char *id, const Bytes &body) {
    uint32_t size = uint32_t(body.size());
    Bytes bytes = textBytes(id);
    putBytes(bytes, 4,
             {uint8_t(size >> 21 & 0x7F), uint8_t(size >> 14 & 0x7F), uint8_t(size >> 7 & 0x7F),
              uint8_t(size & 0x7F), 0, 0});
    return bytes + body;
}

// Version 2.2 frame: a three-letter identifier and a 3-byte big-endian size.
Bytes frame22(const char *id, const Bytes &body) {
    uint32_t size = uint32_t(body.size());
    Bytes bytes = textBytes(id);
    putBytes(bytes, 3, {uint8_t(size >> 16), uint8_t(size >> 8), uint8_t(size)});
    return bytes + body;
}

// Header and frames; the size bytes 6 to 9 are given, or else those of the frames' length.
Bytes tag(uint8_t major, uint8_t flags, const Bytes &frames, Bytes sizeBytes = {}) {
    uint32_t size = uint32_t(frames.size());
    if (sizeBytes.empty())
        sizeBytes = {uint8_t(size >> 21 & 0x7F), uint8_t(size >> 14 & 0x7F),
                     uint8_t(size >> 7 & 0x7F), uint8_t(size & 0x7F)};
    Bytes bytes = {'I', 'D', '3', major, 0, flags};
    return bytes + sizeBytes + frames;
}

// Audio bytes that follow the tag and must never show up in a field.
const Bytes audio = Bytes(64, 'Z');

struct TagCase {
    const char *what;
    Bytes file;
    bool found;
    std::string title, artist, album, year;
    int32_t track;
};

TEST(ReadId3v2, Tags) {
    const std::string long200(200, 'L');
    const Bytes all23 = frame23("TIT2", text("Title")) + frame23("TPE1", text("Artist")) +
                        frame23("TALB", text("Album")) + frame23("TYER", text("1969")) +
                        frame23("TRCK", text("3"));
    const TagCase cases[] = {
        {"version 2.3", tag(3, 0, all23) + audio, true, "Title", "Artist", "Album", "1969", 3},
        {"version 2.4",
         tag(4, 0,
             frame24("TIT2", text("T4")) + frame24("TPE1", text("A4")) +
                 frame24("TALB", text("L4")) + frame24("TYER", text("2004")) +
                 frame24("TRCK", text("4/9"))) +
             audio,
         true, "T4", "A4", "L4", "2004", 4},
        {"version 2.2",
         tag(2, 0,
             frame22("TT2", text("T2")) + frame22("TP1", text("A2")) + frame22("TAL", text("L2")) +
                 frame22("TYE", text("2002")) + frame22("TRK", text("12"))) +
             audio,
         true, "T2", "A2", "L2", "2002", 12},
        {"version 2.2 ignores four-letter frames",
         tag(2, 0, frame22("TIT", text("x")) + frame22("TT2", text("Two"))), true, "Two", "", "",
         "", 0},
        // Sizes above 127 tell plain numbers from 7-bit groups.
        {"version 2.3: a 200-byte frame before the title",
         tag(3, 0, frame23("COMM", Bytes(200, 'c')) + frame23("TIT2", text("After"))) + audio, true,
         "After", "", "", "", 0},
        {"version 2.4: a 200-byte frame before the title",
         tag(4, 0, frame24("COMM", Bytes(200, 'c')) + frame24("TIT2", text("After"))) + audio, true,
         "After", "", "", "", 0},
        {"version 2.3 frame of 255 bytes",
         tag(3, 0, frame23("TXXX", Bytes(255, 'x')) + frame23("TPE1", text("Next"))), true, "",
         "Next", "", "", 0},
        {"no known frame", tag(3, 0, frame23("COMM", text("just a comment"))) + audio, true, "", "",
         "", "", 0},
        {"empty tag", tag(3, 0, {}) + audio, true, "", "", "", "", 0},
        {"padding after the frames", tag(3, 0, frame23("TIT2", text("Pad")) + Bytes(300)), true,
         "Pad", "", "", "", 0},
        {"flag 0x20 accepted", tag(3, 0x20, all23), true, "Title", "Artist", "Album", "1969", 3},
        {"flag 0x10 accepted", tag(4, 0x10, all23), true, "Title", "Artist", "Album", "1969", 3},
        {"unsynchronisation refused", tag(3, 0x80, all23), false, "", "", "", "", 0},
        {"extended header refused", tag(3, 0x40, all23), false, "", "", "", "", 0},
        {"TIT2 of 200 characters", tag(3, 0, frame23("TIT2", text(long200))), true,
         std::string(126, 'L'), "", "", "", 0},
        {"text ends at a zero byte", tag(3, 0, frame23("TIT2", text(std::string("Ti\0tle", 6)))),
         true, "Ti", "", "", "", 0},
        {"later frames replace earlier ones",
         tag(3, 0, frame23("TIT2", text("One")) + frame23("TIT2", text("Two"))), true, "Two", "",
         "", "", 0},
        {"size 0 keeps, size 1 empties",
         tag(3, 0,
             frame23("TIT2", text("Kept")) + frame23("TIT2", {}) + frame23("TPE1", text("Gone")) +
                 frame23("TPE1", text("")) + frame23("TRCK", text("8")) +
                 frame23("TRCK", text(""))),
         true, "Kept", "", "", "", 8},
        {"track 5/12", tag(3, 0, frame23("TRCK", text("5/12"))), true, "", "", "", "", 5},
        {"track with a space", tag(3, 0, frame23("TRCK", text(" 7"))), true, "", "", "", "", 7},
        {"track of letters", tag(3, 0, frame23("TRCK", text("seven"))), true, "", "", "", "", 0},
        {"track of nine digits", tag(3, 0, frame23("TRCK", text("123456789"))), true, "", "", "",
         "", 1234567},
        // Size bytes 6 to 9: 0x00 0x00 0x02 0x01 give 257; byte 6 is not part of the size.
        {"tag size 257: a frame beyond it is not read",
         tag(3, 0, frame23("TIT2", text("In")) + Bytes(257 - 13) + frame23("TPE1", text("Out")),
             {0x00, 0x00, 0x02, 0x01}),
         true, "In", "", "", "", 0},
        {"byte 6 does not count",
         tag(3, 0, frame23("TIT2", text("In")) + Bytes(257 - 13) + frame23("TPE1", text("Out")),
             {0x01, 0x00, 0x02, 0x01}),
         true, "In", "", "", "", 0},
        // A frame cut by the end of the tag gives what the tag holds of it.
        {"frame longer than the tag", tag(3, 0, frame23("TIT2", text("Cut short"), 100)) + audio,
         true, "Cut short", "", "", "", 0},
        {"frame size past 32 bits of offset",
         tag(3, 0, frame23("TPE1", text("First")) + frame23("TIT2", text("Huge"), 0xFFFFFFFF)) +
             audio,
         true, "Huge", "First", "", "", 0},
        {"frame header cut by the end of the tag",
         tag(3, 0, frame23("TPE1", text("Whole")) + textBytes("TIT2\x00")) + audio, true, "",
         "Whole", "", "", 0},
        {"version 2.2 frame header cut", tag(2, 0, frame22("TP1", text("W")) + textBytes("TT2")),
         true, "", "W", "", "", 0},
        {"file shorter than its tag", tag(3, 0, frame23("TIT2", text("Short")), {0, 0, 0x7F, 0x7F}),
         true, "Short", "", "", "", 0},
        {"nine bytes", textBytes("ID3\x03\x00\x00\x00\x00"), false, "", "", "", "", 0},
        {"no header", textBytes("TAG and more than ten bytes"), false, "", "", "", "", 0},
    };
    for (const TagCase &c : cases) {
        OpenedBytes file(c.file);
        ASSERT_TRUE(file.file()) << c.what;
        Fields fields;
        EXPECT_EQ(readId3v2(file.file(), fields.title, fields.artist, fields.album, fields.year,
                            &fields.track),
                  c.found)
            << c.what;
        EXPECT_EQ(fields.title, c.title) << c.what;
        EXPECT_EQ(fields.artist, c.artist) << c.what;
        EXPECT_EQ(fields.album, c.album) << c.what;
        EXPECT_EQ(fields.year, c.year) << c.what;
        EXPECT_EQ(fields.track, c.track) << c.what;
    }
}

TEST(ReadId3v2, NoFileEmptiesTheFields) {
    Fields fields;
    EXPECT_FALSE(
        readId3v2(nullptr, fields.title, fields.artist, fields.album, fields.year, &fields.track));
    EXPECT_STREQ(fields.title, "");
    EXPECT_STREQ(fields.year, "");
    EXPECT_EQ(fields.track, 0);
}

} // namespace
