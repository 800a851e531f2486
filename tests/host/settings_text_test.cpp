// The settings file's text format: what it writes, what it reads, and that every stored byte
// comes back.
#include "settings_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

RegistryValue value(const std::string &name, DWORD type, std::vector<BYTE> data) {
    RegistryValue v;
    v.name = name;
    v.type = type;
    v.data = std::move(data);
    return v;
}

std::vector<BYTE> bytesOf(const std::string &text, bool withNul = true) {
    std::vector<BYTE> bytes(text.begin(), text.end());
    if (withNul) bytes.push_back(0);
    return bytes;
}

std::vector<BYTE> sequence(size_t count, BYTE first = 0) {
    std::vector<BYTE> bytes;
    for (size_t i = 0; i < count; ++i) bytes.push_back(static_cast<BYTE>(first + i));
    return bytes;
}

// The 256-byte REG_SZ that the renamers store: a template, its NUL, and whatever the rest of
// the buffer held.
std::vector<BYTE> renamerTemplate() {
    std::vector<BYTE> bytes = bytesOf("%title% - %artist%");
    for (size_t i = bytes.size(); i < 256; ++i) bytes.push_back(static_cast<BYTE>(i * 7));
    return bytes;
}

std::string format(const std::vector<RegistryKeyRecord> &keys) {
    std::string text, error;
    EXPECT_TRUE(formatSettingsText(keys, &text, &error)) << error;
    return text;
}

std::vector<RegistryKeyRecord> parse(const std::string &text) {
    std::vector<RegistryKeyRecord> keys;
    SettingsTextError error;
    EXPECT_TRUE(parseSettingsText(text, &keys, &error)) << error.line << ": " << error.message;
    return keys;
}

void expectSameKeys(const std::vector<RegistryKeyRecord> &expected,
                    const std::vector<RegistryKeyRecord> &actual) {
    ASSERT_EQ(expected.size(), actual.size());
    for (size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(expected[k].path, actual[k].path);
        ASSERT_EQ(expected[k].values.size(), actual[k].values.size()) << expected[k].path;
        for (size_t v = 0; v < expected[k].values.size(); ++v) {
            const RegistryValue &a = expected[k].values[v], &b = actual[k].values[v];
            EXPECT_EQ(a.name, b.name);
            EXPECT_EQ(a.type, b.type) << a.name;
            EXPECT_EQ(a.data, b.data) << a.name;
        }
    }
}

} // namespace

TEST(SettingsText, WritesTheExportFormat) {
    std::vector<RegistryKeyRecord> keys = {
        {"Software\\disclist\\quorrel",
         {value("prefs", REG_BINARY, {1, 0, 0, 0}),
          value("enabled", REG_DWORD, {0x78, 0x56, 0x34, 0x12}),
          value("title", REG_SZ, bytesOf("say \"hi\" C:\\")), value("", REG_SZ, bytesOf("")),
          value("position", REG_BINARY, sequence(30))}},
        {"Software\\empty", {}},
    };
    EXPECT_EQ(
        "Windows Registry Editor Version 5.00\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\disclist\\quorrel]\r\n"
        "\"prefs\"=hex:01,00,00,00\r\n"
        "\"enabled\"=dword:12345678\r\n"
        "\"title\"=\"say \\\"hi\\\" C:\\\\\"\r\n"
        "@=\"\"\r\n"
        "\"position\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,\\\r\n"
        "  15,16,17,18,19,1a,1b,1c,1d\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\empty]\r\n"
        "\r\n",
        format(keys));
}

