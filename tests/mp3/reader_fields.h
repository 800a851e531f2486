// The caller's buffers that the tag readers fill, prefilled with marks ('#' texts, track -99)
// so that a test sees which fields a reader wrote and which it left alone.
#pragma once

#include <stdint.h>
#include <string.h>

#include <initializer_list>

struct Fields {
    char title[128], artist[128], album[128], year[128];
    int32_t track;
    Fields() {
        for (char *field : {title, artist, album, year}) memset(field, '#', 128), field[127] = 0;
        track = -99;
    }
};
