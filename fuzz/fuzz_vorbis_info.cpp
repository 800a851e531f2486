// libFuzzer target for the Ogg Vorbis reader: the input is the whole file, read through the
// same stream code as a file on disk (a memory stream stands in for the opened file).
#include "memory_stream.h"
#include "ogg/vorbis_info.h"

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // readVorbisStream takes the stream over and closes it, so the stream is opened here rather
    // than through MemoryStream. An empty input stands for an empty file.
    static uint8_t empty[1];
    FILE *file = fmemopen(size ? const_cast<uint8_t *>(data) : empty, size, "rb");
    if (!file) return 0;
    // Output buffers of exactly the documented sizes, so that a write past one is caught.
    char title[65], artist[65], album[65], year[65], bitrate[12], duration[12];
    int32_t track = 0;
    if (readVorbisStream(file, title, artist, album, year, &track, bitrate, duration) == 1) {
        requireTerminated(title, sizeof title);
        requireTerminated(artist, sizeof artist);
        requireTerminated(album, sizeof album);
        requireTerminated(year, sizeof year);
        requireTerminated(bitrate, sizeof bitrate);
        requireTerminated(duration, sizeof duration);
    }
    return 0;
}
