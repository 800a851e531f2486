#include "brenvo_fixture.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const char *const allFields = "%title%|%artist%|%album%|%year%|%track%";
const char *const streamTexts = "%bitrate% %duration%";

struct OutcomeCase {
    const char *what;
    bool exists;
    Bytes file;
    const char *name;
    const char *comment;
};

TEST_F(Brenvo, OutcomeOfOneFile) {
    const Bytes v1 = withId3v1(audioFrames(), "Title One", "Artist One", "Album One", "1999", 7);
    const OutcomeCase cases[] = {
        {"no file to open", false, {}, "entry.mp3", "1.43MB"},
        {"ID3v1 tag", true, v1, "Title One|Artist One|Album One|1999| 7", "128Kbps 0:01"},
        {"ID3v2 tag only", true,
         withId3v2(audioFrames(), {{"TIT2", "Title Two"},
                                   {"TPE1", "Artist Two"},
                                   {"TALB", "Album Two"},
                                   {"TYER", "2002"},
                                   {"TRCK", "12/20"}}),
         "Title Two|Artist Two|Album Two|2002|12", "128Kbps 0:01"},
        {"both tags: version 1 wins", true, withId3v2(v1, {{"TIT2", "Title Two"}}),
         "Title One|Artist One|Album One|1999| 7", "128Kbps 0:01"},
        {"frames only: the comment alone", true, audioFrames(), "entry.mp3", "128Kbps 0:01"},
        {"neither tag nor frames", true, textBytes("just some text, not audio at all"), "entry.mp3",
         "1.43MB"},
        // A tag whose stream is not measured: empty bitrate and duration.
        {"tag without frames", true, withId3v1(Bytes(200), "T", "A", "L", "Y", 0), "T|A|L|Y|", " "},
        {"blank ID3v1 title: the file's name", true,
         withId3v1(audioFrames(), std::string(30, ' '), "A", "", "", 0), "entry.mp3|A|||",
         "128Kbps 0:01"},
        {"ID3v2 without a title: the file's name", true, withId3v2(audioFrames(), {{"TPE1", "A"}}),
         "entry.mp3|A|||", "128Kbps 0:01"},
        {"first frame behind a large tag", true,
         withId3v2(audioFrames(), {{"APIC", std::string(7000, 'p')}, {"TIT2", "Pictured"}}),
         "Pictured||||", "128Kbps 0:01"},
    };
    initializeWith(allFields, streamTexts);
    for (const OutcomeCase &c : cases) {
        ScratchDirectory folder{"brenvo-entry"};
        if (c.exists) folder.write("entry.mp3", c.file);
        Listing listing;
        listing.file("entry.mp3");
        FileList *list = listing.finish();
        EXPECT_EQ(run(list, folder.path().string()), list) << c.what;
        EXPECT_STREQ(listing.entries[0].name, c.name) << c.what;
        EXPECT_STREQ(listing.entries[0].comment, c.comment) << c.what;
    }
}

// One listing, one working set: nothing that one file yields shows up in the next entry.
TEST_F(Brenvo, NoValueReachesTheNextFile) {
    initializeWith(allFields, streamTexts);
    write("1.mp3", withId3v1(audioFrames(), "One", "Artist", "Album", "1999", 7));
    write("2.mp3", withId3v2(Bytes(200), {{"TPE1", "Two"}}));
    write("3.mp3", audioFrames());
    write("4.mp3", withId3v1(Bytes(200), "Four", "", "", "", 0));
    Listing listing;
    for (const char *name : {"1.mp3", "2.mp3", "3.mp3", "4.mp3"}) listing.file(name);
    run(listing);
    const char *const expected[][2] = {
        {"One|Artist|Album|1999| 7", "128Kbps 0:01"},
        {"2.mp3|Two|||", " "},
        {"3.mp3", "128Kbps 0:01"},
        {"Four||||", " "},
    };
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_STREQ(listing.entries[i].name, expected[i][0]) << i;
        EXPECT_STREQ(listing.entries[i].comment, expected[i][1]) << i;
    }
}

TEST_F(Brenvo, FramesOnlyGetNoTitleFallback) {
    initializeWith("%title%", "[%title%]");
    write("plain.mp3", audioFrames());
    Listing listing;
    listing.file("plain.mp3");
    run(listing);
    EXPECT_STREQ(listing.entries[0].name, "plain.mp3");
    EXPECT_STREQ(listing.entries[0].comment, "[]");
}

TEST_F(Brenvo, ExtensionTest) {
    initializeWith("renamed", "done");
    const struct {
        const char *name;
        bool renamed;
    } cases[] = {
        {"song.mp3", true}, {"song.MP3", true},      {"Song.Mp3", true},
        {".mp3", true},     {"song.mp3.bak", false}, {"song.mp3x", false},
        {"mp3", false},     {"song.m3u", false},     {"song.mp", false},
    };
    Listing listing;
    for (const auto &c : cases) {
        write(c.name, withId3v1(audioFrames(), "T", "A", "L", "Y", 1));
        listing.file(c.name);
    }
    run(listing);
    for (size_t i = 0; i < listing.entries.size(); ++i) {
        EXPECT_STREQ(listing.entries[i].name, cases[i].renamed ? "renamed" : cases[i].name)
            << cases[i].name;
        EXPECT_STREQ(listing.entries[i].comment, cases[i].renamed ? "done" : "1.43MB")
            << cases[i].name;
    }
}

