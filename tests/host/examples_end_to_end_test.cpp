// disclist with brenvo, tesmer and quorrel on the sample tree of examples/, as the examples'
// README runs it: every tagged MP3 file renamed from its tag, every MP3 file with frames showing
// its duration, every titled Ogg Vorbis file renamed from its comments, then every file numbered
// in scan order.
#include "host/json_reader.h"
#include "host/run_disclist.h"
#include "support/scratch_directory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {

TEST(ExamplesEndToEnd, RenamersThenQuorrelRenameAndNumberTheSampleTree) {
    ScratchDirectory scratch("examples");
    fs::path examples = fs::path(DISCLIST_SOURCE_DIR) / "examples";
    DisclistRun result =
        runDisclist({"--settings", (examples / "demo-settings.reg").string(), "--no-save",
                     "--plugin", "brenvo", "--plugin", "tesmer", "--plugin", "quorrel", "--format",
                     "json", (examples / "music").string()},
                    scratch.path());
    ASSERT_EQ(0, result.status) << result.err;
    JsonValue listing;
    ASSERT_TRUE(JsonReader::parse(result.out, &listing)) << result.out;

    // Every file in printed (scan) order, its number taken off: name -> comment, by folder.
    std::map<std::string, std::string> files;
    int number = 0;
    std::function<void(const JsonValue &, const std::string &)> walk =
        [&](const JsonValue &entries, const std::string &folder) {
            for (const auto &entry : entries.items) {
                const std::string &name = entry["name"].text;
                if (entry["isDirectory"].flag) {
                    walk(entry["children"], folder + name + "/");
                    continue;
                }
                std::string prefix = std::to_string(++number) + ". ";
                ASSERT_EQ(0u, name.rfind(prefix, 0)) << name;
                files[folder + name.substr(prefix.size())] = entry["comment"].text;
            }
        };
    walk(listing["entries"], "");

    const std::map<std::string, std::string> renamed = {
        {"Morning Light - The Quiet Rooms", "0:02"}, // ID3v1
        {"Second Street - The Quiet Rooms", "0:03"}, // ID3v2.3, VBR
        {"Paper Boats - The Quiet Rooms", "0:02"},   // ID3v2.4, MPEG-2
        {"untagged-demo.mp3", "0:02"},               // frames only: the comment alone
        {"session-notes.mp3", "56 bytes"},           // not audio: both texts kept
        {"Live/Last Call (Live) - The Quiet Rooms", "0:02"},
        {"Cave Song - The Ogglodytes", "0:12"},        // upper-case Vorbis comments
        {"Discovering Fire - The Ogglodytes", "0:08"}, // lower-case Vorbis comments
        {"Live/Encore - The Ogglodytes", "0:06"},      // ".OGG"
        {"Live/Bonus/Hidden Track - The Ogglodytes", "0:04"},
    };
    for (const auto &file : renamed) {
        auto found = files.find(file.first);
        ASSERT_NE(found, files.end()) << file.first << "\n" << result.out;
        EXPECT_EQ(found->second, file.second) << file.first;
    }
    // No tagged file keeps its name on disk.
    for (const char *old :
         {"01-morning.mp3", "02-street.mp3", "03-boats.mp3", "Live/encore.mp3", "cave_song.ogg",
          "fire.ogg", "Live/encore.OGG", "Live/Bonus/hidden_track.ogg"})
        EXPECT_EQ(files.count(old), 0u) << old;
    // A title of one space, no title, an Opus stream: tesmer leaves the host's size texts.
    for (const char *kept : {"blank_title.ogg", "no_title.ogg", "voice_memo.ogg"}) {
        auto found = files.find(kept);
        ASSERT_NE(found, files.end()) << kept << "\n" << result.out;
        EXPECT_NE(found->second.find("KB"), std::string::npos) << kept << ": " << found->second;
    }
}

} // namespace