TEST(SettingsText, TextsThatAQuotedTextCannotHoldExactlyAreWrittenAsHex) {
    struct Case {
        const char *what;
        RegistryValue value;
        const char *line;
    } cases[] = {
        {"no final NUL", value("a", REG_SZ, bytesOf("ab", false)), "\"a\"=hex(1):61,62"},
        {"bytes after the NUL", value("a", REG_SZ, {'a', 0, 'b', 0}), "\"a\"=hex(1):61,00,62,00"},
        {"a line break", value("a", REG_SZ, bytesOf("a\nb")), "\"a\"=hex(1):61,0a,62,00"},
        {"empty", value("a", REG_SZ, {}), "\"a\"=hex(1):"},
        {"a dword of 3 bytes", value("a", REG_DWORD, {1, 2, 3}), "\"a\"=hex(4):01,02,03"},
        {"a qword", value("a", REG_QWORD, sequence(8)), "\"a\"=hex(b):00,01,02,03,04,05,06,07"},
        {"an expandable text", value("a", REG_EXPAND_SZ, bytesOf("x")), "\"a\"=hex(2):78,00"},
        {"high bytes stay a text", value("a", REG_SZ, bytesOf("caf\xc3\xa9")),
         "\"a\"=\"caf\xc3\xa9\""},
    };
    for (const auto &c : cases) {
        std::string text = format({{"K", {c.value}}});
        EXPECT_NE(text.find(std::string("\r\n") + c.line + "\r\n"), std::string::npos)
            << c.what << "\n"
            << text;
        expectSameKeys({{"K", {c.value}}}, parse(text));
    }
}

TEST(SettingsText, EveryStoredByteRoundTrips) {
    std::vector<RegistryKeyRecord> keys = {
        {"", {value("at the root", REG_DWORD, {1, 0, 0, 0})}},
        {"Software\\disclist\\brenvo",
         {value("string", REG_SZ, renamerTemplate()),
          value("commstring", REG_SZ, renamerTemplate()), value("enabled", REG_DWORD, {1, 0, 0, 0}),
          value("position", REG_BINARY, sequence(8, 0xF8))}},
        {"Software\\Other vendor\\Some [odd] key",
         {value("multi", REG_MULTI_SZ, {'a', 0, 'b', 0, 0}), value("none", REG_NONE, {}),
          value("big", REG_BINARY, sequence(1000)), value("", REG_SZ, bytesOf("default")),
          value("quote\"and\\slash", REG_SZ, bytesOf("\\\\server\\share"))}},
    };
    std::string text = format(keys);
    std::vector<RegistryKeyRecord> parsed = parse(text);
    expectSameKeys(keys, parsed);
    EXPECT_EQ(text, format(parsed));
    // Every line stays within 80 columns, as exports keep them.
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        EXPECT_LE(end - start, 80u) << text.substr(start, end - start);
        start = end + 2;
    }
}

TEST(SettingsText, ReadsWhatExportsAndPeopleWrite) {
    std::string text = "\xEF\xBB\xBF"
                       "Windows Registry Editor Version 5.00\n"
                       "\n"
                       "; written by hand\n"
                       "[HKEY_CURRENT_USER\\Software\\disclist\\quorrel]\n"
                       "\"prefs\"=hex:01,00,00,00,\\\n"
                       "    00,00,00,00, \\\n"
                       "\t00,00,00,00,\\\r\n"
                       "  01,00,00,00\n"
                       "  ; an indented comment\n"
                       "\"Enabled\" = DWORD:1\n"
                       "\"mixed\"=HEX:Ab,cD,e\n"
                       "\"typed\"=hex(7):61,00,00,00\n"
                       "[HKEY_CURRENT_USER\\Software\\disclist\\quorrel]\n"
                       "\"prefs\"=hex:02\n"
                       "@=\"x\"\n";
    expectSameKeys(
        {{"Software\\disclist\\quorrel",
          {value("prefs", REG_BINARY, {2}), value("Enabled", REG_DWORD, {1, 0, 0, 0}),
           value("mixed", REG_BINARY, {0xAB, 0xCD, 0x0E}),
           value("typed", REG_MULTI_SZ, {'a', 0, 0, 0}), value("", REG_SZ, bytesOf("x"))}}},
        parse(text));
    expectSameKeys({}, parse(""));
    expectSameKeys({{"A", {}}}, parse("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n"));
}

