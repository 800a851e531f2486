#include "brenvo_fixture.h"

#include <vector>

namespace {

TEST_F(Brenvo, InitializeRefusesNullAndOtherVersions) {
    EXPECT_EQ(plugin.initialize(nullptr), 0);
    for (int32_t version : {0, 1, 3}) {
        FileFilterInfo other{};
        other.version = version;
        other.settingsKey = key.key;
        memset(other.displayName, 'x', sizeof other.displayName);
        EXPECT_EQ(plugin.initialize(&other), 0) << version;
        EXPECT_EQ(other.version, version);
        EXPECT_EQ(other.pluginData, nullptr);
        EXPECT_EQ(other.displayName[0], 'x');
    }
}

TEST_F(Brenvo, FirstRunOnAnEmptyKey) {
    ASSERT_EQ(plugin.initialize(&info), 1);
    initialized = true;
    EXPECT_EQ(info.version, 2);
    EXPECT_STREQ(info.displayName, "MP3 ID3 File Renamer");
    for (size_t at = strlen(info.displayName); at < sizeof info.displayName; ++at)
        ASSERT_EQ(info.displayName[at], '\0');
    ASSERT_NE(info.pluginData, nullptr);
    EXPECT_STREQ(templates()->nameTemplate, "%title% - %artist%");
    EXPECT_STREQ(templates()->commentTemplate, "%duration%");
    // Zero-filled behind the defaults.
    for (size_t at = strlen(templates()->nameTemplate); at < 256; ++at)
        ASSERT_EQ(templates()->nameTemplate[at], '\0');
    EXPECT_FALSE(renamesTaggedFile());
}

TEST_F(Brenvo, UninitializeStoresEveryValueWhole) {
    key.setBinary("position", {10, 0, 0, 0, 20, 0, 0, 0});
    key.setDword("enabled", 2);
    ASSERT_EQ(plugin.initialize(&info), 1);
    // What lies behind the terminator in the field is stored too.
    strcpy(templates()->nameTemplate, "%year%");
    templates()->nameTemplate[200] = 'z';
    key.remove("position");
    key.remove("enabled");
    plugin.uninitialize(&info);

    std::vector<BYTE> bytes;
    DWORD type = 0;
    ASSERT_TRUE(key.get("string", &bytes, &type));
    EXPECT_EQ(type, DWORD(REG_SZ));
    ASSERT_EQ(bytes.size(), 256u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 7), std::string("%year%\0", 7));
    EXPECT_EQ(bytes[200], 'z');
    ASSERT_TRUE(key.get("commstring", &bytes, &type));
    EXPECT_EQ(type, DWORD(REG_SZ));
    ASSERT_EQ(bytes.size(), 256u);
    EXPECT_STREQ(reinterpret_cast<const char *>(bytes.data()), "%duration%");
    ASSERT_TRUE(key.get("position", &bytes, &type));
    EXPECT_EQ(type, DWORD(REG_BINARY));
    EXPECT_EQ(bytes, (std::vector<BYTE>{10, 0, 0, 0, 20, 0, 0, 0}));
    ASSERT_TRUE(key.get("enabled", &bytes, &type));
    EXPECT_EQ(type, DWORD(REG_DWORD));
    EXPECT_EQ(bytes, (std::vector<BYTE>{2, 0, 0, 0}));
}

TEST_F(Brenvo, StoredValuesLoad) {
    // An empty stored template is an empty template; the default applies only when it is
    // missing. Any non-zero "enabled" switches renaming on.
    for (DWORD enabled : {DWORD(1), DWORD(2), DWORD(0xFFFFFFFF)}) {
        setTemplate("string", "");
        key.remove("commstring");
        key.setDword("enabled", enabled);
        ASSERT_EQ(plugin.initialize(&info), 1);
        EXPECT_STREQ(templates()->nameTemplate, "");
        EXPECT_STREQ(templates()->commentTemplate, "%duration%");
        // With an empty name template the name stays; the comment shows the switch.
        directory.write("probe.mp3", withId3v1(audioFrames(), "T", "A", "", "", 0));
        Listing listing;
        listing.file("probe.mp3");
        run(listing);
        EXPECT_STREQ(listing.entries[0].name, "probe.mp3") << enabled;
        EXPECT_STREQ(listing.entries[0].comment, "0:01") << enabled;
        plugin.uninitialize(&info);
    }
}

TEST_F(Brenvo, OnlySomeValuesPresent) {
    key.setDword("enabled", 1);
    ASSERT_EQ(plugin.initialize(&info), 1);
    initialized = true;
    EXPECT_STREQ(templates()->nameTemplate, "%title% - %artist%");
    EXPECT_STREQ(templates()->commentTemplate, "%duration%");
    EXPECT_TRUE(renamesTaggedFile());
}

// A stored template without a NUL in its 256 bytes, or one larger than its field, never lets
// a template run past its field.
TEST_F(Brenvo, OversizedTemplatesStayInTheirFields) {
    key.setBinary("string", Bytes(256, 'n'), REG_SZ);
    Bytes large(400, 'c');
    large.back() = 0;
    key.setBinary("commstring", large, REG_SZ);
    key.setDword("enabled", 1);
    ASSERT_EQ(plugin.initialize(&info), 1);
    initialized = true;
    EXPECT_EQ(std::string(templates()->nameTemplate), std::string(255, 'n'));
    EXPECT_LT(strnlen(templates()->commentTemplate, 256), 256u);

    write("a.mp3", withId3v1(audioFrames(), "T", "A", "", "", 0));
    Listing listing;
    listing.file("a.mp3");
    run(listing);
    EXPECT_EQ(std::string(listing.entries[0].name), std::string(63, 'n'));
}

TEST_F(Brenvo, SwitchAndPositionOutliveUninitialize) {
    // While the library stays loaded, "enabled" and "position" that are gone from the key keep
    // the values of the last initialization; the templates fall back only when their values
    // are gone too.
    key.setDword("enabled", 1);
    key.setBinary("position", {0x2C, 1, 0, 0, 0xC8, 0, 0, 0});
    setTemplate("string", "%album%");
    setTemplate("commstring", "%year%");
    ASSERT_EQ(plugin.initialize(&info), 1);
    plugin.uninitialize(&info);
    key.remove("enabled");
    key.remove("position");
    key.remove("commstring");

    ASSERT_EQ(plugin.initialize(&info), 1);
    initialized = true;
    EXPECT_STREQ(templates()->nameTemplate, "%album%");
    EXPECT_STREQ(templates()->commentTemplate, "%duration%");
    EXPECT_TRUE(renamesTaggedFile());
    plugin.uninitialize(&info);
    initialized = false;
    std::vector<BYTE> bytes;
    ASSERT_TRUE(key.get("position", &bytes));
    EXPECT_EQ(bytes, (std::vector<BYTE>{0x2C, 1, 0, 0, 0xC8, 0, 0, 0}));
    ASSERT_TRUE(key.get("enabled", &bytes));
    EXPECT_EQ(bytes, (std::vector<BYTE>{1, 0, 0, 0}));
}

} // namespace
