#include "ogg/tesmer_fixture.h"

#include <string>
#include <vector>

namespace {

const std::vector<std::string> songTags = {"TITLE=Song Title", "ARTIST=The Band"};

TEST_F(Tesmer, DefaultTemplatesRenameAnOggFile) {
    start();
    write("song.ogg", songFile(songTags));
    Listing root;
    root.file("song.ogg");
    FileList *list = root.finish();
    EXPECT_EQ(run(list), list);
    EXPECT_STREQ(root.entries[0].name, "Song Title - The Band");
    EXPECT_STREQ(root.entries[0].comment, "3:36");
    EXPECT_EQ(root.entries[0].size, 0);
}

TEST_F(Tesmer, SwitchedOffLeavesTheWholeTree) {
    ASSERT_EQ(plugin.initialize(&info), 1); // no "enabled" value: off
    initialized = true;
    write("song.ogg", songFile(songTags));
    write("Dir/inner.ogg", songFile(songTags));
    Listing root;
    root.file("song.ogg");
    root.directory("Dir").file("inner.ogg");
    FileList *list = root.finish();
    EXPECT_EQ(run(list), list);
    EXPECT_STREQ(root.entries[0].name, "song.ogg");
    EXPECT_STREQ(root.subdirectories[0].entries[0].name, "inner.ogg");
    EXPECT_STREQ(root.subdirectories[0].entries[0].comment, "1.43MB");
}

TEST_F(Tesmer, OnlyNamesEndingInDotOggAreRead) {
    start("%title%");
    const struct {
        const char *name;
        bool renamed;
    } cases[] = {
        {"upper.OGG", true}, {"mixed.Ogg", true},    {".ogg", true}, {"song.ogg.bak", false},
        {"song.oga", false}, {"noextension", false}, {"ogg", false}, {"song.mp3", false},
    };
    Listing root;
    for (const auto &c : cases) {
        write(c.name, songFile({"TITLE=Renamed"}));
        root.file(c.name);
    }
    run(root.finish());
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_STREQ(root.entries[i].name, cases[i].renamed ? "Renamed" : cases[i].name);
        EXPECT_STREQ(root.entries[i].comment, cases[i].renamed ? "3:36" : "1.43MB");
    }
}

TEST_F(Tesmer, EntriesWithoutAUsableTitleKeepTheirTexts) {
    start();
    struct Case {
        const char *name;
        Bytes file; // empty: no file on disk
        const char *newName;
    };
    Bytes opus = page({Bytes{'O', 'p', 'u', 's', 'H', 'e', 'a', 'd', 1, 2}});
    append(opus, page({Bytes{'O', 'p', 'u', 's', 'T', 'a', 'g', 's', 0, 0}}, 0, 1));
    const Case cases[] = {
        {"space.ogg", songFile({"TITLE= ", "ARTIST=The Band"}), "space.ogg"},
        {"two-spaces.ogg", songFile({"TITLE=  ", "ARTIST=The Band"}), "   - The Band"},
        {"empty-title.ogg", songFile({"TITLE=", "ARTIST=The Band"}), "empty-title.ogg"},
        {"no-title.ogg", songFile({"ARTIST=The Band", "ALBUM=Red Album"}), "no-title.ogg"},
        {"opus.ogg", opus, "opus.ogg"},
        {"missing.ogg", {}, "missing.ogg"},
    };
    Listing root;
    for (const Case &c : cases) {
        if (!c.file.empty()) write(c.name, c.file);
        root.file(c.name);
    }
    run(root.finish());
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_STREQ(root.entries[i].name, cases[i].newName);
        bool renamed = std::string(cases[i].newName) != cases[i].name;
        EXPECT_STREQ(root.entries[i].comment, renamed ? "3:36" : "1.43MB");
    }
}