TEST_F(Brenvo, TemplatesAndCuts) {
    const std::string thirty = "abcdefghijklmnopqrstuvwxyz0123";
    write("a.mp3", withId3v1(audioFrames(), thirty, thirty, "", "", 0));
    const struct {
        const char *nameTemplate, *commentTemplate;
        std::string name, comment;
    } cases[] = {
        // Empty templates keep what the host made.
        {"", "%duration%", "a.mp3", "0:01"},
        {"%title%", "", thirty, "1.43MB"},
        {"", "", "a.mp3", "1.43MB"},
        {"%title%%title%%title%", "%artist%", (thirty + thirty + thirty).substr(0, 63),
         thirty.substr(0, 15)},
        {"%title% - %artist%", "%duration%", thirty + " - " + thirty, "0:01"},
    };
    for (const auto &c : cases) {
        initializeWith(c.nameTemplate, c.commentTemplate);
        Listing listing;
        listing.file("a.mp3");
        run(listing);
        EXPECT_EQ(listing.entries[0].name, c.name) << c.nameTemplate;
        EXPECT_EQ(listing.entries[0].comment, c.comment) << c.commentTemplate;
        // Every byte after the text is NUL, up to the end of each field.
        for (size_t at = strlen(listing.entries[0].name); at < 64; ++at)
            ASSERT_EQ(listing.entries[0].name[at], '\0');
        for (size_t at = strlen(listing.entries[0].comment); at < 16; ++at)
            ASSERT_EQ(listing.entries[0].comment[at], '\0');
        plugin.uninitialize(&info);
        initialized = false;
    }
}

TEST_F(Brenvo, DefaultTemplates) {
    key.remove("string");
    key.remove("commstring");
    initialize();
    write("blank.mp3", withId3v1(audioFrames(), "", "The Artist", "", "", 0));
    Listing listing;
    listing.file("blank.mp3");
    run(listing);
    EXPECT_STREQ(listing.entries[0].name, "blank.mp3 - The Artist");
    EXPECT_STREQ(listing.entries[0].comment, "0:01");
}

TEST_F(Brenvo, WalksSubdirectoriesDepthFirst) {
    initializeWith("%title%", "%artist%");
    write("top.mp3", withId3v1(audioFrames(), "Top", "1", "", "", 0));
    write("Rock/a.mp3", withId3v1(audioFrames(), "Rock A", "2", "", "", 0));
    write("Rock/Live/b.mp3", withId3v1(audioFrames(), "Live B", "3", "", "", 0));
    // A directory whose name ends in .mp3 cannot be opened as a file; its listing is walked.
    write("Odd.mp3/c.mp3", withId3v1(audioFrames(), "Odd C", "4", "", "", 0));
    // An entry that has a listing without the directory flag is walked as well.
    write("Unflagged/d.mp3", withId3v1(audioFrames(), "Flagless D", "5", "", "", 0));

    Listing top;
    top.file("top.mp3");
    Listing &rock = top.directory("Rock");
    rock.file("a.mp3");
    rock.directory("Live").file("b.mp3");
    top.directory("Odd.mp3").file("c.mp3");
    top.directory("Unflagged", false).file("d.mp3");
    FileList *list = top.finish();
    EXPECT_EQ(run(list, root()), list);

    EXPECT_STREQ(top.entries[0].name, "Top");
    EXPECT_STREQ(top.entries[0].comment, "1");
    EXPECT_STREQ(rock.entries[0].name, "Rock A");
    EXPECT_STREQ(rock.subdirectories[0].entries[0].name, "Live B");
    EXPECT_STREQ(top.entries[2].name, "Odd.mp3");
    EXPECT_STREQ(top.entries[2].comment, "");
    EXPECT_STREQ(top.subdirectories[1].entries[0].name, "Odd C");
    EXPECT_STREQ(top.subdirectories[2].entries[0].name, "Flagless D");
}

TEST_F(Brenvo, SwitchedOffChangesNothing) {
    setTemplate("string", "renamed");
    initialize(false);
    write("a.mp3", withId3v1(audioFrames(), "T", "A", "", "", 0));
    write("Sub/b.mp3", withId3v1(audioFrames(), "T", "A", "", "", 0));
    Listing top;
    top.file("a.mp3");
    top.directory("Sub").file("b.mp3");
    FileList *list = top.finish();
    EXPECT_EQ(run(list, root()), list);
    EXPECT_STREQ(top.entries[0].name, "a.mp3");
    EXPECT_STREQ(top.entries[0].comment, "1.43MB");
    EXPECT_STREQ(top.subdirectories[0].entries[0].name, "b.mp3");
}

TEST_F(Brenvo, EmptyListing) {
    initialize();
    FileList empty = {0, nullptr};
    EXPECT_EQ(run(&empty, root()), &empty);
}

