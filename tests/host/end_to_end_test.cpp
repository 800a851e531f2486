// disclist as a user runs it: a separate process on a temporary tree, its output, its exit
// status, its messages and its settings file.
#include "host/json_reader.h"
#include "host/run_disclist.h"
#include "support/scratch_directory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

#if defined(_WIN32)
const char pluginSuffix[] = ".dll";
#else
const char pluginSuffix[] = ".so";
#endif

const std::string header = "Windows Registry Editor Version 5.00\r\n\r\n";
// A settings file with a key of another program, which every run must keep.
const std::string foreignSettings = header + "[HKEY_CURRENT_USER\\Software\\Elsewhere\\Tool]\r\n"
                                             "\"keep\"=hex:01,02,03\r\n"
                                             "@=\"default text\"\r\n\r\n";

struct EndToEnd : ::testing::Test {
    ScratchDirectory scratch{"e2e"};
    fs::path tree = scratch.path() / "tree";
    fs::path settings = scratch.path() / "settings.reg";

    void SetUp() override {
        scratch.file("tree/a.txt", 5);
        scratch.file("tree/Album/01 Intro.mp3", 1500000);
        scratch.file("tree/Album/Disc 2/x.ogg", 2048);
        scratch.directory("tree/Empty");
        scratch.write("settings.reg", foreignSettings);
    }

    DisclistRun run(std::vector<std::string> arguments) {
        return runDisclist(arguments, scratch.path());
    }
    std::string settingsText() { return readFileBytes(settings); }
};

JsonValue parseJson(const DisclistRun &run) {
    JsonValue value;
    size_t where = 0;
    EXPECT_TRUE(JsonReader::parse(run.out, &value, &where)) << "not JSON at " << where << ":\n"
                                                            << run.out;
    return value;
}

// A failure: the status, no listing, and one line on standard error that says what went wrong.
void expectOneLineError(const DisclistRun &run, int status, const std::string &fragment) {
    EXPECT_EQ(status, run.status) << run.err;
    EXPECT_EQ("", run.out);
    EXPECT_EQ(0u, run.err.rfind("disclist: ", 0)) << run.err;
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ('\n', run.err.back()) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_NE(run.err.find(fragment), std::string::npos) << run.err;
}

std::vector<std::string> namesOf(const JsonValue &entries) {
    std::vector<std::string> names;
    for (const auto &entry : entries.items) names.push_back(entry["name"].text);
    return names;
}

} // namespace

TEST_F(EndToEnd, JsonListsTheTreeWithEveryField) {
    DisclistRun result =
        run({"--settings", settings.string(), "--format", "json", "--sort", "name", tree.string()});
    ASSERT_EQ(0, result.status) << result.err;
    EXPECT_EQ("", result.err);
    JsonValue listing = parseJson(result);
    EXPECT_EQ(tree.string(), listing["path"].text);
    const JsonValue &entries = listing["entries"];
    ASSERT_EQ(JsonValue::array, entries.kind);
    ASSERT_EQ((std::vector<std::string>{"Album", "Empty", "a.txt"}), namesOf(entries));

    const JsonValue &album = entries.items[0];
    EXPECT_EQ("", album["comment"].text);
    EXPECT_EQ(0, album["size"].integer);
    EXPECT_TRUE(album["isDirectory"].flag);
    ASSERT_EQ((std::vector<std::string>{"01 Intro.mp3", "Disc 2"}), namesOf(album["children"]));
    const JsonValue &intro = album["children"].items[0];
    EXPECT_EQ("1.43MB", intro["comment"].text);
    EXPECT_EQ(1500000, intro["size"].integer);
    EXPECT_EQ(JsonValue::boolean, intro["isDirectory"].kind);
    EXPECT_FALSE(intro["isDirectory"].flag);
    EXPECT_FALSE(intro.has("children"));
    const JsonValue &disc = album["children"].items[1];
    ASSERT_EQ(1u, disc["children"].items.size());
    EXPECT_EQ("2.00KB", disc["children"].items[0]["comment"].text);

    const JsonValue &empty = entries.items[1];
    ASSERT_TRUE(empty.has("children"));
    EXPECT_EQ(JsonValue::array, empty["children"].kind);
    EXPECT_TRUE(empty["children"].items.empty());

    const JsonValue &file = entries.items[2];
    EXPECT_EQ("5 bytes", file["comment"].text);
    EXPECT_EQ(5, file["size"].integer);
    EXPECT_FALSE(file.has("children"));
    // Listing changes no setting: the file is as it was.
    EXPECT_EQ(foreignSettings, settingsText());
}