TEST_F(Tesmer, ValuesOfOneFileDoNotReachTheNext) {
    start("%title%|%artist%|%album%|%year%|%track%", "%bitrate%");
    write("full.ogg",
          songFile({"TITLE=Full", "ARTIST=A", "ALBUM=B", "YEAR=1999", "TRACKNUMBER=7"}));
    write("bare.ogg", vorbisFile(44100, 64000, {"TITLE=Bare"}, 44100));
    Listing root;
    root.file("full.ogg");
    root.file("bare.ogg");
    run(root.finish());
    EXPECT_STREQ(root.entries[0].name, "Full|A|B|1999| 7");
    EXPECT_STREQ(root.entries[0].comment, "125Kbps");
    EXPECT_STREQ(root.entries[1].name, "Bare||||");
    EXPECT_STREQ(root.entries[1].comment, "63Kbps");
}

TEST_F(Tesmer, RewrittenTextsAreCutToTheirFields) {
    start(nullptr, "%title% - %artist%");
    write("long.ogg", songFile({"TITLE=" + std::string(70, 't'), "ARTIST=x"}));
    write("song.ogg", songFile(songTags));
    Listing root;
    root.file("long.ogg");
    root.file("song.ogg");
    run(root.finish());
    EXPECT_EQ(std::string(root.entries[0].name), std::string(63, 't'));
    EXPECT_STREQ(root.entries[1].comment, "Song Title - Th");
}

TEST_F(Tesmer, AnEmptyTemplateKeepsItsText) {
    const struct {
        const char *nameTemplate, *commentTemplate, *name, *comment;
    } cases[] = {
        {"", "%duration%", "song.ogg", "3:36"},
        {"%title%", "", "Song Title", "1.43MB"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string("name template \"") + c.nameTemplate + "\"");
        start(c.nameTemplate, c.commentTemplate);
        write("song.ogg", songFile(songTags));
        Listing root;
        root.file("song.ogg");
        run(root.finish());
        EXPECT_STREQ(root.entries[0].name, c.name);
        EXPECT_STREQ(root.entries[0].comment, c.comment);
        plugin.uninitialize(&info);
        initialized = false;
    }
}

TEST_F(Tesmer, SubdirectoriesAreWalkedWhereverThereIsAListing) {
    start("%title%");
    write("a/b/c/deep.ogg", songFile({"TITLE=Deep"}));
    write("x.ogg/inside.ogg", songFile({"TITLE=Inside"}));
    write("flagless/f.ogg", songFile({"TITLE=Flagless"}));
    Listing root;
    Listing &a = root.directory("a");
    a.directory("b").directory("c").file("deep.ogg");
    // A directory whose name ends in ".ogg" is handed to the reader, which cannot read it.
    root.directory("x.ogg").file("inside.ogg");
    // A listing without the directory flag is walked all the same.
    root.directory("flagless", false).file("f.ogg");
    Listing empty;
    FileList *list = root.finish();
    EXPECT_EQ(run(list, dir.path().string(), 0x12345678u, 0x9abcdef0u), list);
    FileList *c = a.entries[0].children->entries[0].children;
    EXPECT_STREQ(c->entries[0].name, "Deep");
    EXPECT_STREQ(c->entries[0].comment, "3:36");
    EXPECT_STREQ(root.entries[1].name, "x.ogg");
    EXPECT_STREQ(root.entries[1].children->entries[0].name, "Inside");
    EXPECT_STREQ(root.entries[2].children->entries[0].name, "Flagless");
    FileList *none = empty.finish();
    EXPECT_EQ(run(none), none);
}

