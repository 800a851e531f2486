#include "renamer_dialog.h"

#include "dialog_placement.h"
#include "expand_template.h"
#include "module_instance.h"

namespace {

// The controls of template 101.
enum {
    nameEdit = 1000,
    nameSample = 1002,
    titleButton = 1003,
    artistButton = 1004,
    albumButton = 1005,
    yearButton = 1006,
    enableBox = 1007,
    description = 1008,
    sampleLabel = 1009,
    trackButton = 1010,
    bitrateButton = 1011,
    durationButton = 1012,
    commentEdit = 1013,
    commentSample = 1014,
    nameLabel = 1015,
    commentLabel = 1016,
};

// What the switch enables and disables, in this order: all but the box, OK and Cancel.
const int dependentControls[] = {nameEdit,      commentEdit,   titleButton,    albumButton,
                                 artistButton,  bitrateButton, durationButton, yearButton,
                                 trackButton,   description,   sampleLabel,    nameSample,
                                 commentSample, nameLabel,     commentLabel};

const char commentSampleDefault[] = "1.43MB";

// One dialog at a time per library: the open dialog's record and renamer, and the template
// edit into which the placeholder buttons insert (1000 after every opening).
FileFilterInfo *dialogInfo;
const RenamerProfile *dialogProfile;
int32_t insertTarget;

RenamerSettings *dialogSettings() {
    return static_cast<RenamerSettings *>(dialogInfo->pluginData);
}

bool switchedOn(HWND dialog) {
    return SendDlgItemMessageA(dialog, enableBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Draws one sample: the first 63 characters of the template in `edit`, expanded.
void drawSample(HWND dialog, int edit, int sample, const char *defaultText, const char *bitrate) {
    const RenamerProfile &profile = *dialogProfile;
    TagFields fields = {
        "Song Title", profile.sampleArtist, "Red Album", profile.sampleYear, 3, bitrate, "3:36"};
    char templateText[64];
    GetDlgItemTextA(dialog, edit, templateText, sizeof templateText);
    char expanded[256];
    expandTemplate(defaultText, templateText, expanded, sizeof expanded, &fields);
    SetDlgItemTextA(dialog, sample, expanded);
}

// A placeholder button: the placeholder replaces the selection of the target edit (or goes in
// at its caret), and the edit gets the focus back. The edit's change notification redraws the
// samples.
void insertPlaceholder(HWND dialog, const char *placeholder) {
    SendDlgItemMessageA(dialog, insertTarget, EM_REPLACESEL, 0,
                        reinterpret_cast<LPARAM>(placeholder));
    SetFocus(GetDlgItem(dialog, insertTarget));
}

const char *placeholderOf(int id) {
    switch (id) {
    case titleButton:
        return "%title%";
    case artistButton:
        return "%artist%";
    case albumButton:
        return "%album%";
    case yearButton:
        return "%year%";
    case trackButton:
        return "%track%";
    case bitrateButton:
        return "%bitrate%";
    case durationButton:
        return "%duration%";
    }
    return nullptr;
}

INT_PTR initialize(HWND dialog, FileFilterInfo *info) {
    dialogInfo = info;
    placeDialog(dialogPosition, dialog);
    SendDlgItemMessageA(dialog, enableBox, BM_SETCHECK, renameEnabled ? BST_CHECKED : BST_UNCHECKED,
                        0);
    SetDlgItemTextA(dialog, nameEdit, dialogSettings()->nameTemplate);
    SetDlgItemTextA(dialog, commentEdit, dialogSettings()->commentTemplate);
    SetFocus(GetDlgItem(dialog, renameEnabled ? nameEdit : enableBox));
    SendMessageA(dialog, WM_USER, 0, 0);
    // Setting the texts and the focus made the edits notify; the name edit is the target.
    insertTarget = nameEdit;
    // The focus stays where it was put.
    return FALSE;
}

INT_PTR command(HWND dialog, int id) {
    switch (id) {
    case IDOK: {
        saveDialogPosition(dialogPosition, dialog);
        RenamerSettings *settings = dialogSettings();
        GetDlgItemTextA(dialog, nameEdit, settings->nameTemplate, sizeof settings->nameTemplate);
        GetDlgItemTextA(dialog, commentEdit, settings->commentTemplate,
                        sizeof settings->commentTemplate);
        renameEnabled = switchedOn(dialog) ? 1 : 0;
        EndDialog(dialog, 1);
        return TRUE;
    }
    case IDCANCEL:
        saveDialogPosition(dialogPosition, dialog);
        EndDialog(dialog, 0);
        return TRUE;
    case nameEdit:
    case commentEdit:
        // Any notification of an edit (focus, change) makes it the target.
        insertTarget = id;
        return SendMessageA(dialog, WM_USER, 0, 0);
    case enableBox:
        SendMessageA(dialog, WM_USER, 0, 0);
        return TRUE;
    case titleButton:
    case artistButton:
    case albumButton:
    case yearButton:
    case trackButton:
        // The comment has room for the bitrate and the duration only.
        if (insertTarget == commentEdit) {
            SetFocus(GetDlgItem(dialog, commentEdit));
        } else {
            insertPlaceholder(dialog, placeholderOf(id));
        }
        return TRUE;
    case bitrateButton:
    case durationButton:
        insertPlaceholder(dialog, placeholderOf(id));
        return TRUE;
    }
    return FALSE;
}

} // namespace

INT_PTR refreshDialog(HWND dialog) {
    BOOL on = switchedOn(dialog);
    for (int id : dependentControls) EnableWindow(GetDlgItem(dialog, id), on);
    if (!on) {
        SetDlgItemTextA(dialog, nameSample, dialogProfile->sampleName);
        SetDlgItemTextA(dialog, commentSample, commentSampleDefault);
    } else {
        drawSample(dialog, nameEdit, nameSample, dialogProfile->sampleName,
                   dialogProfile->sampleNameBitrate);
        drawSample(dialog, commentEdit, commentSample, commentSampleDefault, "128Kbps");
    }
    return TRUE;
}

INT_PTR CALLBACK renamerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return initialize(dialog, reinterpret_cast<FileFilterInfo *>(lParam));
    case WM_COMMAND:
        return command(dialog, LOWORD(wParam));
    case WM_USER:
        return refreshDialog(dialog);
    }
    return FALSE;
}

int32_t renamerUserInterface(FileFilterInfo *info, HWND parent, const RenamerProfile &profile) {
    // Without an initialized record there are no settings to show.
    if (!info || !info->pluginData) return -1;
    dialogProfile = &profile;
    return static_cast<int32_t>(DialogBoxParamA(moduleInstance, MAKEINTRESOURCEA(101), parent,
                                                renamerDialogProc, reinterpret_cast<LPARAM>(info)));
}
