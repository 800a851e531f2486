// The numberer's settings block: four 32-bit flags, on when non-zero. Stored as the 16-byte
// REG_BINARY value "prefs" in this order, each field little-endian.
#pragma once

#include <stdint.h>

struct NumbererPrefs {
    int32_t enabled;           // the pass runs only when this is on
    int32_t startAtZero;       // the first number (and the number a reset starts at) is 0, not 1
    int32_t numberDirectories; // directory entries take a number from the same sequence
    int32_t resetPerDirectory; // each subdirectory is numbered from the start value again
};
static_assert(sizeof(NumbererPrefs) == 16, "the \"prefs\" value is 16 bytes");

// The block lives in static storage for as long as the library is loaded; its address is
// published in pluginData.
extern NumbererPrefs numbererPrefs;
