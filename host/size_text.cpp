#include "size_text.h"

#include <stdio.h>

void formatSizeText(int64_t size, char *out, size_t outSize) {
    if (outSize == 0) return;
    uint64_t bytes = size < 0 ? 0 : static_cast<uint64_t>(size);
    if (bytes < 1024) {
        snprintf(out, outSize, "%u %s", static_cast<unsigned>(bytes),
                 bytes == 1 ? "byte" : "bytes");
        return;
    }
    static const char *const units[] = {"KB", "MB", "GB"};
    uint64_t unit = 1024;
    int index = 0;
    // Whole units and hundredths, rounded to nearest in integers (no overflow: the remainder is
    // below 2^30). Move up a unit when the rounded figure reaches 1024 of this one, so that
    // 1048575 bytes read "1.00MB" rather than "1024.00KB".
    for (;;) {
        uint64_t whole = bytes / unit;
        uint64_t hundredths = ((bytes % unit) * 100 + unit / 2) / unit;
        if (hundredths == 100) {
            ++whole;
            hundredths = 0;
        }
        if (whole >= 1024 && index < 2) {
            unit *= 1024;
            ++index;
            continue;
        }
        // The largest size, 2^63 - 1 bytes, is "8589934592.00GB": 15 characters.
        snprintf(out, outSize, "%llu.%02u%s", static_cast<unsigned long long>(whole),
                 static_cast<unsigned>(hundredths), units[index]);
        return;
    }
}
