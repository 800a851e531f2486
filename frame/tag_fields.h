// The values of one file that a renamer's template can name.
#pragma once

#include <stdint.h>

struct TagFields {
    const char *title;    // "%title%"
    const char *artist;   // "%artist%"
    const char *album;    // "%album%"
    const char *year;     // "%year%", as the tag holds it; never parsed
    int32_t track;        // "%track%"; 0 or less: the file has none
    const char *bitrate;  // "%bitrate%", e.g. "128Kbps" or "VBR"
    const char *duration; // "%duration%", e.g. "3:36"
};
