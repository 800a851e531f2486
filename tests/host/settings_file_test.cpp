// The settings file through the registry: imported whole, exported whole, written safely. On
// Windows disclist never exports the real registry, so these run on the POSIX subset, whose
// HKEY_CURRENT_USER belongs to this process alone.
#include "registry_tree.h"
#include "settings_file.h"
#include "settings_text.h"

#include "support/scratch_directory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#if !defined(_WIN32)

namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct SettingsFileTest : ::testing::Test {
    ScratchDirectory scratch{"settings"};
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, nullptr); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, nullptr); }

    // A file as the host writes it (each key's subkeys right after it): the renamers' 256-byte
    // templates with bytes after the NUL, an empty key, a key of another program with a default
    // value.
    std::string canonicalFile() {
        std::vector<RegistryKeyRecord> keys(3);
        keys[0].path = "Software\\disclist\\brenvo";
        RegistryValue string;
        string.name = "string";
        string.type = REG_SZ;
        const char templateText[] = "%title% - %artist%";
        string.data.assign(templateText, templateText + sizeof templateText);
        for (size_t i = string.data.size(); i < 256; ++i) string.data.push_back(BYTE(i * 13));
        keys[0].values.push_back(string);
        RegistryValue enabled;
        enabled.name = "enabled";
        enabled.type = REG_DWORD;
        enabled.data = {1, 0, 0, 0};
        keys[0].values.push_back(enabled);
        keys[1].path = "Software\\disclist\\empty";
        keys[2].path = "Software\\Someone else\\Their program";
        RegistryValue other;
        other.type = REG_SZ;
        other.data = {'k', 'e', 'p', 't', 0};
        keys[2].values.push_back(other);
        std::string text, error;
        EXPECT_TRUE(formatSettingsText(keys, &text, &error));
        return text;
    }
};

} // namespace

TEST_F(SettingsFileTest, TheFileRoundTripsByteForByteThroughTheRegistry) {
    std::string text = canonicalFile();
    // The 256-byte text really is written as hex(1) with its bytes after the NUL.
    ASSERT_NE(text.find("\"string\"=hex(1):25,74,69,74,6c,65,25"), std::string::npos) << text;
    fs::path in = scratch.write("in.reg", text);
    std::string error;
    ASSERT_TRUE(loadSettingsFile(in.string(), &error)) << error;

    BYTE data[300];
    DWORD size = sizeof data, type = 0;
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\disclist\\brenvo", 0, KEY_READ, &key));
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, "string", nullptr, &type, data, &size));
    RegCloseKey(key);
    EXPECT_EQ(DWORD(REG_SZ), type);
    EXPECT_EQ(256u, size);
    EXPECT_EQ(BYTE(255 * 13), data[255]);

    fs::path out = scratch.path() / "out.reg";
    ASSERT_TRUE(saveSettingsFile(out.string(), &error)) << error;
    EXPECT_EQ(text, readAll(out));
}

TEST_F(SettingsFileTest, AnExportInAnotherOrderOfKeysComesBackComplete) {
    // Subkeys come out grouped below their parent; values and bytes are all there.
    fs::path in = scratch.write("in.reg", "Windows Registry Editor Version 5.00\n\n"
                                          "[HKEY_CURRENT_USER\\A\\B]\n\"1\"=dword:00000001\n"
                                          "[HKEY_CURRENT_USER\\C]\n\"2\"=hex:02\n"
                                          "[HKEY_CURRENT_USER\\A\\D]\n\"3\"=\"three\"\n");
    std::string error;
    ASSERT_TRUE(loadSettingsFile(in.string(), &error)) << error;
    fs::path out = scratch.path() / "out.reg";
    ASSERT_TRUE(saveSettingsFile(out.string(), &error)) << error;
    EXPECT_EQ("Windows Registry Editor Version 5.00\r\n\r\n"
              "[HKEY_CURRENT_USER\\A\\B]\r\n\"1\"=dword:00000001\r\n\r\n"
              "[HKEY_CURRENT_USER\\A\\D]\r\n\"3\"=\"three\"\r\n\r\n"
              "[HKEY_CURRENT_USER\\C]\r\n\"2\"=hex:02\r\n\r\n",
              readAll(out));
}

TEST_F(SettingsFileTest, AMalformedFileIsNamedWithItsLineAndImportsNothing) {
    std::string text = canonicalFile();
    text += "[HKEY_CURRENT_USER\\Software\\disclist\\late]\r\n\"x\"=hex:0g\r\n";
    size_t lines = 0;
    for (char c : text) lines += c == '\n';
    fs::path in = scratch.write("settings.reg", text);
    std::string error;
    EXPECT_FALSE(loadSettingsFile(in.string(), &error));
    EXPECT_EQ(in.string() + ":" + std::to_string(lines) + ": bad hex byte \"0g\"", error);
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\disclist\\brenvo", 0, KEY_READ, &key));
    EXPECT_EQ(text, readAll(in));
}

TEST_F(SettingsFileTest, SavingCreatesTheDirectoryAndLeavesNoTemporaryFile) {
    RegistryValue value;
    value.name = "prefs";
    value.type = REG_BINARY;
    value.data = {1, 0, 0, 0};
    std::string error;
    ASSERT_TRUE(storeRegistryValue("Software\\disclist\\quorrel", value, &error)) << error;
    fs::path file = scratch.path() / "new" / "deeper" / "settings.reg";
    ASSERT_TRUE(saveSettingsFile(file.string(), &error)) << error;
    EXPECT_EQ("Windows Registry Editor Version 5.00\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\disclist\\quorrel]\r\n"
              "\"prefs\"=hex:01,00,00,00\r\n\r\n",
              readAll(file));
    size_t files = 0;
    for (const auto &item : fs::directory_iterator(file.parent_path()))
        files += !item.is_directory();
    EXPECT_EQ(1u, files);
}

TEST_F(SettingsFileTest, AMissingFileLoadsNothingAndAnEmptyRegistryWritesNone) {
    fs::path file = scratch.path() / "missing.reg";
    std::string error;
    EXPECT_TRUE(loadSettingsFile(file.string(), &error)) << error;
    EXPECT_TRUE(saveSettingsFile(file.string(), &error)) << error;
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(SettingsFileTest, AFileThatCannotBeReplacedGivesAnErrorAndStaysWhole) {
    RegistryValue value;
    value.name = "x";
    value.type = REG_DWORD;
    value.data = {2, 0, 0, 0};
    std::string error;
    ASSERT_TRUE(storeRegistryValue("K", value, &error));
    // A directory where the file should be: the rename fails, and no temporary is left.
    fs::path blocked = scratch.directory("blocked.reg");
    scratch.file("blocked.reg/inside", 1);
    EXPECT_FALSE(saveSettingsFile(blocked.string(), &error));
    EXPECT_NE(error.find("blocked.reg"), std::string::npos) << error;
    auto entries = std::distance(fs::directory_iterator(scratch.path()), fs::directory_iterator());
    EXPECT_EQ(1, entries);
}

#endif
