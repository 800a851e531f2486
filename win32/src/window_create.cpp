// CreateWindowExA over the predefined control classes. A program uses it for windows of its
// own, e.g. a test for the owner window of a dialog.
#include "window_table.h"

#include <strings.h>

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
    W32Kind kind;
    if (className && IS_INTRESOURCE(className)) {
        className = nullptr;
    }
    if (className && strcasecmp(className, "BUTTON") == 0) {
        kind = W32Kind::Button;
    } else if (className && strcasecmp(className, "EDIT") == 0) {
        kind = W32Kind::Edit;
    } else if (className && strcasecmp(className, "STATIC") == 0) {
        kind = W32Kind::Static;
    } else {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if (parent && !IsWindow(parent)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if ((style & WS_CHILD) && !parent) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (x == CW_USEDEFAULT) x = y = 0;
    if (width == CW_USEDEFAULT) width = height = 0;
    // A top-level window's parent argument is its owner, which is always a top-level window.
    HWND owner = (style & WS_CHILD) ? parent : w32TopLevel(parent);
    if (!(style & WS_CHILD) && owner == GetDesktopWindow()) owner = nullptr;
    int id = (style & WS_CHILD) ? static_cast<int>(reinterpret_cast<intptr_t>(menu)) : 0;
    HWND window =
        w32CreateWindow(kind, exStyle, style & ~static_cast<DWORD>(WS_VISIBLE), windowName, id,
                        RECT{x, y, x + width, y + height}, owner, instance, param);
    if (window && (style & WS_VISIBLE)) ShowWindow(window, SW_SHOWNORMAL);
    return window;
}
