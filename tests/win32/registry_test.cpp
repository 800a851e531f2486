// The registry as the plug-ins and the host use it, through Win32 calls only, in a scratch key
// below HKEY_CURRENT_USER\Software\disclist-tests that is removed afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <ctype.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char testRoot[] = "Software\\disclist-tests";

#ifdef _WIN32
// Case-insensitive order, for comparing enumerations where the order is the platform's.
bool lessIgnoringCase(const std::string &a, const std::string &b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return tolower(static_cast<unsigned char>(x)) < tolower(static_cast<unsigned char>(y));
    });
}
#endif

// Our registry enumerates in creation order; Windows keeps its own order, so there only the
// set of names is compared.
void expectSameNames(std::vector<std::string> actual, std::vector<std::string> expected) {
#ifdef _WIN32
    std::sort(actual.begin(), actual.end(), lessIgnoringCase);
    std::sort(expected.begin(), expected.end(), lessIgnoringCase);
#endif
    EXPECT_EQ(actual, expected);
}

class Registry : public ::testing::Test {
  protected:
    HKEY scratch = nullptr;

    void SetUp() override {
        std::string path = std::string(testRoot) + "\\" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name();
        RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &scratch,
                                  nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        if (scratch != nullptr) RegCloseKey(scratch);
        RegDeleteTreeA(HKEY_CURRENT_USER, testRoot);
    }

    LSTATUS set(HKEY key, const char *name, DWORD type, const std::string &bytes) {
        return RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE *>(bytes.data()),
                              static_cast<DWORD>(bytes.size()));
    }
    HKEY create(HKEY key, const char *name, DWORD *disposition = nullptr) {
        HKEY result = nullptr;
        EXPECT_EQ(RegCreateKeyExA(key, name, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                  nullptr, &result, disposition),
                  ERROR_SUCCESS)
            << name;
        return result;
    }
    std::vector<std::string> subkeyNames(HKEY key) {
        std::vector<std::string> names;
        for (DWORD index = 0;; ++index) {
            char name[256];
            DWORD size = sizeof name;
            LSTATUS status =
                RegEnumKeyExA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr);
            if (status != ERROR_SUCCESS) {
                EXPECT_EQ(status, ERROR_NO_MORE_ITEMS);
                break;
            }
            names.push_back(std::string(name, size));
        }
        return names;
    }
    std::vector<std::string> valueNames(HKEY key) {
        std::vector<std::string> names;
        for (DWORD index = 0;; ++index) {
            char name[256];
            DWORD size = sizeof name;
            LSTATUS status =
                RegEnumValueA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr);
            if (status != ERROR_SUCCESS) {
                EXPECT_EQ(status, ERROR_NO_MORE_ITEMS);
                break;
            }
            names.push_back(std::string(name, size));
        }
        return names;
    }
    bool exists(HKEY key, const char *name) {
        HKEY opened = nullptr;
        LSTATUS status = RegOpenKeyExA(key, name, 0, KEY_READ, &opened);
        if (status == ERROR_SUCCESS) RegCloseKey(opened);
        return status == ERROR_SUCCESS;
    }
};