TEST_F(EndToEnd, TextIsAnIndentedTree) {
    DisclistRun result = run({"--settings", settings.string(), "--sort", "name", tree.string()});
    ASSERT_EQ(0, result.status) << result.err;
#if defined(_WIN32)
    const char *d = "\\";
#else
    const char *d = "/";
#endif
    std::string expected = tree.string() + "\n" + "  Album" + d + "\n" +
                           "    01 Intro.mp3  1.43MB\n" + "    Disc 2" + d + "\n" +
                           "      x.ogg  2.00KB\n" + "  Empty" + d + "\n" + "  a.txt  5 bytes\n";
    std::string out = result.out;
    out.erase(std::remove(out.begin(), out.end(), '\r'), out.end());
    EXPECT_EQ(expected, out);
}

TEST_F(EndToEnd, SortBySizeOrdersEveryListing) {
    scratch.file("tree/big", 9000);
    scratch.file("tree/small", 1);
    DisclistRun result =
        run({"--settings", settings.string(), "--format=json", "--sort=size", tree.string()});
    ASSERT_EQ(0, result.status) << result.err;
    JsonValue listing = parseJson(result);
    std::vector<std::string> names = namesOf(listing["entries"]);
    // The directories (size 0) keep their scan order among themselves; then by size.
    ASSERT_EQ(5u, names.size());
    EXPECT_EQ((std::vector<std::string>{"small", "a.txt", "big"}),
              std::vector<std::string>(names.begin() + 2, names.end()));
}

TEST_F(EndToEnd, LongNamesAreCutWithAWarning) {
    std::string longName(70, 'n');
    scratch.file("tree/" + longName, 3);
    scratch.file("tree/" + std::string(64, 'd') + "/inside", 4);
    DisclistRun result = run({"--settings", settings.string(), "--format", "json", tree.string()});
    ASSERT_EQ(0, result.status) << result.err;
    std::vector<std::string> names = namesOf(parseJson(result)["entries"]);
    EXPECT_NE(std::find(names.begin(), names.end(), std::string(63, 'n')), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), std::string(63, 'd')), names.end());
    // One warning line per cut name, naming the whole name.
    EXPECT_NE(result.err.find("disclist: warning: name longer than 63 bytes cut: "),
              std::string::npos);
    EXPECT_NE(result.err.find(longName), std::string::npos) << result.err;
    EXPECT_EQ(2, std::count(result.err.begin(), result.err.end(), '\n')) << result.err;
}

#if !defined(_WIN32)
TEST_F(EndToEnd, BytesThatAreNotUtf8ComeOutAsSurrogateEscapes) {
    scratch.file("tree/bad\xFFname", 1);
    scratch.file("tree/caf\xC3\xA9", 1);
    DisclistRun json =
        run({"--settings", settings.string(), "--format", "json", "--sort", "name", tree.string()});
    ASSERT_EQ(0, json.status) << json.err;
    EXPECT_NE(json.out.find("\"bad\\uDCFFname\""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"caf\xC3\xA9\""), std::string::npos) << json.out;
    std::vector<std::string> names = namesOf(parseJson(json)["entries"]);
    EXPECT_NE(std::find(names.begin(), names.end(), "bad\xFFname"), names.end());

    DisclistRun text = run({"--settings", settings.string(), "--sort", "name", tree.string()});
    EXPECT_NE(text.out.find("\n  bad\\uDCFFname  1 byte\n"), std::string::npos) << text.out;
}
#endif

