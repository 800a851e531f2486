// The MP3 pass's walk with the nested FileFilterExecute calls recorded: this program stands in
// for the plug-in's own entry point, so every call that the walk makes for a subdirectory is
// seen with its arguments.
#include "mp3/mp3_rename_step.h"

#include "support/listing_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Call {
    FileFilterInfo *info;
    FileList *list;
    uint32_t passA, passB;
    std::string path;
};
std::vector<Call> calls;

} // namespace

extern "C" FileList *__cdecl FileFilterExecute(FileFilterInfo *info, FileList *list, uint32_t passA,
                                               uint32_t passB, const char *path) {
    calls.push_back({info, list, passA, passB, path});
    return runRenamerPass(info, list, passA, passB, path, mp3RenamePass);
}

namespace {

TEST(Mp3RenameWalk, NestedCallsGetTheJoinedPathAndPassValuesUnchanged) {
    RenamerSettings settings = {"%title%", "%duration%"};
    FileFilterInfo info{};
    info.version = 2;
    info.pluginData = &settings;
    renameEnabled = 1;

    Listing root;
    root.file("a.mp3");
    Listing &rock = root.directory("Rock");
    rock.file("b.mp3");
    Listing &live = rock.directory("Live");
    root.directory("Jazz");
    FileList *list = root.finish();

    // The separator that the directory path's own form calls for.
    const struct {
        const char *top, *separator;
    } tops[] = {
        {"C:\\Music", "\\"},
        {"/srv/music", "/"},
#if !defined(_WIN32)
        // Elsewhere a backslash is a character of a name, unless the path has a drive or
        // server in front as the other platform writes it.
        {"/srv/AC\\DC", "/"},
        {"AC\\DC", "/"},
        {"\\\\server\\music", "\\"},
#endif
    };
    for (const auto &t : tops) {
        const char *top = t.top;
        calls.clear();
        EXPECT_EQ(FileFilterExecute(&info, list, 0xDEADBEEF, 0x12345678, top), list);
        std::string separator = t.separator;
        std::string rockPath = std::string(top) + separator + "Rock";
        const std::vector<std::pair<FileList *, std::string>> expected = {
            {list, top},
            {&rock.list, rockPath},
            {&live.list, rockPath + separator + "Live"},
            {&root.subdirectories[1].list, std::string(top) + separator + "Jazz"},
        };
        ASSERT_EQ(calls.size(), expected.size()) << top;
        for (size_t i = 0; i < calls.size(); ++i) {
            EXPECT_EQ(calls[i].info, &info);
            EXPECT_EQ(calls[i].list, expected[i].first) << i;
            EXPECT_EQ(calls[i].path, expected[i].second) << i;
            EXPECT_EQ(calls[i].passA, 0xDEADBEEFu);
            EXPECT_EQ(calls[i].passB, 0x12345678u);
        }
    }
    // Files that do not exist keep their texts.
    EXPECT_STREQ(root.entries[0].name, "a.mp3");
    EXPECT_STREQ(root.entries[0].comment, "1.43MB");

    // Switched off, the walk does not descend.
    renameEnabled = 0;
    calls.clear();
    FileFilterExecute(&info, list, 1, 2, "C:\\Music");
    EXPECT_EQ(calls.size(), 1u);
}

} // namespace
