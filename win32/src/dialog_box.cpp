// Modal dialogs: DialogBoxParamA builds the dialog from a module's template, runs its
// procedure's WM_INITDIALOG and then a message loop until EndDialog.
#include "dialog_template.h"
#include "window_table.h"

#include <algorithm>

namespace {

bool controlKind(const W32DialogItem &item, W32Kind *kind) {
    std::string name = item.className;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    if (item.classAtom == 0x0080 || name == "button") {
        *kind = W32Kind::Button;
    } else if (item.classAtom == 0x0081 || name == "edit") {
        *kind = W32Kind::Edit;
    } else if (item.classAtom == 0x0082 || name == "static") {
        *kind = W32Kind::Static;
    } else {
        return false;
    }
    return true;
}

// Where a new dialog goes: the template's corner, relative to the owner's client area unless
// DS_ABSALIGN says screen coordinates, or the screen's centre with DS_CENTER; then moved onto
// the screen if it would stick out.
RECT dialogRect(const W32DialogTemplate &dialog, DWORD style, DWORD exStyle, HWND owner) {
    W32Window shape;
    shape.style = style;
    shape.exStyle = exStyle;
    W32Frame frame = w32FrameOf(shape);
    RECT client = w32DialogUnitsToPixels(0, 0, dialog.width, dialog.height);
    int width = client.right + frame.left + frame.right;
    int height = client.bottom + frame.top + frame.bottom;
    int screenWidth, screenHeight;
    w32ScreenSize(&screenWidth, &screenHeight);

    RECT corner = w32DialogUnitsToPixels(dialog.x, dialog.y, 0, 0);
    int x = corner.left;
    int y = corner.top;
    W32Window *ownerWindow = w32Window(owner);
    if (style & DS_CENTER) {
        x = (screenWidth - width) / 2;
        y = (screenHeight - height) / 2;
    } else if (!(style & DS_ABSALIGN) && ownerWindow) {
        POINT origin = w32ClientOrigin(*ownerWindow);
        x += origin.x;
        y += origin.y;
    }
    if (x + width > screenWidth) x = screenWidth - width;
    if (y + height > screenHeight) y = screenHeight - height;
    x = std::max(x, 0);
    y = std::max(y, 0);
    return RECT{x, y, x + width, y + height};
}

bool createControls(HWND dialog, const W32DialogTemplate &dialogTemplate, HINSTANCE instance) {
    for (const W32DialogItem &item : dialogTemplate.items) {
        W32Kind kind;
        if (!controlKind(item, &kind)) {
            if (dialogTemplate.style & DS_NOFAILCREATE) continue;
            SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
            return false;
        }
        RECT rect = w32DialogUnitsToPixels(item.x, item.y, item.width, item.height);
        HWND control = w32CreateWindow(kind, item.exStyle | WS_EX_NOPARENTNOTIFY,
                                       (item.style & ~static_cast<DWORD>(WS_POPUP)) | WS_CHILD,
                                       item.text.c_str(), static_cast<int>(item.id), rect, dialog,
                                       instance, nullptr);
        if (!control) {
            if (dialogTemplate.style & DS_NOFAILCREATE) continue;
            return false;
        }
        // The template's default push button is the dialog's default.
        W32Window *window = w32Window(dialog);
        if (window && window->defaultId == 0 &&
            (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
            window->defaultId = static_cast<int>(item.id);
        }
    }
    return true;
}

void enableOwnerAgain(HWND dialog) {
    W32Window *window = w32Window(dialog);
    if (!window || !window->disabledOwner) return;
    HWND owner = window->disabledOwner;
    window->disabledOwner = nullptr;
    if (IsWindow(owner)) EnableWindow(owner, TRUE);
}

HWND createDialog(HINSTANCE instance, const W32DialogTemplate &dialogTemplate, HWND owner,
                  DLGPROC dialogProc, LPARAM initParam) {
    DWORD style = dialogTemplate.style & ~static_cast<DWORD>(WS_VISIBLE);
    DWORD exStyle = dialogTemplate.exStyle;
    if (style & DS_MODALFRAME) exStyle |= WS_EX_DLGMODALFRAME;
    // A modal dialog disables its owner until it ends.
    HWND disabledOwner = nullptr;
    if (owner && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        disabledOwner = owner;
    }
    RECT rect = dialogRect(dialogTemplate, style, exStyle, owner);
    HWND dialog = w32CreateWindow(W32Kind::Dialog, exStyle, style, dialogTemplate.title.c_str(), 0,
                                  rect, owner, instance, reinterpret_cast<LPVOID>(initParam));
    if (!dialog) {
        if (disabledOwner) EnableWindow(disabledOwner, TRUE);
        return nullptr;
    }
    W32Window *window = w32Window(dialog);
    window->disabledOwner = disabledOwner;
    window->dialogProc = dialogProc;
    if (!createControls(dialog, dialogTemplate, instance)) {
        enableOwnerAgain(dialog);
        DestroyWindow(dialog);
        return nullptr;
    }

    // A non-zero result asks the dialog manager to give the focus to the first tab stop.
    HWND firstTabStop = GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTabStop), initParam) &&
        IsWindow(dialog)) {
        HWND focus = GetNextDlgTabItem(dialog, nullptr, FALSE);
        if (focus) w32DialogSetFocus(focus);
    }
    if (!IsWindow(dialog)) return nullptr;
    if (dialogTemplate.style & WS_VISIBLE) ShowWindow(dialog, SW_SHOWNORMAL);
    return dialog;
}

