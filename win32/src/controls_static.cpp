// The "Static" class: a text that the user cannot change or focus.
#include "window_table.h"

LRESULT CALLBACK w32StaticProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) return DLGC_STATIC;
    return DefWindowProcA(handle, message, wParam, lParam);
}
