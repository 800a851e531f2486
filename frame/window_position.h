// A settings dialog's saved top-left corner in screen pixels. Zero in either field means that
// no position was saved. Stored as the 8-byte REG_BINARY value "position": x then y, each
// 32-bit little-endian.
#pragma once

#include <stdint.h>

struct WindowPosition {
    int32_t x;
    int32_t y;
};

static_assert(sizeof(WindowPosition) == 8, "the \"position\" value is 8 bytes");

// The plug-in's saved dialog position, module-wide; read by FileFilterInitialize, written back by
// FileFilterUninitialize, updated by the dialog's placement.
extern WindowPosition dialogPosition;
