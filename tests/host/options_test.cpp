#include "options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

bool parse(std::vector<std::string> words, Options *options, std::string *error) {
    words.insert(words.begin(), "disclist");
    std::vector<char *> argv;
    for (auto &word : words) argv.push_back(&word[0]);
    return parseOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

} // namespace

TEST(Options, EveryOptionInBothSpellings) {
    Options options;
    std::string error;
    ASSERT_TRUE(parse({"--plugin", "brenvo", "--plugin=/x/quorrel.so", "--plugin-dir", "pd",
                       "--settings=s.reg", "--set", "quorrel:prefs=hex:01,00", "--no-save",
                       "--sort", "size", "--format=json", "music"},
                      &options, &error))
        << error;
    EXPECT_EQ((std::vector<std::string>{"brenvo", "/x/quorrel.so"}), options.plugins);
    EXPECT_EQ("pd", options.pluginDirectory);
    EXPECT_EQ("s.reg", options.settingsFile);
    EXPECT_TRUE(options.settingsFileGiven);
    ASSERT_EQ(1u, options.assignments.size());
    EXPECT_EQ("quorrel", options.assignments[0].plugin);
    EXPECT_EQ("prefs", options.assignments[0].value.name);
    EXPECT_EQ(DWORD(REG_BINARY), options.assignments[0].value.type);
    EXPECT_EQ((std::vector<BYTE>{1, 0}), options.assignments[0].value.data);
    EXPECT_TRUE(options.noSave);
    EXPECT_EQ(SortOrder::size, options.sort);
    EXPECT_EQ(OutputFormat::json, options.format);
    EXPECT_EQ("music", options.directory);

    Options defaults;
    ASSERT_TRUE(parse({"--", "--odd-directory-name"}, &defaults, &error)) << error;
    EXPECT_EQ("--odd-directory-name", defaults.directory);
    EXPECT_EQ(SortOrder::none, defaults.sort);
    EXPECT_EQ(OutputFormat::text, defaults.format);
    EXPECT_FALSE(defaults.settingsFileGiven);
}

TEST(Options, UsageErrorsSayWhatIsWrong) {
    struct Case {
        std::vector<std::string> words;
        const char *message;
    } cases[] = {
        {{}, "no directory"},
        {{"a", "b"}, "one directory only"},
        {{"--bogus", "a"}, "unknown option --bogus"},
        {{"a", "--plugin"}, "--plugin needs an argument"},
        {{"--sort", "date", "a"}, "--sort takes none, name or size"},
        {{"--format", "xml", "a"}, "--format takes text or json"},
        {{"--no-save=yes", "a"}, "takes no argument"},
        {{"--set", "quorrel", "a"}, "PLUGIN:VALUE=DATA"},
        {{"--set", "quorrel:prefs", "a"}, "PLUGIN:VALUE=DATA"},
        {{"--set", ":prefs=dword:1", "a"}, "plug-in name"},
        {{"--set", "a/b:prefs=dword:1", "a"}, "plug-in name"},
        {{"--set", "quorrel:=dword:1", "a"}, "value name"},
        {{"--set", "quorrel:prefs=hex:01,zz", "a"}, "bad hex byte"},
        {{"--set", "quorrel:prefs=dword:123456789", "a"}, "dword"},
        {{"--set", "quorrel:s=\"unclosed", "a"}, "closing quote"},
    };
    for (const auto &c : cases) {
        Options options;
        std::string error;
        EXPECT_FALSE(parse(c.words, &options, &error)) << c.message;
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
}

TEST(Options, SetTakesExportSyntaxOrAPlainText) {
    struct Case {
        const char *argument;
        const char *name;
        DWORD type;
        std::vector<BYTE> data;
    } cases[] = {
        {"brenvo:enabled=dword:00000001", "enabled", REG_DWORD, {1, 0, 0, 0}},
        {"brenvo:string=\"%track% - %title%\"",
         "string",
         REG_SZ,
         {'%', 't', 'r', 'a', 'c', 'k', '%', ' ', '-', ' ', '%', 't', 'i', 't', 'l', 'e', '%', 0}},
        // What a shell passes on for --set brenvo:string="%track%": the quotes are gone.
        {"brenvo:string=%track%", "string", REG_SZ, {'%', 't', 'r', 'a', 'c', 'k', '%', 0}},
        {"brenvo:string=", "string", REG_SZ, {0}},
        {"brenvo:@=\"d\"", "", REG_SZ, {'d', 0}},
        {"brenvo:a=b=c", "a", REG_SZ, {'b', '=', 'c', 0}},
    };
    for (const auto &c : cases) {
        SettingAssignment assignment;
        std::string error;
        ASSERT_TRUE(parseAssignment(c.argument, &assignment, &error)) << c.argument << error;
        EXPECT_EQ("brenvo", assignment.plugin);
        EXPECT_EQ(c.name, assignment.value.name) << c.argument;
        EXPECT_EQ(c.type, assignment.value.type) << c.argument;
        EXPECT_EQ(c.data, assignment.value.data) << c.argument;
    }
}

TEST(Options, HelpNeedsNoDirectory) {
    Options options;
    std::string error;
    ASSERT_TRUE(parse({"--help"}, &options, &error));
    EXPECT_TRUE(options.help);
}
