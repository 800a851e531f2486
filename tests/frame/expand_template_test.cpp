#include "frame/expand_template.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

namespace {

// The sample values of the MP3 renamer's settings dialog.
TagFields sampleFields() {
    return TagFields{"Song Title", "The Band", "Red Album", "1969", 3, "128Kbps", "3:36"};
}

std::string expand(const char *templateText, const TagFields &fields,
                   const char *defaultText = "Filename.mp3", int32_t outputSize = 256) {
    std::vector<char> output(size_t(outputSize), 'x');
    expandTemplate(defaultText, templateText, output.data(), outputSize, &fields);
    return std::string(output.data());
}

struct ExpandCase {
    const char *templateText;
    int32_t track;
    const char *artist;
    int32_t outputSize;
    const char *expected;
};

TEST(ExpandTemplate, Examples) {
    const ExpandCase cases[] = {
        {"%title% - %artist%", 3, "The Band", 256, "Song Title - The Band"},
        {"%track% - %title%", 3, "The Band", 256, " 3 - Song Title"},
        {"%track% - %title%", 12, "The Band", 256, "12 - Song Title"},
        {"%track%. %title%", 0, "The Band", 256, ". Song Title"},
        {"%track%", 0, "The Band", 256, ""},
        {"", 3, "The Band", 256, "Filename.mp3"},
        {"%duration%", 3, "The Band", 256, "3:36"},
        {"%year%%album%", 3, "The Band", 256, "1969Red Album"},
        {"[%bitrate%]", 3, "The Band", 256, "[128Kbps]"},
        {"%TITLE%", 3, "The Band", 256, "%TITLE%"},
        {"%genre%title%", 3, "The Band", 256, "%genreSong Title"},
        {"%%title%", 3, "The Band", 256, "%Song Title"},
        {"%titl", 3, "The Band", 256, "%titl"},
        {"100%", 3, "The Band", 256, "100%"},
        {"%artist%", 3, "%title%", 256, "%title%"},
        {"%title% - %artist%", 3, "The Band", 16, "Song Title - Th"},
        {"%track%", 123, "The Band", 256, "123"},
        {"%track%", -5, "The Band", 256, ""},
        // Track numbers of any length render in full.
        {"%track%", 1234567, "The Band", 256, "1234567"},
        {"%track%", 12345678, "The Band", 256, "12345678"},
        {"%track%", 2147483647, "The Band", 256, "2147483647"},
        {"%track%%track%", 2147483647, "The Band", 256, "21474836472147483647"},
        {"%title%", 3, "The Band", 1, ""},
        {"%title%", 3, "The Band", 2, "S"},
    };
    for (const ExpandCase &c : cases) {
        TagFields fields = sampleFields();
        fields.track = c.track;
        fields.artist = c.artist;
        EXPECT_EQ(expand(c.templateText, fields, "Filename.mp3", c.outputSize), c.expected)
            << "template \"" << c.templateText << "\", track " << c.track << ", outputSize "
            << c.outputSize;
    }
}

TEST(ExpandTemplate, EmptyTemplateReadsNoField) {
    TagFields fields = {nullptr, nullptr, nullptr, nullptr, 0, nullptr, nullptr};
    EXPECT_EQ(expand("", fields, "1.43MB"), "1.43MB");
}

TEST(ExpandTemplate, OutputIsPaddedWithNulAfterTheText) {
    TagFields fields = sampleFields();
    for (const char *templateText : {"%year%", ""}) {
        char output[32];
        memset(output, 'x', sizeof output);
        expandTemplate("1.43MB", templateText, output, sizeof output, &fields);
        for (size_t at = strlen(output); at < sizeof output; ++at)
            ASSERT_EQ(output[at], '\0') << "template \"" << templateText << "\", byte " << at;
    }
}

// Values far longer than any caller's fields: the working text stays within its bounds and the
// result is still cut to the output.
TEST(ExpandTemplate, LongValuesStayInsideTheBuffers) {
    std::string longValue(20000, 'v');
    TagFields fields = sampleFields();
    fields.title = longValue.c_str();
    EXPECT_EQ(expand("%title%%title%", fields), std::string(255, 'v'));

    std::string longTemplate(9000, 't');
    EXPECT_EQ(expand(longTemplate.c_str(), fields), std::string(255, 't'));

    // The scan stops once 8000 characters are reached; the step that crosses the mark completes.
    std::vector<char> output(8192);
    std::string value7999(7999, 'a');
    fields.title = value7999.c_str();
    fields.artist = "12345";
    expandTemplate("", "%title%%artist%%artist%", output.data(), int32_t(output.size()), &fields);
    EXPECT_EQ(std::string(output.data()), value7999 + "12345");
}

} // namespace