TEST_F(Registry, QueryFollowsTheSizeRules) {
    const std::string stored("\x01\x02\x00\x04\x05", 5);
    ASSERT_EQ(set(scratch, "prefs", REG_BINARY, stored), ERROR_SUCCESS);

    // A buffer larger than the value: the bytes exactly, nothing added after them.
    BYTE buffer[16];
    memset(buffer, 0xEE, sizeof buffer);
    DWORD type = REG_NONE, size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(scratch, "prefs", nullptr, &type, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(buffer), 5), stored);
    EXPECT_EQ(buffer[5], 0xEE);

    // Exactly the value's size.
    size = 5;
    EXPECT_EQ(RegQueryValueExA(scratch, "prefs", nullptr, nullptr, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 5u);

    // Too small: ERROR_MORE_DATA with the needed size.
    memset(buffer, 0xEE, sizeof buffer);
    size = 4;
    EXPECT_EQ(RegQueryValueExA(scratch, "prefs", nullptr, &type, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 5u);
#ifndef _WIN32
    // Windows leaves the buffer undefined here; ours leaves it as it was.
    EXPECT_EQ(buffer[0], 0xEE);
#endif

    // No buffer: the size alone; neither: only whether the value exists.
    size = 0;
    EXPECT_EQ(RegQueryValueExA(scratch, "prefs", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 5u);
    type = REG_NONE;
    EXPECT_EQ(RegQueryValueExA(scratch, "prefs", nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));

    // A buffer without a size is refused.
    EXPECT_EQ(RegQueryValueExA(scratch, "prefs", nullptr, nullptr, buffer, nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(Registry, MissingValueLeavesTheBufferUntouched) {
    ASSERT_EQ(set(scratch, "other", REG_DWORD, std::string(4, '\0')), ERROR_SUCCESS);
    BYTE buffer[16];
    memset(buffer, 0xEE, sizeof buffer);
    DWORD type = 12345, size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(scratch, "prefs", nullptr, &type, buffer, &size),
              ERROR_FILE_NOT_FOUND);
    for (BYTE b : buffer) ASSERT_EQ(b, 0xEE);
#ifndef _WIN32
    EXPECT_EQ(size, sizeof buffer);
    EXPECT_EQ(type, 12345u);
#endif
    EXPECT_EQ(RegDeleteValueA(scratch, "prefs"), ERROR_FILE_NOT_FOUND);
}

TEST_F(Registry, SetStoresTheBytesAsGiven) {
    struct Case {
        const char *name;
        DWORD type;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"dword", REG_DWORD, std::string("\x78\x56\x34\x12", 4)},
        {"binary", REG_BINARY, std::string("\x00\xff\x00\x10", 4)},
        {"empty", REG_BINARY, std::string()},
        {"template", REG_BINARY, std::string("%2. %1\0garbage", 14) + std::string(242, '\x7f')},
        {"", REG_BINARY, std::string("default", 7)},
#ifndef _WIN32
        // Windows converts strings between code pages; ours are bytes like any other type.
        {"string", REG_SZ, std::string("no terminator")},
        {"odd type", 0x1234, std::string("\x01", 1)},
#endif
    };
    for (const Case &c : cases) ASSERT_EQ(set(scratch, c.name, c.type, c.bytes), ERROR_SUCCESS);
    for (const Case &c : cases) {
        BYTE buffer[300];
        DWORD type = REG_NONE, size = sizeof buffer;
        ASSERT_EQ(RegQueryValueExA(scratch, c.name, nullptr, &type, buffer, &size), ERROR_SUCCESS)
            << c.name;
        EXPECT_EQ(type, c.type) << c.name;
        EXPECT_EQ(std::string(reinterpret_cast<char *>(buffer), size), c.bytes) << c.name;
    }

    // Setting again replaces type and bytes, in place.
    ASSERT_EQ(set(scratch, "binary", REG_DWORD, std::string("\x01\x00\x00\x00", 4)), ERROR_SUCCESS);
    DWORD type = REG_NONE, value = 0, size = sizeof value;
    EXPECT_EQ(RegQueryValueExA(scratch, "binary", nullptr, &type, reinterpret_cast<BYTE *>(&value),
                               &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, 1u);
    EXPECT_EQ(valueNames(scratch).size(), cases.size());
}

TEST_F(Registry, NamesIgnoreCaseAndKeepTheirCase) {
    DWORD disposition = 0;
    HKEY key = create(scratch, "MixedCase", &disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    RegCloseKey(key);
    key = create(scratch, "MIXEDcase", &disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    EXPECT_TRUE(exists(scratch, "mixedcase"));
    EXPECT_EQ(subkeyNames(scratch), std::vector<std::string>{"MixedCase"});

    ASSERT_EQ(set(key, "Position", REG_BINARY, "12345678"), ERROR_SUCCESS);
    EXPECT_EQ(valueNames(key), std::vector<std::string>{"Position"});
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "POSITION", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 8u);
    ASSERT_EQ(set(key, "position", REG_BINARY, "1234"), ERROR_SUCCESS);
    EXPECT_EQ(valueNames(key).size(), 1u);
    EXPECT_EQ(RegQueryValueExA(key, "Position", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(RegDeleteValueA(key, "POSITION"), ERROR_SUCCESS);
    EXPECT_TRUE(valueNames(key).empty());
    RegCloseKey(key);
}

TEST_F(Registry, CreateMakesIntermediateKeysAndOpenFindsThem) {
    HKEY opened = reinterpret_cast<HKEY>(1);
    EXPECT_EQ(RegOpenKeyExA(scratch, "a\\b\\c", 0, KEY_READ, &opened), ERROR_FILE_NOT_FOUND);
    DWORD disposition = 0;
    HKEY deep = create(scratch, "a\\b\\c", &disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    ASSERT_EQ(set(deep, "v", REG_BINARY, "x"), ERROR_SUCCESS);
    RegCloseKey(deep);

    HKEY middle = nullptr;
    ASSERT_EQ(RegOpenKeyExA(scratch, "a\\b", 0, KEY_READ, &middle), ERROR_SUCCESS);
    EXPECT_EQ(subkeyNames(middle), std::vector<std::string>{"c"});
    ASSERT_EQ(RegOpenKeyExA(middle, "c", 0, KEY_READ, &opened), ERROR_SUCCESS);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(opened, "v", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 1u);
    RegCloseKey(opened);
    RegCloseKey(middle);

    // Creating what exists opens it.
    deep = create(scratch, "a\\b\\c", &disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    RegCloseKey(deep);
}

TEST_F(Registry, HandleRightsAreChecked) {
    HKEY readOnly = nullptr;
    ASSERT_EQ(RegOpenKeyExA(scratch, nullptr, 0, KEY_READ, &readOnly), ERROR_SUCCESS);
    EXPECT_EQ(set(readOnly, "v", REG_BINARY, "x"), ERROR_ACCESS_DENIED);
    ASSERT_EQ(set(scratch, "v", REG_BINARY, "x"), ERROR_SUCCESS);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(readOnly, "v", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueA(readOnly, "v"), ERROR_ACCESS_DENIED);
    RegCloseKey(readOnly);
}

TEST_F(Registry, EnumerationListsEverythingOnce) {
    const std::vector<std::string> keys = {"settings", "Another", "b key"};
    const std::vector<std::string> values = {"string", "commstring", "Enabled", ""};
    for (const std::string &name : keys) RegCloseKey(create(scratch, name.c_str()));
    for (const std::string &name : values) {
        ASSERT_EQ(set(scratch, name.c_str(), REG_BINARY, name + "!"), ERROR_SUCCESS);
    }
    expectSameNames(subkeyNames(scratch), keys);
    expectSameNames(valueNames(scratch), values);

    // Each value's type and bytes come with its name.
    for (DWORD index = 0; index < values.size(); ++index) {
        char name[64];
        BYTE data[64];
        DWORD nameSize = sizeof name, dataSize = sizeof data, type = REG_NONE;
        ASSERT_EQ(RegEnumValueA(scratch, index, name, &nameSize, nullptr, &type, data, &dataSize),
                  ERROR_SUCCESS);
        EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
        EXPECT_EQ(std::string(reinterpret_cast<char *>(data), dataSize),
                  std::string(name, nameSize) + "!");
    }
}

TEST_F(Registry, EnumerationBufferRules) {
    RegCloseKey(create(scratch, "abcdef"));
    ASSERT_EQ(set(scratch, "value1", REG_BINARY, "0123456789"), ERROR_SUCCESS);

    // Name sizes count characters; the buffer needs room for the NUL, the result has none.
    char name[16];
    DWORD size = 6;
    EXPECT_EQ(RegEnumKeyExA(scratch, 0, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_MORE_DATA);
    size = 7;
    ASSERT_EQ(RegEnumKeyExA(scratch, 0, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(size, 6u);
    EXPECT_STREQ(name, "abcdef");
    size = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(scratch, 1, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);

    size = 6;
    EXPECT_EQ(RegEnumValueA(scratch, 0, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_MORE_DATA);

    // Data too small: ERROR_MORE_DATA with the needed size; no buffer: the size alone.
    BYTE data[16];
    DWORD dataSize = 4;
    size = sizeof name;
    EXPECT_EQ(RegEnumValueA(scratch, 0, name, &size, nullptr, nullptr, data, &dataSize),
              ERROR_MORE_DATA);
    EXPECT_EQ(dataSize, 10u);
    size = sizeof name;
    dataSize = 0;
    DWORD type = REG_NONE;
    ASSERT_EQ(RegEnumValueA(scratch, 0, name, &size, nullptr, &type, nullptr, &dataSize),
              ERROR_SUCCESS);
    EXPECT_EQ(size, 6u);
    EXPECT_STREQ(name, "value1");
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(dataSize, 10u);

    size = sizeof name;
    EXPECT_EQ(RegEnumValueA(scratch, 1, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
}

TEST_F(Registry, DeletingKeys) {
    RegCloseKey(create(scratch, "parent\\child"));
    RegCloseKey(create(scratch, "tree\\one\\two"));
    HKEY tree = create(scratch, "tree");
    ASSERT_EQ(set(tree, "v", REG_BINARY, "x"), ERROR_SUCCESS);

    // RegDeleteKeyA refuses a key with subkeys and takes a leaf.
    EXPECT_EQ(RegDeleteKeyA(scratch, "parent"), ERROR_ACCESS_DENIED);
    EXPECT_TRUE(exists(scratch, "parent\\child"));
    EXPECT_EQ(RegDeleteKeyA(scratch, "parent\\child"), ERROR_SUCCESS);
    EXPECT_FALSE(exists(scratch, "parent\\child"));
    EXPECT_EQ(RegDeleteKeyA(scratch, "parent"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(scratch, "parent"), ERROR_FILE_NOT_FOUND);

    // RegDeleteTreeA without a subkey empties the key but keeps it.
    EXPECT_EQ(RegDeleteTreeA(tree, nullptr), ERROR_SUCCESS);
    EXPECT_TRUE(exists(scratch, "tree"));
    EXPECT_TRUE(subkeyNames(tree).empty());
    EXPECT_TRUE(valueNames(tree).empty());
    RegCloseKey(tree);

    RegCloseKey(create(scratch, "tree\\one\\two"));
    EXPECT_EQ(RegDeleteTreeA(scratch, "tree"), ERROR_SUCCESS);
    EXPECT_FALSE(exists(scratch, "tree"));
    EXPECT_EQ(RegDeleteTreeA(scratch, "tree"), ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(subkeyNames(scratch).empty());
}

TEST_F(Registry, HandleOfADeletedKeyFailsSafely) {
    HKEY gone = create(scratch, "gone");
    HKEY below = create(scratch, "gone\\below");
    ASSERT_EQ(set(gone, "v", REG_BINARY, "x"), ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteTreeA(scratch, "gone"), ERROR_SUCCESS);
    // A key of the same name made afterwards is another key.
    HKEY again = create(scratch, "gone");

    for (HKEY key : {gone, below}) {
        BYTE data[4];
        DWORD size = sizeof data;
        LSTATUS status = RegQueryValueExA(key, "v", nullptr, nullptr, data, &size);
        EXPECT_NE(status, ERROR_SUCCESS);
        EXPECT_NE(set(key, "w", REG_BINARY, "y"), ERROR_SUCCESS);
        HKEY sub = nullptr;
        EXPECT_NE(RegCreateKeyExA(key, "sub", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                  nullptr, &sub, nullptr),
                  ERROR_SUCCESS);
        char name[16];
        size = sizeof name;
        EXPECT_NE(RegEnumValueA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr),
                  ERROR_SUCCESS);
#ifndef _WIN32
        EXPECT_EQ(status, ERROR_KEY_DELETED);
#endif
        EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    }
    EXPECT_TRUE(valueNames(again).empty());
    EXPECT_TRUE(subkeyNames(again).empty());
    RegCloseKey(again);
}

#ifndef _WIN32
TEST_F(Registry, ClosedOrForeignHandlesAreRefused) {
    HKEY key = create(scratch, "k");
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "v", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    int notAKey = 0;
    EXPECT_EQ(set(reinterpret_cast<HKEY>(&notAKey), "v", REG_BINARY, "x"), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
}
#endif

} // namespace
