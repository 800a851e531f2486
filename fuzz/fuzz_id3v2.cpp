#include "mp3/id3v2.h"

#include "memory_stream.h"

#include <string.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    MemoryStream stream(data, size);
    char title[128], artist[128], album[128], year[128];
    for (char *field : {title, artist, album, year}) memset(field, 'x', 128);
    int32_t track = -1;
    readId3v2(stream.file(), title, artist, album, year, &track);
    // At most 126 characters in each field.
    for (char *field : {title, artist, album, year}) requireTerminated(field, 127);
    return 0;
}
