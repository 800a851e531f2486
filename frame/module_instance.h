// The module handle of the plug-in that this code is linked into, kept by the library entry
// point; the settings dialog is loaded from this module's resources.
#pragma once

#include <windows.h>

extern HINSTANCE moduleInstance;
