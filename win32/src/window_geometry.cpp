// Window rectangles: the screen, frames and captions, dialog units, and moving windows.
//
// The subset draws no real font, so dialog units are converted with the fixed base units of
// the 8-point dialog font at 96 dots per inch as Wine lays it out: a character cell 6 pixels
// wide and 12 high, a horizontal dialog unit being a quarter and a vertical one an eighth of
// it. A top-level window's frame is 4 pixels wide with WS_THICKFRAME, 3 with a dialog frame
// (WS_DLGFRAME, WS_CAPTION or WS_EX_DLGMODALFRAME) and 1 with WS_BORDER alone; a caption is 19
// pixels high. A 321 by 154 unit dialog is then 482 by 231 pixels inside, 488 by 256 in all,
// on both builds.
#include "window_table.h"

namespace {

const int baseUnitX = 6;
const int baseUnitY = 12;
const int thickFrame = 4;
const int dialogFrame = 3;
const int captionHeight = 19;

int screenWidth = 1024;
int screenHeight = 768;

// a * b / c, rounded to the nearest integer, halves away from zero.
int mulDiv(int a, int b, int c) {
    long long product = static_cast<long long>(a) * b;
    long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

} // namespace

void w32SetScreenSize(int width, int height) {
    screenWidth = width > 0 ? width : 1;
    screenHeight = height > 0 ? height : 1;
    W32Window *desktop = w32Window(GetDesktopWindow());
    if (desktop) desktop->rect = RECT{0, 0, screenWidth, screenHeight};
    w32WindowChanged(GetDesktopWindow());
}

void w32ScreenSize(int *width, int *height) {
    *width = screenWidth;
    *height = screenHeight;
}

RECT w32DialogUnitsToPixels(int x, int y, int width, int height) {
    int left = mulDiv(x, baseUnitX, 4);
    int top = mulDiv(y, baseUnitY, 8);
    return RECT{left, top, left + mulDiv(width, baseUnitX, 4), top + mulDiv(height, baseUnitY, 8)};
}

W32Frame w32FrameOf(const W32Window &window) {
    if (window.kind == W32Kind::Desktop) return W32Frame{0, 0, 0, 0};
    if (window.style & WS_CHILD) {
        int edge = (window.exStyle & WS_EX_CLIENTEDGE) ? 2 : (window.style & WS_BORDER) ? 1 : 0;
        return W32Frame{edge, edge, edge, edge};
    }
    int border = 0;
    if (window.style & WS_THICKFRAME) {
        border = thickFrame;
    } else if ((window.style & WS_DLGFRAME) || (window.exStyle & WS_EX_DLGMODALFRAME)) {
        border = dialogFrame;
    } else if (window.style & WS_BORDER) {
        border = 1;
    }
    int caption = (window.style & WS_CAPTION) == WS_CAPTION ? captionHeight : 0;
    return W32Frame{border, border + caption, border, border};
}

POINT w32ClientOrigin(const W32Window &window) {
    RECT rect = w32ScreenRect(window);
    W32Frame frame = w32FrameOf(window);
    return POINT{rect.left + frame.left, rect.top + frame.top};
}

RECT w32ScreenRect(const W32Window &window) {
    if (!(window.style & WS_CHILD)) return window.rect;
    W32Window *parent = w32Window(window.parent);
    if (!parent) return window.rect;
    POINT origin = w32ClientOrigin(*parent);
    return RECT{origin.x + window.rect.left, origin.y + window.rect.top,
                origin.x + window.rect.right, origin.y + window.rect.bottom};
}

BOOL MapDialogRect(HWND dialog, LPRECT rect) {
    W32Window *window = w32Window(dialog);
    if (!window || window->kind != W32Kind::Dialog || !rect) {
        SetLastError(window ? ERROR_WINDOW_NOT_DIALOG : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    rect->left = mulDiv(rect->left, baseUnitX, 4);
    rect->right = mulDiv(rect->right, baseUnitX, 4);
    rect->top = mulDiv(rect->top, baseUnitY, 8);
    rect->bottom = mulDiv(rect->bottom, baseUnitY, 8);
    return TRUE;
}

BOOL GetWindowRect(HWND handle, LPRECT rect) {
    W32Window *window = w32Window(handle);
    if (!window || !rect) {
        SetLastError(window ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    *rect = w32ScreenRect(*window);
    return TRUE;
}

BOOL GetClientRect(HWND handle, LPRECT rect) {
    W32Window *window = w32Window(handle);
    if (!window || !rect) {
        SetLastError(window ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    W32Frame frame = w32FrameOf(*window);
    LONG width = window->rect.right - window->rect.left - frame.left - frame.right;
    LONG height = window->rect.bottom - window->rect.top - frame.top - frame.bottom;
    *rect = RECT{0, 0, width > 0 ? width : 0, height > 0 ? height : 0};
    return TRUE;
}

BOOL SetWindowPos(HWND handle, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    (void)insertAfter; // windows do not overlap in any way that the subset shows
    W32Window *window = w32Window(handle);
    if (!window || window->kind == W32Kind::Desktop) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    RECT rect = window->rect;
    if (!(flags & SWP_NOMOVE)) {
        rect.right += x - rect.left;
        rect.bottom += y - rect.top;
        rect.left = x;
        rect.top = y;
    }
    if (!(flags & SWP_NOSIZE)) {
        rect.right = rect.left + (width > 0 ? width : 0);
        rect.bottom = rect.top + (height > 0 ? height : 0);
    }
    window->rect = rect;
    w32WindowChanged(handle);
    if (flags & SWP_SHOWWINDOW) ShowWindow(handle, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW) ShowWindow(handle, SW_HIDE);
    return TRUE;
}

BOOL MoveWindow(HWND handle, int x, int y, int width, int height, BOOL repaint) {
    (void)repaint;
    return SetWindowPos(handle, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}
