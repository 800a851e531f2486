// wsprintfA against the C library's snprintf, and its 1024-byte limit.
#include <windows.h>

#include <gtest/gtest.h>

#include <limits.h>
#include <stdio.h>
#include <string.h>

#include <string>

namespace {

const int sampleValues[] = {0,      1,       -1,        7,       -7,          42,          -42,
                            255,    256,     32767,     -32768,  65535,       65536,       70000,
                            -70000, 1000000, 123456789, INT_MAX, INT_MAX - 1, INT_MIN + 1, INT_MIN};

// One integer conversion, and the same as snprintf writes it. wsprintfA's sizes leave integers
// 32 bits wide ('l' is LONG, as wide as int; 'h' changes nothing), so the C library is given
// the format without them.
struct IntegerCase {
    const char *format;
    const char *reference;
};

const IntegerCase integerCases[] = {
    {"%d", "%d"},         {"%i", "%i"},       {"%u", "%u"},       {"%x", "%x"},
    {"%X", "%X"},         {"%8d", "%8d"},     {"%-8d|", "%-8d|"}, {"%08d", "%08d"},
    {"%-08d|", "%-08d|"}, {"%012u", "%012u"}, {"%010X", "%010X"}, {"%2x", "%2x"},
    {"%ld", "%d"},        {"%li", "%i"},      {"%lu", "%u"},      {"%lx", "%x"},
    {"%lX", "%X"},        {"%08lx", "%08x"},  {"%hd", "%d"},      {"%hu", "%u"},
    {"%hx", "%x"},        {"%06hd", "%06d"},  {"<%d>", "<%d>"},   {"%d%%", "%d%%"},
    {"%d. %s", "%d. %s"},
};

TEST(Wsprintf, IntegerConversionsMatchTheCLibrary) {
    for (const IntegerCase &c : integerCases) {
        for (int value : sampleValues) {
            char expected[128], actual[128];
            int expectedLength = snprintf(expected, sizeof expected, c.reference, value, "name");
            int length = wsprintfA(actual, c.format, value, "name");
            EXPECT_STREQ(actual, expected) << c.format << " with " << value;
            EXPECT_EQ(length, expectedLength) << c.format << " with " << value;
        }
    }
}

// The numberer's prefix: "%d. %s" must read as the C library writes it for every number.
TEST(Wsprintf, NumberPrefixMatchesTheCLibraryAcrossTheRange) {
    const char name[] = "01 - Track.mp3";
    for (long long step = 1; step <= 1000000000LL; step *= 10) {
        for (long long base : {0LL, step, -step, INT_MAX - step, INT_MIN + step}) {
            for (long long offset = -2; offset <= 2; ++offset) {
                long long wide = base + offset;
                if (wide < INT_MIN || wide > INT_MAX) continue;
                int value = static_cast<int>(wide);
                char expected[128], actual[128];
                snprintf(expected, sizeof expected, "%d. %s", value, name);
                EXPECT_EQ(wsprintfA(actual, "%d. %s", value, name),
                          static_cast<int>(strlen(expected)));
                EXPECT_STREQ(actual, expected) << value;
            }
        }
    }
    char actual[128];
    wsprintfA(actual, "%d. %s", INT_MIN, name);
    EXPECT_STREQ(actual, "-2147483648. 01 - Track.mp3");
}

// A text conversion; the arguments are the text and a character, in the order given.
struct TextCase {
    const char *format;
    const char *text;
    int character;
    bool characterFirst;
};

const TextCase textCases[] = {
    {"%s", "", 'a', false},
    {"%s", "plain", 'a', false},
    {"%8s|", "right", 'a', false},
    {"%-8s|", "left", 'a', false},
    {"%2s", "longer", 'a', false},
    {"%.3s", "truncated", 'a', false},
    {"%-6.2s|", "abc", 'a', false},
    {"[%s] %c", "x", 'y', false},
    {"%c%s", "tail", 'h', true},
    {"%3c|", "", 'r', true},
    {"%-3c|", "", 'l', true},
    {"100%%", "", 'a', false},
    {"no conversion", "", 'a', false},
};

TEST(Wsprintf, TextConversionsMatchTheCLibrary) {
    for (const TextCase &c : textCases) {
        char expected[128], actual[128];
        int expectedLength, length;
        if (c.characterFirst) {
            expectedLength = snprintf(expected, sizeof expected, c.format, c.character, c.text);
            length = wsprintfA(actual, c.format, c.character, c.text);
        } else {
            expectedLength = snprintf(expected, sizeof expected, c.format, c.text, c.character);
            length = wsprintfA(actual, c.format, c.text, c.character);
        }
        EXPECT_STREQ(actual, expected) << c.format;
        EXPECT_EQ(length, expectedLength) << c.format;
    }
}

TEST(Wsprintf, OutputStopsAt1024BytesWithTheNul) {
    const std::string longText(2000, 'x');
    struct Overflow {
        const char *format;
        char fill;
    };
    // A long string, a wide field, and text after a conversion that already filled the buffer.
    for (const Overflow &c :
         {Overflow{"%s", 'x'}, Overflow{"%1500d", ' '}, Overflow{"%s%d", 'x'}}) {
        char buffer[1100];
        memset(buffer, 0x55, sizeof buffer);
        bool wideField = strcmp(c.format, "%1500d") == 0;
        int length = wideField ? wsprintfA(buffer, c.format, 5)
                               : wsprintfA(buffer, c.format, longText.c_str(), 5);
        bool checkText = true;
#ifdef _WIN32
        // How the platform cuts a field wider than the buffer is its own affair.
        checkText = !wideField;
#endif
        if (checkText) {
            EXPECT_EQ(std::string(buffer, 1023), std::string(1023, c.fill)) << c.format;
        }
        for (size_t i = 1024; i < sizeof buffer; ++i) {
            ASSERT_EQ(buffer[i], 0x55) << c.format << ": byte " << i << " written";
        }
#ifndef _WIN32
        EXPECT_EQ(length, 1023) << c.format;
        EXPECT_EQ(buffer[1023], '\0') << c.format;
#else
        (void)length;
#endif
    }
}

} // namespace