// Runs until EndDialog. The dialog is shown when the queue first runs empty, that is after
// what WM_INITDIALOG posted has been handled.
INT_PTR runModalLoop(HWND dialog) {
    bool shown = IsWindowVisible(dialog) != FALSE;
    for (;;) {
        W32Window *window = w32Window(dialog);
        if (!window) return 0;
        if (window->ended) break;
        MSG message;
        if (!w32PeekMessage(&message)) {
            if (!shown) {
                ShowWindow(dialog, SW_SHOWNORMAL);
                shown = true;
            } else if (!w32WaitForInput(dialog, w32TimeToNextTimer())) {
                EndDialog(dialog, -1);
            }
            continue;
        }
        if (message.message == WM_QUIT) {
            // The quit is for the loop outside; the dialog ends here.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!w32IsDialogMessage(dialog, &message)) w32DispatchMessage(&message);
        if (!shown && message.message == WM_TIMER && IsWindow(dialog)) {
            ShowWindow(dialog, SW_SHOWNORMAL);
            shown = true;
        }
    }
    W32Window *window = w32Window(dialog);
    INT_PTR result = window ? window->result : 0;
    enableOwnerAgain(dialog);
    DestroyWindow(dialog);
    return result;
}

} // namespace

INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC dialogProc,
                        LPARAM initParam) {
    HRSRC resource = FindResourceA(instance, templateName, RT_DIALOG);
    if (!resource) return -1;
    HGLOBAL data = LoadResource(instance, resource);
    W32DialogTemplate dialogTemplate;
    if (!data || !w32ReadDialogTemplate(LockResource(data), SizeofResource(instance, resource),
                                        &dialogTemplate)) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return -1;
    }
    if (parent && !IsWindow(parent)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return -1;
    }
    HWND owner = parent ? w32TopLevel(parent) : nullptr;
    if (owner == GetDesktopWindow()) owner = nullptr;
    HWND dialog = createDialog(instance, dialogTemplate, owner, dialogProc, initParam);
    if (!dialog) return -1;
    return runModalLoop(dialog);
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    W32Window *window = w32Window(dialog);
    if (!window || window->kind != W32Kind::Dialog) {
        SetLastError(window ? ERROR_WINDOW_NOT_DIALOG : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    window->result = result;
    window->ended = true;
    enableOwnerAgain(dialog);
    if (IsWindow(dialog)) {
        SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}
