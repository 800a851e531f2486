// The renamers' settings dialog, template 101 of brenvo.rc and tesmer.rc: the switch, the two
// templates, a row of buttons that insert placeholders, and a live sample of both templates
// drawn from fixed tag values.
#pragma once

#include "filefilter.h"
#include "renamer_settings.h"

// FileFilterUserInterface of a renamer: runs the dialog modally from the plug-in's own
// resources, owned by `parent`, with `info` as the creation parameter; returns 1 after OK, 0
// after Cancel, -1 when the dialog cannot be shown.
int32_t renamerUserInterface(FileFilterInfo *info, HWND parent, const RenamerProfile &profile);

// The dialog procedure. OK stores both templates (through pluginData of the record) and the
// switch; OK and Cancel both store the dialog's position.
INT_PTR CALLBACK renamerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The private WM_USER refresh: the controls that depend on the switch follow it, and the two
// samples are drawn again. Returns 1.
INT_PTR refreshDialog(HWND dialog);