TEST_F(EndToEnd, ErrorsAreOneLineAndLeaveTheSettingsFileAlone) {
    fs::path plainFile = scratch.file("plain.txt", 1);
    fs::path malformed = scratch.write("bad.reg", header + "[HKEY_CURRENT_USER\\K]\r\n"
                                                           "\"v\"=dword:00000001\r\n"
                                                           "\"w\"=hex:0x\r\n");
    // Each run would change the settings file if it succeeded.
    std::vector<std::string> set = {"--settings", settings.string(), "--set",
                                    "probe:v=dword:00000007"};
    auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> all = set;
        all.insert(all.end(), more.begin(), more.end());
        return all;
    };
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string message;
    } cases[] = {
        {with({(scratch.path() / "missing").string()}), 1, "no such directory: "},
        {with({plainFile.string()}), 1, "not a directory: "},
        {with({"--plugin", "no_such_plugin", tree.string()}), 1, "plug-in not found: "},
        {with({"--plugin-dir", scratch.path().string(), "--plugin", "test_refuser", tree.string()}),
         1, "plug-in not found: " + (scratch.path() / "test_refuser").string() + pluginSuffix},
        {with({"--plugin", "test_incomplete", tree.string()}), 1,
         "lacks the export FileFilterExecute"},
        {with({"--plugin", "test_refuser", tree.string()}), 1, "refused interface version 2"},
        {with({"--set", "probe:v=hex:1g", tree.string()}), 2, "bad hex byte \"1g\""},
        {with({"--set", "probe", tree.string()}), 2, "PLUGIN:VALUE=DATA"},
        {with({"--sort", "date", tree.string()}), 2, "--sort takes none, name or size"},
        {with({"--frobnicate", tree.string()}), 2, "unknown option --frobnicate"},
        {with({}), 2, "no directory to list"},
        {with({tree.string(), tree.string()}), 2, "one directory only"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        expectOneLineError(run(c.arguments), c.status, c.message);
        EXPECT_EQ(foreignSettings, settingsText());
    }

    std::string before = readFileBytes(malformed);
    DisclistRun bad =
        run({"--settings", malformed.string(), "--set", "probe:v=dword:00000007", tree.string()});
    expectOneLineError(bad, 1, malformed.string() + ":5: bad hex byte \"0x\"");
    EXPECT_EQ(before, readFileBytes(malformed));
}

TEST_F(EndToEnd, HelpPrintsTheUsage) {
    DisclistRun result = run({"--help"});
    EXPECT_EQ(0, result.status);
    EXPECT_EQ(0u, result.out.rfind("usage: disclist [--plugin NAME|PATH]...", 0));
    EXPECT_EQ("", result.err);
}

#if !defined(_WIN32)
TEST_F(EndToEnd, SettingsAreSavedKeepingWhatTheHostDoesNotKnow) {
    DisclistRun result = run({"--settings", settings.string(), "--set", "probe:v=dword:00000007",
                              "--set", "probe:t=\"a \\\"b\\\"\"", tree.string()});
    ASSERT_EQ(0, result.status) << result.err;
    EXPECT_EQ(foreignSettings + "[HKEY_CURRENT_USER\\Software\\disclist\\probe]\r\n"
                                "\"v\"=dword:00000007\r\n"
                                "\"t\"=\"a \\\"b\\\"\"\r\n\r\n",
              settingsText());

    // --no-save keeps the file as it was, whatever was set.
    std::string saved = settingsText();
    result = run({"--settings", settings.string(), "--no-save", "--set", "probe:v=dword:00000008",
                  tree.string()});
    ASSERT_EQ(0, result.status) << result.err;
    EXPECT_EQ(saved, settingsText());

    // A settings file in a directory that does not exist yet.
    fs::path fresh = scratch.path() / "new" / "dir" / "settings.reg";
    result = run({"--settings", fresh.string(), "--set", "probe:v=hex:05", tree.string()});
    ASSERT_EQ(0, result.status) << result.err;
    EXPECT_EQ(header + "[HKEY_CURRENT_USER\\Software\\disclist\\probe]\r\n\"v\"=hex:05\r\n\r\n",
              readFileBytes(fresh));
}

