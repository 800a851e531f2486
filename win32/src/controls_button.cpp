// The "Button" class: push buttons, default push buttons and check boxes. A click (the mouse
// let go over a button that it went down on, the space bar let go, or BM_CLICK) notifies the
// parent with BN_CLICKED; an automatic check box toggles its check first.
#include "window_table.h"

namespace {

DWORD buttonType(const W32Window &window) {
    return window.style & BS_TYPEMASK;
}

bool isCheckBox(DWORD type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
           type == BS_AUTO3STATE;
}

bool isPushButton(DWORD type) {
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

UINT highestCheck(DWORD type) {
    return (type == BS_3STATE || type == BS_AUTO3STATE) ? BST_INDETERMINATE : BST_CHECKED;
}

void release(HWND handle) {
    W32Window *window = w32Window(handle);
    if (!window || !window->pushed) return;
    window->pushed = false;
    DWORD type = buttonType(*window);
    if (type == BS_AUTOCHECKBOX) {
        window->check = window->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    } else if (type == BS_AUTO3STATE) {
        window->check = (window->check + 1) % 3;
    }
    w32WindowChanged(handle);
    w32NotifyParent(handle, BN_CLICKED);
}

} // namespace

LRESULT CALLBACK w32ButtonProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    W32Window *window = w32Window(handle);
    if (!window) return 0;
    DWORD type = buttonType(*window);
    switch (message) {
    case WM_GETDLGCODE:
        if (isPushButton(type)) {
            return DLGC_BUTTON |
                   (type == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        }
        if (type == BS_GROUPBOX) return DLGC_STATIC;
        if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) {
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        }
        return DLGC_BUTTON;
    case BM_GETCHECK:
        return isCheckBox(type) ? window->check : BST_UNCHECKED;
    case BM_SETCHECK:
        if (isCheckBox(type)) {
            UINT check = static_cast<UINT>(wParam);
            window->check = check > highestCheck(type) ? highestCheck(type) : check;
            w32WindowChanged(handle);
        }
        return 0;
    case BM_GETSTATE:
        return (isCheckBox(type) ? window->check : 0) | (window->pushed ? BST_PUSHED : 0) |
               (GetFocus() == handle ? BST_FOCUS : 0);
    case BM_SETSTATE:
        window->pushed = wParam != 0;
        w32WindowChanged(handle);
        return 0;
    case BM_SETSTYLE:
        window->style = (window->style & ~static_cast<DWORD>(0xFFFF)) | (wParam & 0xFFFF);
        w32WindowChanged(handle);
        return 0;
    case BM_CLICK:
        // What a click of the mouse does; like a click, it does nothing to a disabled button.
        if (window->style & WS_DISABLED) return 0;
        SendMessageA(handle, WM_LBUTTONDOWN, 0, 0);
        SendMessageA(handle, WM_LBUTTONUP, 0, 0);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(handle);
        window = w32Window(handle);
        if (window) {
            window->pushed = true;
            w32WindowChanged(handle);
        }
        return 0;
    case WM_LBUTTONUP:
        release(handle);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            window->pushed = true;
            w32WindowChanged(handle);
        }
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE) release(handle);
        return 0;
    case WM_KILLFOCUS:
        // A button held down with the space bar is let go without a click.
        window->pushed = false;
        return 0;
    case WM_CHAR:
        return 0;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}