// A joined path of more than 259 characters cannot be formed: its file counts as one that
// does not open, and a subdirectory behind such a path is not walked.
TEST_F(Brenvo, PathsThatDoNotFit) {
    namespace fs = std::filesystem;
    initializeWith("renamed", "done");
    std::string base = root();
    std::string deep = base + "/" + std::string(250 - std::min<size_t>(base.size(), 240), 'd');
    size_t room = 259 - deep.size() - 1; // characters left for a name
    std::string fits = std::string(room - 4, 'f') + ".mp3";
    std::string tooLong = std::string(room - 3, 'g') + ".mp3";
    std::string longDirectory(room + 1, 'h');
    std::error_code error;
    fs::create_directories(fs::path(deep) / longDirectory, error);
    if (error) GTEST_SKIP() << "this platform cannot make a path of " << deep.size() << " bytes";
    Bytes tagged = withId3v1(audioFrames(), "T", "A", "", "", 0);
    std::string relative = deep.substr(base.size() + 1);
    write(relative + "/" + fits, tagged);
    if (!fs::exists(fs::path(deep) / fits)) GTEST_SKIP() << "no long paths here";
    write(relative + "/" + tooLong, tagged);
    write(relative + "/" + longDirectory + "/x.mp3", tagged);

    Listing listing;
    listing.file(fits);
    listing.file(tooLong);
    listing.directory(longDirectory).file("x.mp3");
    run(listing.finish(), deep);
    EXPECT_STREQ(listing.entries[0].name, "renamed");
    EXPECT_EQ(listing.entries[1].name, tooLong);
    EXPECT_STREQ(listing.entries[1].comment, "1.43MB");
    EXPECT_STREQ(listing.subdirectories[0].entries[0].name, "x.mp3");
}

#if !defined(_WIN32)
// Here a backslash is an ordinary character of a directory's name, in the path that the host
// hands over and in the name of a subdirectory below it.
TEST_F(Brenvo, BackslashesInDirectoryNames) {
    initializeWith("%title%", "%artist%");
    write("AC\\DC/a.mp3", withId3v1(audioFrames(), "Top A", "1", "", "", 0));
    write("AC\\DC/Live\\1979/b.mp3", withId3v1(audioFrames(), "Live B", "2", "", "", 0));
    Listing top;
    top.file("a.mp3");
    top.directory("Live\\1979").file("b.mp3");
    run(top.finish(), root() + "/AC\\DC");
    EXPECT_STREQ(top.entries[0].name, "Top A");
    EXPECT_STREQ(top.subdirectories[0].entries[0].name, "Live B");
}

// A named pipe called .mp3 is no file to read: opening it for reading would wait for a writer
// that never comes. It keeps its texts, and the pass goes on to the next entry.
TEST_F(Brenvo, NamedPipeIsNotOpened) {
    initializeWith("renamed", "done");
    std::string pipe = root() + "/pipe.mp3";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    write("after.mp3", withId3v1(audioFrames(), "T", "A", "", "", 0));
    std::atomic<bool> finished{false};
    // Should the pass block in the open, a writer that comes and goes lets it go on.
    std::thread rescuer([&] {
        for (int tick = 0; tick < 200 && !finished; ++tick)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (finished) return;
        int writer = open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) close(writer);
    });
    Listing listing;
    listing.file("pipe.mp3");
    listing.file("after.mp3");
    auto start = std::chrono::steady_clock::now();
    run(listing);
    auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    finished = true;
    rescuer.join();
    EXPECT_LT(waited.count(), 1000) << "the pass waited in the open of a named pipe";
    EXPECT_STREQ(listing.entries[0].name, "pipe.mp3");
    EXPECT_STREQ(listing.entries[0].comment, "1.43MB");
    EXPECT_STREQ(listing.entries[1].name, "renamed");
}
#endif

} // namespace

namespace {

// The sample tree of examples/: real encoders' and taggers' files through the real plug-in.
TEST_F(Brenvo, SampleTree) {
    key.remove("string");
    key.remove("commstring");
    initialize();
    Listing top;
    for (const char *name : {"01-morning.mp3", "02-street.mp3", "03-boats.mp3", "session-notes.mp3",
                             "untagged-demo.mp3"})
        top.file(name);
    top.directory("Live").file("encore.mp3");
    FileList *list = top.finish();
    run(list, std::string(DISCLIST_SOURCE_DIR) + "/examples/music");
    const struct {
        const char *name, *comment;
    } expected[] = {
        {"Morning Light - The Quiet Rooms", "0:02"},
        {"Second Street - The Quiet Rooms", "0:03"},
        {"Paper Boats - The Quiet Rooms", "0:02"},
        {"session-notes.mp3", "1.43MB"},
        {"untagged-demo.mp3", "0:02"},
    };
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_STREQ(top.entries[i].name, expected[i].name);
        EXPECT_STREQ(top.entries[i].comment, expected[i].comment);
    }
    EXPECT_STREQ(top.subdirectories[0].entries[0].name, "Last Call (Live) - The Quiet Rooms");
    EXPECT_STREQ(top.subdirectories[0].entries[0].comment, "0:02");
}

} // namespace
