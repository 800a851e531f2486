// The dialog class: its window procedure runs the dialog procedure first and does the
// default processing of a dialog for what that leaves unhandled. A message that the dialog
// procedure handles (a non-zero result) returns the DWLP_MSGRESULT field, reset to 0 before
// each message, except for the few messages whose result is the procedure's own
// (WM_INITDIALOG among them).
#include "window_table.h"

namespace {

bool returnsProcedureResult(UINT message) {
    const UINT compareItem = 0x0039, vkeyToItem = 0x002E, charToItem = 0x002F,
               queryDragIcon = 0x0037, ctlColorFirst = 0x0132, ctlColorLast = 0x0138;
    return message == WM_INITDIALOG || message == compareItem || message == vkeyToItem ||
           message == charToItem || message == queryDragIcon ||
           (message >= ctlColorFirst && message <= ctlColorLast);
}

HWND defaultButton(HWND dialog) {
    W32Window *window = w32Window(dialog);
    if (!window) return nullptr;
    for (HWND child : window->children) {
        if (SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) return child;
    }
    return nullptr;
}

bool isPushButton(HWND control) {
    return control && (SendMessageA(control, WM_GETDLGCODE, 0, 0) &
                       (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
}

void setButtonStyle(HWND button, DWORD type) {
    DWORD style = static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE));
    SendMessageA(button, BM_SETSTYLE, (style & 0xFFFF & ~static_cast<DWORD>(BS_TYPEMASK)) | type,
                 TRUE);
}

// A push button that takes the focus through dialog navigation becomes the default button for
// as long as it has it; when the focus goes to another kind of control, the dialog's own
// default button is the default again.
void followFocusWithDefault(HWND dialog, HWND focus) {
    W32Window *window = w32Window(dialog);
    if (!window) return;
    HWND wanted = isPushButton(focus)
                      ? focus
                      : (window->defaultId ? GetDlgItem(dialog, window->defaultId) : nullptr);
    HWND current = defaultButton(dialog);
    if (wanted == current) return;
    if (current) setButtonStyle(current, BS_PUSHBUTTON);
    if (isPushButton(wanted)) setButtonStyle(wanted, BS_DEFPUSHBUTTON);
}

void restoreFocus(HWND dialog, bool justActivated) {
    W32Window *window = w32Window(dialog);
    if (!window || window->ended) return;
    HWND focus = window->savedFocus;
    window->savedFocus = nullptr;
    if (!focus || !IsWindow(focus)) {
        if (justActivated) return;
        focus = GetNextDlgTabItem(dialog, nullptr, FALSE);
        if (!focus) return;
    }
    if (justActivated) {
        SetFocus(focus);
    } else {
        w32DialogSetFocus(focus);
    }
}

LRESULT defaultDialogProcessing(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    W32Window *window = w32Window(dialog);
    switch (message) {
    case WM_CLOSE: {
        // The close box counts as Cancel, unless a Cancel button is there and disabled.
        HWND cancel = GetDlgItem(dialog, IDCANCEL);
        if (!cancel || IsWindowEnabled(cancel)) {
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(cancel));
        }
        return 0;
    }
    case WM_NEXTDLGCTL: {
        // lParam non-zero: wParam is the control; else wParam 0 is the next tab stop, non-zero
        // the previous one.
        HWND target = lParam ? reinterpret_cast<HWND>(wParam)
                             : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
        if (target && IsChild(dialog, target)) {
            w32DialogSetFocus(target);
            followFocusWithDefault(dialog, target);
        }
        return 0;
    }
    case DM_GETDEFID: {
        if (window->ended) return 0;
        int id = window->defaultId;
        if (!id) id = GetDlgCtrlID(defaultButton(dialog));
        return id ? MAKELRESULT(id, DC_HASDEFID) : 0;
    }
    case DM_SETDEFID: {
        HWND old = defaultButton(dialog);
        HWND button = GetDlgItem(dialog, static_cast<int>(wParam));
        window->defaultId = static_cast<int>(wParam);
        if (old && old != button) setButtonStyle(old, BS_PUSHBUTTON);
        if (isPushButton(button)) setButtonStyle(button, BS_DEFPUSHBUTTON);
        return TRUE;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(dialog, focus)) window->savedFocus = focus;
        } else {
            restoreFocus(dialog, true);
        }
        return 0;
    case WM_SETFOCUS:
        restoreFocus(dialog, false);
        return 0;
    }
    return DefWindowProcA(dialog, message, wParam, lParam);
}

} // namespace

void w32DialogSetFocus(HWND control) {
    if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageA(control, EM_SETSEL, 0, -1);
    }
    SetFocus(control);
}

LRESULT CALLBACK w32DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    W32Window *window = w32Window(dialog);
    if (!window) return 0;
    window->msgResult = 0;
    DLGPROC dialogProc = window->dialogProc;
    INT_PTR handled = dialogProc ? dialogProc(dialog, message, wParam, lParam) : 0;
    window = w32Window(dialog);
    if (!window) return handled;
    if (handled) return returnsProcedureResult(message) ? handled : window->msgResult;
    return defaultDialogProcessing(dialog, message, wParam, lParam);
}

LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return w32DialogProc(dialog, message, wParam, lParam);
}
