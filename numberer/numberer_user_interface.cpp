// The numberer's settings dialog, run modally from the plug-in's own resources.
#include "filefilter.h"
#include "module_instance.h"
#include "numberer_dialog.h"

extern "C" int32_t __cdecl FileFilterUserInterface(FileFilterInfo *info, HWND parent) {
    // Without an initialized record there are no settings to show: the dialog cannot be shown.
    if (!info || !info->pluginData) return -1;
    return static_cast<int32_t>(DialogBoxParamA(moduleInstance, MAKEINTRESOURCEA(101), parent,
                                                numbererDialogProc,
                                                reinterpret_cast<LPARAM>(info)));
}
