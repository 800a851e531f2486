#include "numberer_dialog.h"

#include "dialog_placement.h"
#include "filefilter.h"
#include "numberer_prefs.h"

namespace {

// The controls of template 101.
enum {
    enableBox = 1007,
    description = 1008,
    numberDirectoriesBox = 1017,
    resetPerDirectoryBox = 1018,
    startAtZeroBox = 1019,
};

// The block that the open dialog edits, taken from the record it was created with.
NumbererPrefs *dialogPrefs;

void setBox(HWND dialog, int id, int32_t flag) {
    SendDlgItemMessageA(dialog, id, BM_SETCHECK, flag ? BST_CHECKED : BST_UNCHECKED, 0);
}

// Exactly 1 for a ticked box, 0 for any other state.
int32_t boxFlag(HWND dialog, int id) {
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void enableItem(HWND dialog, int id, BOOL enable) {
    EnableWindow(GetDlgItem(dialog, id), enable);
}

// WM_USER: the dependent boxes and the description follow the enabling box.
INT_PTR refresh(HWND dialog) {
    BOOL on = SendDlgItemMessageA(dialog, enableBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
    enableItem(dialog, startAtZeroBox, on);
    enableItem(dialog, numberDirectoriesBox, on);
    enableItem(dialog, resetPerDirectoryBox, on);
    enableItem(dialog, description, on);
    return TRUE;
}

INT_PTR initialize(HWND dialog, const FileFilterInfo *info) {
    dialogPrefs = static_cast<NumbererPrefs *>(info->pluginData);
    placeDialog(dialogPosition, dialog);
    setBox(dialog, enableBox, dialogPrefs->enabled);
    setBox(dialog, numberDirectoriesBox, dialogPrefs->numberDirectories);
    setBox(dialog, startAtZeroBox, dialogPrefs->startAtZero);
    setBox(dialog, resetPerDirectoryBox, dialogPrefs->resetPerDirectory);
    SetFocus(GetDlgItem(dialog, enableBox));
    SendMessageA(dialog, WM_USER, 0, 0);
    // The focus stays on the enabling box.
    return FALSE;
}

INT_PTR command(HWND dialog, int id) {
    switch (id) {
    case IDOK:
        saveDialogPosition(dialogPosition, dialog);
        dialogPrefs->enabled = boxFlag(dialog, enableBox);
        dialogPrefs->numberDirectories = boxFlag(dialog, numberDirectoriesBox);
        dialogPrefs->startAtZero = boxFlag(dialog, startAtZeroBox);
        dialogPrefs->resetPerDirectory = boxFlag(dialog, resetPerDirectoryBox);
        EndDialog(dialog, 1);
        return TRUE;
    case IDCANCEL:
        saveDialogPosition(dialogPosition, dialog);
        EndDialog(dialog, 0);
        return TRUE;
    case enableBox:
        // The box ticks and clears itself; the dependent controls follow it.
        return SendMessageA(dialog, WM_USER, 0, 0);
    }
    return FALSE;
}

} // namespace

INT_PTR CALLBACK numbererDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return initialize(dialog, reinterpret_cast<const FileFilterInfo *>(lParam));
    case WM_COMMAND:
        return command(dialog, LOWORD(wParam));
    case WM_USER:
        return refresh(dialog);
    }
    return FALSE;
}
