#include "size_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

TEST(SizeText, BytesThenTwoDecimalsOfTheLargestUnitBelow1024) {
    const int64_t KB = 1024, MB = KB * KB, GB = MB * KB;
    struct Case {
        int64_t size;
        const char *text;
    } cases[] = {
        {0, "0 bytes"},
        {1, "1 byte"},
        {2, "2 bytes"},
        {1023, "1023 bytes"},
        {1024, "1.00KB"},
        {1536, "1.50KB"},
        {1029, "1.00KB"},   // 1.0049 rounds down
        {1030, "1.01KB"},   // 1.0059 rounds up
        {MB - 1, "1.00MB"}, // 1023.999KB would print as 1024.00KB
        {MB - 6, "1023.99KB"},
        {1500000, "1.43MB"},
        {5046586, "4.81MB"},
        {GB - 1, "1.00GB"},
        {GB * 47 / 10, "4.70GB"},
        {1024 * GB, "1024.00GB"}, // no unit above GB
        {INT64_MAX, "8589934592.00GB"},
        {-5, "0 bytes"},
    };
    for (const auto &c : cases) {
        char comment[16];
        std::memset(comment, '#', sizeof comment);
        formatSizeText(c.size, comment, sizeof comment);
        EXPECT_STREQ(c.text, comment) << c.size;
    }
}

TEST(SizeText, ASmallBufferIsCutAndTerminated) {
    char small[5];
    formatSizeText(1500000, small, sizeof small);
    EXPECT_STREQ("1.43", small);
}
