#include "mp3/id3v1.h"

#include "reader_fields.h"
#include "scratch_file.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

// A file of some audio bytes ending in a version 1 tag; texts are placed as given, the rest of
// their fields zero.
Bytes withTag(const std::string &title, const std::string &artist, const std::string &album,
              const std::string &year, uint8_t byte125 = 0, uint8_t byte126 = 0) {
    Bytes tag(128);
    putText(tag, 0, "TAG");
    putBytes(tag, 3, textBytes(title.substr(0, 30)));
    putBytes(tag, 33, textBytes(artist.substr(0, 30)));
    putBytes(tag, 63, textBytes(album.substr(0, 30)));
    putBytes(tag, 93, textBytes(year.substr(0, 4)));
    tag[125] = byte125;
    tag[126] = byte126;
    tag[127] = 17; // genre, not read
    Bytes file(300, 0xAA);
    putBytes(file, file.size(), tag);
    return file;
}

struct TagCase {
    const char *what;
    Bytes file;
    const char *title, *artist, *album, *year;
    int32_t track;
};

TEST(ReadId3v1, Tags) {
    const std::string thirty(30, 'x');
    const TagCase cases[] = {
        {"plain fields", withTag("Song", "Band", "Album", "1969"), "Song", "Band", "Album", "1969",
         0},
        {"trailing spaces",
         withTag("Hello" + std::string(25, ' '), "Band" + std::string(26, ' '), "A", "19  "),
         "Hello", "Band", "A", "19", 0},
        {"all spaces keep one", withTag(std::string(30, ' '), "B", "C", "    "), " ", "B", "C", " ",
         0},
        // Trimming starts at the last byte: spaces in front of zero bytes stay.
        {"spaces before zero bytes", withTag("Abc  ", "B", "C", "1"), "Abc  ", "B", "C", "1", 0},
        {"fields of their whole width", withTag(thirty, thirty, thirty, "2001"), thirty.c_str(),
         thirty.c_str(), thirty.c_str(), "2001", 0},
        {"version 1.1 track", withTag("T", "A", "L", "Y", 0, 7), "T", "A", "L", "Y", 7},
        {"track 200", withTag("T", "A", "L", "Y", 0, 200), "T", "A", "L", "Y", 200},
        {"a 30-byte comment, no track", withTag("T", "A", "L", "Y", 'c', 7), "T", "A", "L", "Y", 0},
    };
    for (const TagCase &c : cases) {
        OpenedBytes file(c.file);
        Fields fields;
        ASSERT_TRUE(readId3v1(file.file(), fields.title, fields.artist, fields.album, fields.year,
                              &fields.track))
            << c.what;
        EXPECT_STREQ(fields.title, c.title) << c.what;
        EXPECT_STREQ(fields.artist, c.artist) << c.what;
        EXPECT_STREQ(fields.album, c.album) << c.what;
        EXPECT_STREQ(fields.year, c.year) << c.what;
        EXPECT_EQ(fields.track, c.track) << c.what;
        // Each field is zero-filled behind its text up to its width.
        EXPECT_EQ(fields.title[30], '\0') << c.what;
        EXPECT_EQ(fields.year[4], '\0') << c.what;
        EXPECT_EQ(fields.title[31], '#') << c.what;
    }
}

TEST(ReadId3v1, NoTagLeavesTheFields) {
    Bytes noLetters = withTag("T", "A", "L", "Y");
    noLetters[noLetters.size() - 128] = 't';
    Bytes exactlyATag = withTag("T", "A", "L", "Y");
    exactlyATag.erase(exactlyATag.begin(), exactlyATag.end() - 128);
    const struct {
        const char *what;
        Bytes file;
        bool found;
    } cases[] = {
        {"100 bytes", Bytes(100, ' '), false},
        {"127 bytes ending in a tag's start",
         [] {
             Bytes bytes = withTag("T", "A", "L", "Y");
             bytes.erase(bytes.begin(), bytes.end() - 127);
             return bytes;
         }(),
         false},
        {"lower-case letters", noLetters, false},
        {"a file that is just the tag", exactlyATag, true},
    };
    for (const auto &c : cases) {
        OpenedBytes file(c.file);
        Fields fields;
        EXPECT_EQ(readId3v1(file.file(), fields.title, fields.artist, fields.album, fields.year,
                            &fields.track),
                  c.found)
            << c.what;
        if (!c.found) {
            EXPECT_EQ(fields.title[0], '#') << c.what;
            EXPECT_EQ(fields.track, -99) << c.what;
        }
    }
    Fields fields;
    EXPECT_FALSE(
        readId3v1(nullptr, fields.title, fields.artist, fields.album, fields.year, &fields.track));
    EXPECT_EQ(fields.title[0], '#');
}

} // namespace
