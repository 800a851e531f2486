// The numberer's settings dialog "File Numbering", template 101 of quorrel.rc.
#pragma once

#include <windows.h>

// The dialog procedure; the creation parameter is the host's FileFilterInfo, whose pluginData
// is the NumbererPrefs block that OK writes the four check boxes into.
INT_PTR CALLBACK numbererDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
