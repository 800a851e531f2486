#include "mp3/mpeg_stream_info.h"

#include "memory_stream.h"

#include <string.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    MemoryStream stream(data, size);
    MpegHeaderInfo info;
    memset(&info, 0x5A, sizeof info);
    bool measured = readMpegStreamInfo(stream.file(), &info);
    requireTerminated(info.bitrateText, sizeof info.bitrateText);
    requireTerminated(info.durationText, sizeof info.durationText);
    if (!measured && (info.bitrateText[0] || info.durationText[0])) __builtin_trap();
    if (size >= 4) {
        uint32_t header;
        memcpy(&header, data, sizeof header);
        decodeMpegHeader(header, &info);
    }
    return 0;
}
