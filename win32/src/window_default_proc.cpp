// What every window does with a message that its class leaves alone, and the window text.
#include "window_table.h"

#include <string.h>

#include <algorithm>

LRESULT DefWindowProcA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    W32Window *window = w32Window(handle);
    if (!window) return 0;
    switch (message) {
    case WM_NCCREATE:
        return TRUE;
    case WM_SETTEXT:
        window->text = lParam ? reinterpret_cast<const char *>(lParam) : "";
        w32WindowChanged(handle);
        return TRUE;
    case WM_GETTEXT: {
        char *buffer = reinterpret_cast<char *>(lParam);
        if (!buffer || wParam == 0) return 0;
        size_t length = std::min(window->text.size(), static_cast<size_t>(wParam) - 1);
        memcpy(buffer, window->text.data(), length);
        buffer[length] = '\0';
        return static_cast<LRESULT>(length);
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(window->text.size());
    case WM_CLOSE:
        DestroyWindow(handle);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) SendMessageA(handle, WM_CLOSE, 0, 0);
        return 0;
    case WM_ACTIVATE:
        // An activated window takes the keyboard focus.
        if (LOWORD(wParam) != WA_INACTIVE) SetFocus(handle);
        return 0;
    }
    return 0;
}

int GetWindowTextA(HWND window, LPSTR text, int size) {
    if (!text || size <= 0) return 0;
    text[0] = '\0';
    if (!IsWindow(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return static_cast<int>(SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(size),
                                         reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLengthA(HWND window) {
    return static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetWindowTextA(HWND window, LPCSTR text) {
    if (!IsWindow(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0;
}