// The joined paths are observed through the 260-byte path buffer: a path of 259 characters is
// opened, one of 260 is not. A file of a directory that is given with its trailing separator is
// opened at a path with no second separator; a subdirectory's path always gets one added.
TEST_F(Tesmer, PathsAreJoinedWithOneSeparatorBeforeAFilesName) {
    start("%title%");
    // A directory path of 210 characters, so that its files' names fit the 63 of an entry.
    std::string base = dir.path().string();
    std::string longDir = base + separator + std::string(210 - base.size() - 1, 'd');
    ASSERT_EQ(longDir.size(), 210u);
    const std::string withSeparator = longDir + separator;          // 211 characters
    const std::string fits(259 - withSeparator.size() - 4, 'f');    // joined: exactly 259
    const std::string tooLong(260 - withSeparator.size() - 4, 'g'); // joined: 260
    write(longDir.substr(base.size() + 1) + separator + fits + ".ogg", songFile({"TITLE=Fits"}));
    write(longDir.substr(base.size() + 1) + separator + tooLong + ".ogg",
          songFile({"TITLE=Too long"}));
    // In subdirectory "s" the path is dir + separator + separator + "s" + separator + name.
    const std::string subFits(259 - (withSeparator.size() + 3) - 4, 'h');
    const std::string subTooLong(260 - (withSeparator.size() + 3) - 4, 'i');
    ASSERT_LT(subTooLong.size() + 4, sizeof(FileEntry::name)) << "names must fit an entry";
    write(longDir.substr(base.size() + 1) + separator + "s" + separator + subFits + ".ogg",
          songFile({"TITLE=Sub fits"}));
    write(longDir.substr(base.size() + 1) + separator + "s" + separator + subTooLong + ".ogg",
          songFile({"TITLE=Sub too long"}));

    for (const std::string &path : {withSeparator, longDir}) {
        SCOPED_TRACE(path.back() == separator ? "with trailing separator" : "without");
        Listing root;
        root.file(fits + ".ogg");
        root.file(tooLong + ".ogg");
        Listing &sub = root.directory("s");
        sub.file(subFits + ".ogg");
        sub.file(subTooLong + ".ogg");
        run(root.finish(), path);
        EXPECT_STREQ(root.entries[0].name, "Fits");
        EXPECT_STREQ(root.entries[1].name, (tooLong + ".ogg").c_str());
        EXPECT_STREQ(root.entries[1].comment, "1.43MB");
        if (path == withSeparator) {
            // Two separators in a row before "s": one character more than the plain path.
            EXPECT_STREQ(sub.entries[0].name, "Sub fits");
            EXPECT_STREQ(sub.entries[1].name, (subTooLong + ".ogg").c_str());
        } else {
            EXPECT_STREQ(sub.entries[0].name, "Sub fits");
            EXPECT_STREQ(sub.entries[1].name, "Sub too long");
        }
    }
}

TEST_F(Tesmer, AnEmptyPathNamesNoDirectory) {
    start("%title%");
    write("song.ogg", songFile(songTags));
    Listing root;
    root.file("song.ogg");
    root.directory("Dir").file("song.ogg");
    FileList *list = root.finish();
    EXPECT_EQ(run(list, ""), list);
    EXPECT_STREQ(root.entries[0].name, "song.ogg");
    EXPECT_STREQ(root.subdirectories[0].entries[0].name, "song.ogg");
}

// The example tree's Ogg files, made by real encoders, through the default templates.
TEST_F(Tesmer, RenamesTheExampleTree) {
    start();
    Listing root;
    for (const char *name :
         {"blank_title.ogg", "cave_song.ogg", "fire.ogg", "no_title.ogg", "voice_memo.ogg"})
        root.file(name);
    Listing &live = root.directory("Live");
    live.file("encore.OGG");
    live.directory("Bonus").file("hidden_track.ogg");
    run(root.finish(), std::string(DISCLIST_SOURCE_DIR) + "/examples/music");

    const std::pair<const char *, const char *> expected[] = {
        {"blank_title.ogg", "1.43MB"}, // a title of one space
        {"Cave Song - The Ogglodytes", "0:12"},
        {"Discovering Fire - The Ogglodytes", "0:08"},
        {"no_title.ogg", "1.43MB"},
        {"voice_memo.ogg", "1.43MB"}, // Opus, no Vorbis stream
    };
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_STREQ(root.entries[i].name, expected[i].first);
        EXPECT_STREQ(root.entries[i].comment, expected[i].second);
    }
    EXPECT_STREQ(live.entries[0].name, "Encore - The Ogglodytes");
    EXPECT_STREQ(live.entries[0].comment, "0:06");
    EXPECT_STREQ(live.subdirectories[0].entries[0].name, "Hidden Track - The Ogglodytes");
    EXPECT_STREQ(live.subdirectories[0].entries[0].comment, "0:04");
}

} // namespace
