#include "ogg/tesmer_fixture.h"

#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

TEST_F(Tesmer, InitializeAcceptsOnlyVersionTwo) {
    EXPECT_EQ(plugin.initialize(nullptr), 0);
    for (int32_t version : {1, 3}) {
        SCOPED_TRACE(version);
        FileFilterInfo refused{};
        refused.version = version;
        refused.settingsKey = key.key;
        std::memset(refused.displayName, '#', sizeof refused.displayName);
        EXPECT_EQ(plugin.initialize(&refused), 0);
        EXPECT_EQ(refused.version, version);
        EXPECT_EQ(refused.pluginData, nullptr);
        EXPECT_EQ(refused.displayName[0], '#');
        EXPECT_EQ(refused.displayName[259], '#');
    }

    std::memset(info.displayName, '#', sizeof info.displayName);
    ASSERT_EQ(plugin.initialize(&info), 1);
    initialized = true;
    EXPECT_EQ(info.version, 2);
    EXPECT_NE(info.pluginData, nullptr);
    EXPECT_STREQ(info.displayName, "OGG File Renamer");
    // The name is copied with the rest of the field cleared.
    for (size_t i = std::strlen("OGG File Renamer"); i < sizeof info.displayName; ++i)
        ASSERT_EQ(info.displayName[i], '\0') << "byte " << i;
}

#if defined(_WIN32)
// A thread on which COM is already initialized gets S_FALSE from a further CoInitialize.
HRESULT comStateAfter(PluginModule &plugin, FileFilterInfo *info, int32_t *result) {
    HRESULT state = E_FAIL;
    std::thread thread([&] {
        *result = plugin.initialize(info);
        state = CoInitialize(nullptr);
        CoUninitialize();
        if (state == S_FALSE) CoUninitialize();
    });
    thread.join();
    return state;
}

TEST_F(Tesmer, SuccessfulInitializeInitializesComOnTheCallingThread) {
    FileFilterInfo refused{};
    refused.version = 3;
    int32_t result = -1;
    EXPECT_EQ(comStateAfter(plugin, &refused, &result), S_OK);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(comStateAfter(plugin, &info, &result), S_FALSE);
    EXPECT_EQ(result, 1);
    initialized = true;
}
#endif

TEST_F(Tesmer, AnyNonZeroEnabledValueSwitchesRenamingOn) {
    for (DWORD enabled : {0u, 1u, 2u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(enabled);
        key.setDword("enabled", enabled);
        ASSERT_EQ(plugin.initialize(&info), 1);
        write("song.ogg", songFile({"TITLE=On"}));
        Listing root;
        root.file("song.ogg");
        run(root.finish());
        EXPECT_STREQ(root.entries[0].name, enabled ? "On - " : "song.ogg");
        plugin.uninitialize(&info);
    }
}

TEST_F(Tesmer, UninitializeStoresEverySettingAtItsFullSize) {
    key.setBinary("string", templateValue("%track%. %title%"), REG_SZ);
    key.setDword("enabled", 2);
    ASSERT_EQ(plugin.initialize(&info), 1);
    plugin.uninitialize(&info);

    const struct {
        const char *name;
        DWORD type;
        size_t size;
    } values[] = {{"string", REG_SZ, 256},
                  {"commstring", REG_SZ, 256},
                  {"position", REG_BINARY, 8},
                  {"enabled", REG_DWORD, 4}};
    for (const auto &value : values) {
        SCOPED_TRACE(value.name);
        std::vector<BYTE> bytes;
        DWORD type = 0;
        ASSERT_TRUE(key.get(value.name, &bytes, &type));
        EXPECT_EQ(type, value.type);
        EXPECT_EQ(bytes.size(), value.size);
    }
    std::vector<BYTE> bytes;
    key.get("string", &bytes);
    EXPECT_STREQ(reinterpret_cast<const char *>(bytes.data()), "%track%. %title%");
    key.get("commstring", &bytes);
    EXPECT_STREQ(reinterpret_cast<const char *>(bytes.data()), "%duration%");
    key.get("enabled", &bytes);
    EXPECT_EQ(bytes, (std::vector<BYTE>{2, 0, 0, 0}));
}

} // namespace
