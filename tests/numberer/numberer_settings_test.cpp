#include "numberer_fixture.h"

namespace {

struct WindowPositionBytes {
    int32_t x, y;
};

TEST_F(Numberer, InitializeRefusesNullAndOtherVersions) {
    EXPECT_EQ(plugin.initialize(nullptr), 0);
    for (int32_t version : {0, 1, 3}) {
        FileFilterInfo other{};
        other.version = version;
        other.settingsKey = key.key;
        std::memset(other.displayName, 'x', sizeof other.displayName);
        EXPECT_EQ(plugin.initialize(&other), 0) << version;
        EXPECT_EQ(other.version, version);
        EXPECT_EQ(other.pluginData, nullptr);
        EXPECT_EQ(other.displayName[0], 'x');
    }
}

TEST_F(Numberer, FirstRunOnEmptyKey) {
    ASSERT_EQ(plugin.initialize(&info), 1);
    EXPECT_EQ(info.version, 2);
    EXPECT_STREQ(info.displayName, "File Numberer");
    ASSERT_NE(info.pluginData, nullptr);
    Prefs prefs;
    std::memcpy(&prefs, info.pluginData, 16);
    EXPECT_EQ(prefs.enabled | prefs.startAtZero | prefs.numberDirectories | prefs.resetPerDirectory,
              0);
    // Numbering is off: a pass changes nothing.
    Listing root;
    root.file("a.mp3");
    plugin.execute(&info, root.finish(), 0, 0, "");
    EXPECT_STREQ(root.entries[0].name, "a.mp3");
}

TEST_F(Numberer, StoredPrefsLoadAsTheyAre) {
    // Any non-zero flag is on; a value shorter than 16 bytes fills only its leading bytes.
    initializeWith({2, -1, 0, 0});
    Listing root;
    root.file("a");
    plugin.execute(&info, root.finish(), 0, 0, "");
    EXPECT_STREQ(root.entries[0].name, "0. a");

    key.setBinary("prefs", {1, 0, 0, 0, 1, 0, 0, 0});
    ASSERT_EQ(plugin.initialize(&info), 1);
    Prefs prefs;
    std::memcpy(&prefs, info.pluginData, 16);
    EXPECT_EQ(prefs.enabled, 1);
    EXPECT_EQ(prefs.startAtZero, 1);
    EXPECT_EQ(prefs.numberDirectories, 0);
    EXPECT_EQ(prefs.resetPerDirectory, 0);
}

TEST_F(Numberer, UninitializeWritesPrefsAndPosition) {
    key.setBinary("position", {10, 0, 0, 0, 20, 0, 0, 0});
    initializeWith({1, 1, 0, 0});
    key.remove("prefs");
    key.remove("position");
    EXPECT_EQ(plugin.uninitialize(&info), 0);

    std::vector<BYTE> bytes;
    DWORD type = 0;
    ASSERT_TRUE(key.get("prefs", &bytes, &type));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(bytes, (std::vector<BYTE>{1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(key.get("position", &bytes, &type));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(bytes, (std::vector<BYTE>{10, 0, 0, 0, 20, 0, 0, 0}));
}

TEST_F(Numberer, MissingPositionKeepsTheOneInMemory) {
    // While the library stays loaded, a position that is gone from the key keeps the value
    // that the last initialization read; prefs always start from zero.
    key.setBinary("position", {0x2C, 1, 0, 0, 0xC8, 0, 0, 0});
    initializeWith({1, 0, 0, 0});
    plugin.uninitialize(&info);
    key.remove("position");
    key.remove("prefs");
    ASSERT_EQ(plugin.initialize(&info), 1);
    Prefs prefs;
    std::memcpy(&prefs, info.pluginData, 16);
    EXPECT_EQ(prefs.enabled, 0);
    plugin.uninitialize(&info);
    std::vector<BYTE> bytes;
    ASSERT_TRUE(key.get("position", &bytes));
    EXPECT_EQ(bytes, (std::vector<BYTE>{0x2C, 1, 0, 0, 0xC8, 0, 0, 0}));
}

} // namespace
