// Runs readVorbisInfo on a file with output buffers of exactly the documented sizes, each on
// the heap (so a sanitizer build sees any byte written past one) and filled with a marker
// first, so that a test can tell which outputs the reader wrote.
#pragma once

#include "ogg/vorbis_info.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

struct VorbisRead {
    int32_t result = -1;
    std::string title, artist, album, year, bitrate, duration;
    int32_t track = 0;
};

inline const int32_t untouchedTrack = -77;

inline std::string textOf(const std::vector<char> &buffer) {
    const void *end = std::memchr(buffer.data(), '\0', buffer.size());
    EXPECT_NE(end, nullptr) << "output not terminated within its buffer";
    return end ? std::string(buffer.data()) : std::string(buffer.begin(), buffer.end());
}

inline VorbisRead readVorbisFile(const std::string &path) {
    std::vector<char> title(65, 'x'), artist(65, 'x'), album(65, 'x'), year(65, 'x');
    std::vector<char> bitrate(12, 'x'), duration(12, 'x');
    for (std::vector<char> *text : {&title, &artist, &album, &year, &bitrate, &duration})
        text->back() = '\0';
    VorbisRead read;
    read.track = untouchedTrack;
    read.result = readVorbisInfo(path.c_str(), title.data(), artist.data(), album.data(),
                                 year.data(), &read.track, bitrate.data(), duration.data());
    read.title = textOf(title);
    read.artist = textOf(artist);
    read.album = textOf(album);
    read.year = textOf(year);
    read.bitrate = textOf(bitrate);
    read.duration = textOf(duration);
    return read;
}
