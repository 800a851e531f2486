// Where a settings dialog opens and where it was left: the dialog goes back to its saved
// top-left corner, kept on the screen, or is centred over its owner when none was saved.
#pragma once

#include "window_position.h"

#include <windows.h>

// Called first of all while the dialog initializes. Moves the dialog to `position` if both
// coordinates are non-zero, each limited to at least 0 and at most the screen's size less 100
// pixels, and keeps the limited values in `position`; otherwise centres it (centerOverParent).
void placeDialog(WindowPosition &position, HWND dialog);
// Centres the dialog over its owner window, or over the desktop when it has none. Halves are
// rounded toward zero; the result is not limited to the screen and not saved.
void centerOverParent(HWND dialog);
// Called by OK and by Cancel alike before the dialog ends: keeps the dialog's top-left corner.
void saveDialogPosition(WindowPosition &position, HWND dialog);
