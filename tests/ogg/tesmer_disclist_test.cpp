// tesmer as a user runs it: disclist, as a separate process, over a copy of the example tree.
#include "host/json_reader.h"
#include "host/run_disclist.h"
#include "support/scratch_directory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {

#if defined(_WIN32)
#include <windows.h>

// On Windows disclist keeps the plug-ins' settings in the registry (of the test prefix), where
// they outlive the run whatever --no-save says: tesmer's key is removed before and after, so no
// other test inherits this one's templates.
struct ForgetTesmerSettings {
    ForgetTesmerSettings() { forget(); }
    ~ForgetTesmerSettings() { forget(); }
    static void forget() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\disclist\\tesmer"); }
};
#else
// The settings file is the test's own and is not saved.
struct ForgetTesmerSettings {
    ForgetTesmerSettings() {}
};
#endif

// name on disk -> (name, comment) as printed, for every entry of the tree, keyed by its path
// below the root ("Live/encore.OGG").
void collect(const JsonValue &entries, const std::string &prefix,
             std::map<std::string, std::pair<std::string, std::string>> *out) {
    for (const JsonValue &entry : entries.items) {
        (*out)[prefix + entry["name"].text] = {entry["name"].text, entry["comment"].text};
        if (entry["isDirectory"].flag)
            collect(entry["children"], prefix + entry["name"].text + "/", out);
    }
}

TEST(TesmerThroughDisclist, RenamesTheOggFilesOfARealTree) {
    ScratchDirectory scratch("tesmer-disclist");
    ForgetTesmerSettings forget;
    const fs::path examples = fs::path(DISCLIST_SOURCE_DIR) / "examples" / "music";
    const fs::path tree = scratch.path() / "music";
    const char *files[] = {"cave_song.ogg",
                           "fire.ogg",
                           "blank_title.ogg",
                           "no_title.ogg",
                           "voice_memo.ogg",
                           "Live/encore.OGG",
                           "Live/Bonus/hidden_track.ogg"};
    for (const char *file : files) {
        fs::create_directories((tree / file).parent_path());
        fs::copy_file(examples / file, tree / file);
    }
    const std::string settings = (scratch.path() / "settings.reg").string();
    // The directory is given with a trailing separator, as a user may type it.
    DisclistRun result = runDisclist({"--settings", settings, "--no-save", "--plugin", "tesmer",
                                      "--set", "tesmer:enabled=dword:00000001", "--set",
                                      "tesmer:commstring=\"%duration% %bitrate%\"", "--format",
                                      "json", tree.string() + char(fs::path::preferred_separator)},
                                     scratch.path());
    ASSERT_EQ(result.status, 0) << result.err;
    JsonValue listing;
    ASSERT_TRUE(JsonReader::parse(result.out, &listing)) << result.out;

    // Entries are keyed by their printed names; directories keep theirs.
    std::map<std::string, std::pair<std::string, std::string>> printed;
    collect(listing["entries"], "", &printed);
    const std::map<std::string, std::string> expected = {
        {"Cave Song - The Ogglodytes", "0:12 16Kbps"},
        {"Discovering Fire - The Ogglodytes", "0:08 16Kbps"},
        {"Live/Encore - The Ogglodytes", "0:06 16Kbps"},
        {"Live/Bonus/Hidden Track - The Ogglodytes", "0:04 16Kbps"},
    };
    for (const auto &entry : expected) {
        SCOPED_TRACE(entry.first);
        ASSERT_EQ(printed.count(entry.first), 1u) << result.out;
        EXPECT_EQ(printed[entry.first].second, entry.second);
    }
    // A title of one space, no title, and an Opus stream: the host's size texts stay.
    for (const char *kept : {"blank_title.ogg", "no_title.ogg", "voice_memo.ogg"}) {
        SCOPED_TRACE(kept);
        ASSERT_EQ(printed.count(kept), 1u) << result.out;
        EXPECT_NE(printed[kept].second.find("KB"), std::string::npos) << printed[kept].second;
    }
}

} // namespace
