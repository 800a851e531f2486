// The graphics device interface, as far as the plug-ins use it: an information context on the
// display, asked for the screen's size.
#pragma once

#include "types.h"

struct HDC__;
typedef HDC__ *HDC;
struct DEVMODEA;

// Indexes of GetDeviceCaps.
#define HORZRES 8
#define VERTRES 10
#define BITSPIXEL 12
#define LOGPIXELSX 88
#define LOGPIXELSY 90

// Only the driver "DISPLAY" is known; device and output are not looked at.
W32API HDC CreateICA(LPCSTR driver, LPCSTR device, LPCSTR output, const DEVMODEA *initData);
W32API int GetDeviceCaps(HDC dc, int index);
W32API BOOL DeleteDC(HDC dc);
