#include "mp3/id3v1.h"

#include "memory_stream.h"

#include <string.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    MemoryStream stream(data, size);
    char title[128], artist[128], album[128], year[128];
    for (char *field : {title, artist, album, year}) memset(field, 'x', 128);
    int32_t track = 0;
    if (readId3v1(stream.file(), title, artist, album, year, &track)) {
        requireTerminated(title, 31);
        requireTerminated(artist, 31);
        requireTerminated(album, 31);
        requireTerminated(year, 5);
        if (track < 0 || track > 255) __builtin_trap();
    }
    return 0;
}
