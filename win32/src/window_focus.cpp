// Keyboard focus, the active window, visibility and the enabled state.
//
// One window has the keyboard focus and one top-level window is active. Giving the focus to a
// window activates its top-level window first; the window losing the focus gets
// WM_KILLFOCUS, the one gaining it WM_SETFOCUS. A disabled window cannot take the focus, and
// disabling the window that has it leaves no window with the focus.
#include "window_table.h"

namespace {

HWND focusWindow;
HWND activeWindow;

void changeFocus(HWND handle) {
    HWND old = focusWindow;
    if (old == handle) return;
    focusWindow = handle;
    if (old && IsWindow(old)) {
        SendMessageA(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
        w32WindowChanged(old);
    }
    if (handle && focusWindow == handle && IsWindow(handle)) {
        SendMessageA(handle, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
        w32WindowChanged(handle);
    }
}

bool canTakeFocus(const W32Window *window) {
    for (; window; window = w32Window(window->parent)) {
        if (window->style & WS_DISABLED) return false;
        if (!(window->style & WS_CHILD)) break;
    }
    return true;
}

void deactivate(HWND next) {
    HWND previous = activeWindow;
    if (!previous) return;
    activeWindow = next;
    if (IsWindow(previous)) {
        SendMessageA(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0),
                     reinterpret_cast<LPARAM>(next));
    }
    // The focus does not stay in a window that is no longer active.
    if (focusWindow && w32IsSelfOrDescendant(previous, focusWindow)) changeFocus(nullptr);
}

} // namespace

void w32ActivateWindow(HWND handle) {
    HWND top = w32TopLevel(handle);
    W32Window *window = w32Window(top);
    if (!window || window->kind == W32Kind::Desktop || top == activeWindow) return;
    CBTACTIVATESTRUCT cbt{FALSE, activeWindow};
    if (w32CallCbtHook(HCBT_ACTIVATE, reinterpret_cast<WPARAM>(top),
                       reinterpret_cast<LPARAM>(&cbt)) != 0) {
        return;
    }
    HWND previous = activeWindow;
    deactivate(top);
    activeWindow = top;
    SendMessageA(top, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), reinterpret_cast<LPARAM>(previous));
    w32WindowChanged(top);
}

void w32ForgetWindow(HWND handle) {
    if (focusWindow == handle) focusWindow = nullptr;
    if (activeWindow == handle) activeWindow = nullptr;
}

HWND GetFocus(void) {
    return focusWindow;
}

HWND GetActiveWindow(void) {
    return activeWindow;
}

HWND SetFocus(HWND handle) {
    HWND previous = focusWindow;
    if (!handle) {
        if (previous && w32CallCbtHook(HCBT_SETFOCUS, 0, reinterpret_cast<LPARAM>(previous))) {
            return nullptr;
        }
        changeFocus(nullptr);
        return previous;
    }
    W32Window *window = w32Window(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (handle == previous) return previous;
    if (!canTakeFocus(window)) return nullptr;
    if (w32CallCbtHook(HCBT_SETFOCUS, reinterpret_cast<WPARAM>(handle),
                       reinterpret_cast<LPARAM>(previous)) != 0) {
        return nullptr;
    }
    w32ActivateWindow(handle);
    if (!IsWindow(handle) || w32TopLevel(handle) != activeWindow) return nullptr;
    changeFocus(handle);
    return previous;
}

BOOL IsWindowEnabled(HWND handle) {
    W32Window *window = w32Window(handle);
    return window && !(window->style & WS_DISABLED);
}

BOOL EnableWindow(HWND handle, BOOL enable) {
    W32Window *window = w32Window(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    BOOL wasDisabled = (window->style & WS_DISABLED) ? TRUE : FALSE;
    if (enable && wasDisabled) {
        window->style &= ~static_cast<DWORD>(WS_DISABLED);
        SendMessageA(handle, WM_ENABLE, TRUE, 0);
        w32WindowChanged(handle);
    } else if (!enable && !wasDisabled) {
        SendMessageA(handle, WM_CANCELMODE, 0, 0);
        window = w32Window(handle);
        if (!window) return FALSE;
        window->style |= WS_DISABLED;
        if (focusWindow && w32IsSelfOrDescendant(handle, focusWindow)) SetFocus(nullptr);
        SendMessageA(handle, WM_ENABLE, FALSE, 0);
        w32WindowChanged(handle);
    }
    return wasDisabled;
}

BOOL IsWindowVisible(HWND handle) {
    for (W32Window *window = w32Window(handle); window; window = w32Window(window->parent)) {
        if (!(window->style & WS_VISIBLE)) return FALSE;
        if (!(window->style & WS_CHILD)) return TRUE;
    }
    return FALSE;
}

BOOL ShowWindow(HWND handle, int command) {
    W32Window *window = w32Window(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    BOOL wasVisible = (window->style & WS_VISIBLE) ? TRUE : FALSE;
    if (command == SW_HIDE) {
        if (!wasVisible) return FALSE;
        window->style &= ~static_cast<DWORD>(WS_VISIBLE);
        if (activeWindow == handle) {
            // The owner takes over when it can be active; else no window is.
            W32Window *owner = w32Window(window->parent);
            bool ownerCanBeActive = owner && !(window->style & WS_CHILD) &&
                                    (owner->style & WS_VISIBLE) && !(owner->style & WS_DISABLED);
            if (ownerCanBeActive) {
                w32ActivateWindow(owner->handle);
            } else {
                deactivate(nullptr);
            }
        } else if (focusWindow && w32IsSelfOrDescendant(handle, focusWindow)) {
            changeFocus(nullptr);
        }
        w32WindowChanged(handle);
        return wasVisible;
    }
    window->style |= WS_VISIBLE;
    w32WindowChanged(handle);
    bool activate = command != SW_SHOWNA && command != SW_SHOWNOACTIVATE;
    if (activate && !(window->style & WS_CHILD)) w32ActivateWindow(handle);
    return wasVisible;
}
