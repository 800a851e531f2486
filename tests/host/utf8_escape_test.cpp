#include "utf8_escape.h"

#include <gtest/gtest.h>

#include <string>

TEST(Utf8Escape, ValidUtf8PassesAndEveryOtherByteIsEscaped) {
    struct Case {
        std::string bytes;
        const char *escaped; // the same for the text and JSON styles
    } cases[] = {
        {"plain.mp3", "plain.mp3"},
        {"caf\xC3\xA9", "caf\xC3\xA9"},           // two bytes
        {"\xE2\x82\xAC 5", "\xE2\x82\xAC 5"},     // three
        {"\xF0\x9F\x8E\xB5", "\xF0\x9F\x8E\xB5"}, // four
        {"\xEF\xBF\xBF", "\xEF\xBF\xBF"},         // U+FFFF
        {"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"}, // U+10FFFF
        {"caf\xE9", "caf\\uDCE9"},                // Latin-1
        {"\x80", "\\uDC80"},                      // stray continuation byte
        {"\xC3", "\\uDCC3"},                      // cut short by the end
        {"\xC3"
         "A",
         "\\uDCC3A"}, // cut short by another byte
        {"\xE2\x82", "\\uDCE2\\uDC82"},
        {"\xC0\x80", "\\uDCC0\\uDC80"},                       // overlong NUL
        {"\xC1\xBF", "\\uDCC1\\uDCBF"},                       // overlong
        {"\xE0\x80\xAF", "\\uDCE0\\uDC80\\uDCAF"},            // overlong '/'
        {"\xF0\x8F\xBF\xBF", "\\uDCF0\\uDC8F\\uDCBF\\uDCBF"}, // overlong U+FFFF
        {"\xED\xA0\x80", "\\uDCED\\uDCA0\\uDC80"},            // a UTF-16 surrogate
        {"\xF4\x90\x80\x80", "\\uDCF4\\uDC90\\uDC80\\uDC80"}, // above U+10FFFF
        {"\xF5\x80", "\\uDCF5\\uDC80"},
        {"\xFF\xFE", "\\uDCFF\\uDCFE"},
        {"a\xFF\xC3\xA9z", "a\\uDCFF\xC3\xA9z"}, // resynchronises at once
        {"back\\slash", "back\\\\slash"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.escaped, escaped(c.bytes, EscapeStyle::text)) << c.bytes;
        EXPECT_EQ(c.escaped, escaped(c.bytes, EscapeStyle::json)) << c.bytes;
    }
}

TEST(Utf8Escape, ControlCharactersQuotesAndBackslashesPerStyle) {
    struct Case {
        std::string bytes;
        const char *text, *message, *json;
    } cases[] = {
        {"a\nb", "a\\u000Ab", "a\\u000Ab", "a\\nb"},
        {"\t\r\b\f", "\\u0009\\u000D\\u0008\\u000C", "\\u0009\\u000D\\u0008\\u000C",
         "\\t\\r\\b\\f"},
        {std::string("\x01\x1F", 2), "\\u0001\\u001F", "\\u0001\\u001F", "\\u0001\\u001F"},
        {"\x7F", "\\u007F", "\\u007F", "\x7F"},
        {"say \"hi\"", "say \"hi\"", "say \"hi\"", "say \\\"hi\\\""},
        {"C:\\music", "C:\\\\music", "C:\\music", "C:\\\\music"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.text, escaped(c.bytes, EscapeStyle::text)) << c.bytes;
        EXPECT_EQ(c.message, escaped(c.bytes, EscapeStyle::message)) << c.bytes;
        EXPECT_EQ(c.json, escaped(c.bytes, EscapeStyle::json)) << c.bytes;
    }
}

TEST(Utf8Escape, ANulInsideTheGivenLengthIsEscapedNotAnEnd) {
    std::string out;
    appendEscaped(out, "a\0b", 3, EscapeStyle::json);
    EXPECT_EQ("a\\u0000b", out);
}
