#include "frame/expand_template.h"

#include "memory_stream.h"

#include <string.h>

#include <string>
#include <vector>

// Input: one byte for the output size (1 to 256), four for the track number (little-endian),
// then NUL-separated texts: default text, template, title, artist, album, year, bitrate,
// duration. Missing texts are empty.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 5) return 0;
    int32_t outputSize = int32_t(data[0]) + 1;
    int32_t track = int32_t(uint32_t(data[1]) | uint32_t(data[2]) << 8 | uint32_t(data[3]) << 16 |
                            uint32_t(data[4]) << 24);
    std::vector<std::string> texts(8);
    size_t text = 0;
    for (size_t at = 5; at < size && text < texts.size(); ++at) {
        if (data[at] == 0)
            ++text;
        else
            texts[text].push_back(char(data[at]));
    }
    TagFields fields = {
        texts[2].c_str(), texts[3].c_str(), texts[4].c_str(), texts[5].c_str(), track,
        texts[6].c_str(), texts[7].c_str()};
    std::vector<char> output(static_cast<size_t>(outputSize));
    expandTemplate(texts[0].c_str(), texts[1].c_str(), output.data(), outputSize, &fields);
    requireTerminated(output.data(), output.size());
    return 0;
}
