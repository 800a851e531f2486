// The dialog manager's keyboard interface, applied to every message of a modal dialog's loop
// before it is dispatched: Tab moves to the next tab stop (with Shift held, the previous one),
// Escape is Cancel, Enter is the focused push button or else the default button, unless the
// control with the focus asks for these keys (WM_GETDLGCODE).
//
// The messages that a front end posts stand for the keyboard itself, so they also keep the
// state of the Shift key that GetKeyState reports.
#include "window_table.h"

namespace {

bool shiftDown = false;

void pressEnter(HWND dialog) {
    HWND focus = GetFocus();
    if (focus && IsChild(dialog, focus) &&
        (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
                     reinterpret_cast<LPARAM>(focus));
        return;
    }
    LRESULT defaultId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(defaultId) == DC_HASDEFID) {
        HWND button = GetDlgItem(dialog, LOWORD(defaultId));
        if (!button || IsWindowEnabled(button)) {
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(defaultId), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
        }
        return;
    }
    SendMessageA(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

} // namespace

SHORT GetKeyState(int key) {
    return key == VK_SHIFT && shiftDown ? static_cast<SHORT>(0x8000) : 0;
}

bool w32IsDialogMessage(HWND dialog, MSG *message) {
    if (!message->hwnd || !w32IsSelfOrDescendant(dialog, message->hwnd)) return false;
    if ((message->message == WM_KEYDOWN || message->message == WM_KEYUP) &&
        message->wParam == VK_SHIFT) {
        shiftDown = message->message == WM_KEYDOWN;
    }
    if (message->message == WM_KEYDOWN || message->message == WM_CHAR) {
        LRESULT code = SendMessageA(message->hwnd, WM_GETDLGCODE, message->wParam,
                                    reinterpret_cast<LPARAM>(message));
        bool wantsAll = (code & DLGC_WANTMESSAGE) != 0;
        if (message->message == WM_KEYDOWN && !wantsAll) {
            switch (message->wParam) {
            case VK_TAB:
                if (code & DLGC_WANTTAB) break;
                SendMessageA(dialog, WM_NEXTDLGCTL, shiftDown ? 1 : 0, 0);
                return true;
            case VK_ESCAPE:
                SendMessageA(dialog, WM_COMMAND, IDCANCEL,
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
                return true;
            case VK_RETURN:
                pressEnter(dialog);
                return true;
            }
        }
        // The characters of Tab, Enter and Escape are no text for a control that does not want
        // them.
        if (message->message == WM_CHAR && !wantsAll && !(code & DLGC_WANTCHARS) &&
            (message->wParam == '\t' || message->wParam == '\r' || message->wParam == 0x1B)) {
            return true;
        }
    }
    w32DispatchMessage(message);
    return true;
}
