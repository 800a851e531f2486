// Information contexts on the display, for the size of the screen.
#include "window_table.h"

#include <string.h>
#include <strings.h>

struct HDC__ {
    int unused;
};

namespace {
HDC__ displayContext;
}

HDC CreateICA(LPCSTR driver, LPCSTR device, LPCSTR output, const DEVMODEA *initData) {
    (void)device;
    (void)output;
    (void)initData;
    if (!driver || strcasecmp(driver, "DISPLAY") != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return &displayContext;
}

int GetDeviceCaps(HDC dc, int index) {
    if (dc != &displayContext) return 0;
    int width, height;
    w32ScreenSize(&width, &height);
    switch (index) {
    case HORZRES:
        return width;
    case VERTRES:
        return height;
    case BITSPIXEL:
        return 24;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    }
    return 0;
}

BOOL DeleteDC(HDC dc) {
    return dc == &displayContext;
}
