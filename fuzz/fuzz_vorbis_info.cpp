// libFuzzer target for the Ogg Vorbis reader: the input is the whole file, read through the
// same stream code as a file on disk (a memory stream stands in for the opened file).
#include "ogg/vorbis_info.h"

#include <initializer_list>
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // The reader only reads from the stream; an empty input stands for an empty file.
    static char empty[1];
    void *bytes = size ? const_cast<uint8_t *>(data) : static_cast<void *>(empty);
    FILE *file = fmemopen(bytes, size, "rb");
    if (!file) return 0;
    // Output buffers of exactly the documented sizes, so that a write past one is caught.
    char title[65], artist[65], album[65], year[65], bitrate[12], duration[12];
    int32_t track = 0;
    int32_t result = readVorbisStream(file, title, artist, album, year, &track, bitrate, duration);
    if (result == 1) {
        // Every text must be terminated within its buffer.
        for (const char *text : {title, artist, album, year})
            if (!memchr(text, '\0', 65)) __builtin_trap();
        if (!memchr(bitrate, '\0', 12) || !memchr(duration, '\0', 12)) __builtin_trap();
    }
    return 0;
}
