// The controls of a dialog by id, their texts and checks, and the order of the tab stops.
#include "window_table.h"

#include <algorithm>

HWND GetDlgItem(HWND dialog, int id) {
    W32Window *window = w32Window(dialog);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    for (HWND child : window->children) {
        W32Window *control = w32Window(child);
        if (control && control->id == id) return child;
    }
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return nullptr;
}

int GetDlgCtrlID(HWND control) {
    W32Window *window = w32Window(control);
    return window && (window->style & WS_CHILD) ? window->id : 0;
}

LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND control = GetDlgItem(dialog, id);
    return control ? SendMessageA(control, message, wParam, lParam) : 0;
}

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR text, int size) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) {
        if (text && size > 0) text[0] = '\0';
        return 0;
    }
    return static_cast<UINT>(GetWindowTextA(control, text, size));
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    HWND control = GetDlgItem(dialog, id);
    return control ? SetWindowTextA(control, text) : FALSE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    return static_cast<UINT>(SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0));
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) return FALSE;
    SendMessageA(control, BM_SETCHECK, check, 0);
    return TRUE;
}

// Tab stops are the visible, enabled children with WS_TABSTOP, in z-order; the search wraps
// around and may come back to `control` itself.
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    W32Window *window = w32Window(dialog);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    const std::vector<HWND> &children = window->children;
    size_t count = children.size();
    if (count == 0) return nullptr;
    auto isTabStop = [](HWND child) {
        W32Window *candidate = w32Window(child);
        DWORD wanted = WS_TABSTOP | WS_VISIBLE;
        return candidate && (candidate->style & (wanted | WS_DISABLED)) == wanted;
    };
    auto at = std::find(children.begin(), children.end(), control);
    size_t start;
    if (at == children.end()) {
        // No control given: the first tab stop going forward, the last going back.
        start = previous ? 0 : count - 1;
    } else {
        start = static_cast<size_t>(at - children.begin());
    }
    for (size_t step = 1; step <= count; ++step) {
        size_t index = previous ? (start + count - step % count) % count : (start + step) % count;
        if (isTabStop(children[index])) return children[index];
    }
    return nullptr;
}