TEST_F(EndToEnd, TheDefaultSettingsFileFollowsXdgConfigHomeElseHome) {
    const char *oldXdg = std::getenv("XDG_CONFIG_HOME");
    const char *oldHome = std::getenv("HOME");
    std::string savedXdg = oldXdg ? oldXdg : "", savedHome = oldHome ? oldHome : "";
    fs::path xdg = scratch.path() / "xdg";
    fs::path home = scratch.path() / "home";

    setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
    DisclistRun result = run({"--set", "probe:v=dword:00000001", tree.string()});
    EXPECT_EQ(0, result.status) << result.err;
    EXPECT_TRUE(fs::exists(xdg / "disclist" / "settings.reg"));

    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", home.c_str(), 1);
    result = run({"--set", "probe:v=dword:00000001", tree.string()});
    EXPECT_EQ(0, result.status) << result.err;
    EXPECT_TRUE(fs::exists(home / ".config" / "disclist" / "settings.reg"));

    if (oldXdg) setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    if (oldHome)
        setenv("HOME", savedHome.c_str(), 1);
    else
        unsetenv("HOME");
}
#endif

// With the numberer: names numbered and sizes set in scan order, its settings kept.
TEST_F(EndToEnd, QuorrelNumbersTheListingInScanOrder) {
    if (!fs::exists(std::string("quorrel") + pluginSuffix)) GTEST_SKIP() << "quorrel not built";
    scratch.file("tree/Album/02 Outro.mp3", 10);
    const std::string prefs = "hex:01,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00";
    DisclistRun result = run({"--settings", settings.string(), "--plugin", "quorrel", "--set",
                              "quorrel:prefs=" + prefs, "--format", "json", tree.string()});
    ASSERT_EQ(0, result.status) << result.err;
    JsonValue listing = parseJson(result);

    // Walk in printed order (the scan order, nothing sorted): every entry's size is its place
    // in the walk, every file's name its place among files, a full stop, a space, its name.
    int64_t place = 0;
    int fileNumber = 0;
    std::vector<std::string> files;
    std::function<void(const JsonValue &)> walk = [&](const JsonValue &entries) {
        for (const auto &entry : entries.items) {
            EXPECT_EQ(++place, entry["size"].integer) << entry["name"].text;
            if (entry["isDirectory"].flag) {
                EXPECT_EQ(std::string::npos, entry["name"].text.find(". "));
                walk(entry["children"]);
            } else {
                std::string prefix = std::to_string(++fileNumber) + ". ";
                EXPECT_EQ(0u, entry["name"].text.rfind(prefix, 0)) << entry["name"].text;
                files.push_back(entry["name"].text.substr(prefix.size()));
            }
        }
    };
    walk(listing["entries"]);
    EXPECT_EQ(7, place);
    std::sort(files.begin(), files.end());
    EXPECT_EQ((std::vector<std::string>{"01 Intro.mp3", "02 Outro.mp3", "a.txt", "x.ogg"}), files);

    // Sorting by size after the numberer gives the scan order back, whatever the sizes were.
    DisclistRun sorted = run({"--settings", settings.string(), "--plugin", "quorrel", "--sort",
                              "size", "--format", "json", tree.string()});
    ASSERT_EQ(0, sorted.status) << sorted.err;
    EXPECT_EQ(result.out, sorted.out);

#if !defined(_WIN32)
    // The plug-in wrote its settings back under its key, beside the foreign key.
    std::string text = settingsText();
    EXPECT_EQ(0u, text.find(foreignSettings));
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\disclist\\quorrel]\r\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("\"prefs\"=" + prefs + "\r\n"), std::string::npos) << text;
#endif

    // By path as well as by name.
    DisclistRun byPath =
        run({"--settings", settings.string(), "--no-save", "--plugin",
             (fs::current_path() / (std::string("quorrel") + pluginSuffix)).string(), "--format",
             "json", tree.string()});
    ASSERT_EQ(0, byPath.status) << byPath.err;
    EXPECT_EQ(result.out, byPath.out);
}