TEST(SettingsText, MalformedLinesAreNamed) {
    const std::string head = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\K]\n";
    struct Case {
        std::string text;
        int line;
        const char *message;
    } cases[] = {
        {"REGEDIT5\n", 1, "first line"},
        {"\n\n[HKEY_CURRENT_USER\\K]\n", 3, "first line"},
        {"Windows Registry Editor Version 5.00\n\"a\"=dword:1\n", 2, "before the first [key]"},
        {head + "\"a\"=hex:01,zz\n", 4, "bad hex byte \"zz\""},
        {head + "\"a\"=hex:01,,02\n", 4, "bad hex byte"},
        {head + "\"a\"=hex:100\n", 4, "bad hex byte"},
        {head + "\"a\"=dword:123456789\n", 4, "dword"},
        {head + "\"a\"=dword:\n", 4, "dword"},
        {head + "\"a\"=\"open\n", 4, "closing quote"},
        {head + "\"a\"=\"x\" y\n", 4, "after the closing quote"},
        {head + "\"a\"=\"\\n\"\n", 4, "escape"},
        {head + "\"a\"=text\n", 4, "value data"},
        {head + "\"a\"=-\n", 4, "deleting values"},
        {head + "\"a\"\n", 4, "'='"},
        {head + "\"\"=\"x\"\n", 4, "empty value name"},
        {head + "\"a\"=hex(zz):00\n", 4, "hex(N)"},
        {head + "a=1\n", 4, "expected a \"value\" or a [key]"},
        {head + "\n\"a\"=hex:01,\\\n", 5, "ends inside a continued value"},
        {head + "[HKEY_LOCAL_MACHINE\\K]\n", 4, "HKEY_CURRENT_USER"},
        {head + "[HKEY_CURRENT_USERS\\K]\n", 4, "HKEY_CURRENT_USER"},
        {head + "[-HKEY_CURRENT_USER\\K]\n", 4, "deleting keys"},
        {head + "[HKEY_CURRENT_USER\\K\n", 4, "']'"},
        {head + "[HKEY_CURRENT_USER\\A\\\\B]\n", 4, "empty key name"},
        {head + "[HKEY_CURRENT_USER\\]\n", 4, "empty key name"},
    };
    for (const auto &c : cases) {
        std::vector<RegistryKeyRecord> keys;
        SettingsTextError error;
        EXPECT_FALSE(parseSettingsText(c.text, &keys, &error)) << c.text;
        EXPECT_EQ(c.line, error.line) << c.text;
        EXPECT_NE(error.message.find(c.message), std::string::npos)
            << c.text << "\ngot: " << error.message;
    }
}

TEST(SettingsText, NamesWithLineBreaksAreRefusedRatherThanLost) {
    std::string text, error;
    EXPECT_FALSE(
        formatSettingsText({{"K", {value("a\nb", REG_DWORD, {0, 0, 0, 0})}}}, &text, &error));
    EXPECT_FALSE(formatSettingsText({{"K\r", {}}}, &text, &error));
}

TEST(SettingsText, ValueDataAsTheCommandLineGivesIt) {
    struct Case {
        const char *data;
        DWORD type;
        std::vector<BYTE> bytes;
    } good[] = {
        {"dword:00000001", REG_DWORD, {1, 0, 0, 0}},
        {"dword:ffffffff", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"hex:01,00,00,00", REG_BINARY, {1, 0, 0, 0}},
        {"hex:", REG_BINARY, {}},
        {"hex(1):41,00,42", REG_SZ, {'A', 0, 'B'}},
        {"\"%track% - %title%\"", REG_SZ, bytesOf("%track% - %title%")},
    };
    for (const auto &c : good) {
        RegistryValue v;
        std::string error;
        ASSERT_TRUE(parseValueData(c.data, &v, &error)) << c.data << ": " << error;
        EXPECT_EQ(c.type, v.type) << c.data;
        EXPECT_EQ(c.bytes, v.data) << c.data;
    }
    for (const char *bad : {"dword:1234567890", "dword:xyz", "hex:1,2,300", "\"open", "words"}) {
        RegistryValue v;
        std::string error;
        EXPECT_FALSE(parseValueData(bad, &v, &error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}
