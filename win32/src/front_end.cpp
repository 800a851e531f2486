// The front end that feeds the modal loops. The headless one shows nothing and has no user:
// it only lets the time pass until the next timer, and when no timer is set it reports that
// no input can come.
#include "window_table.h"

#include <stdio.h>

namespace {

W32FrontEnd frontEnd{};
bool haveFrontEnd = false;

} // namespace

void w32SetFrontEnd(const W32FrontEnd *newFrontEnd) {
    haveFrontEnd = newFrontEnd != nullptr;
    frontEnd = newFrontEnd ? *newFrontEnd : W32FrontEnd{};
}

BOOL w32WaitForInput(HWND dialog, DWORD waitMilliseconds) {
    if (haveFrontEnd && frontEnd.waitForInput) {
        return frontEnd.waitForInput(frontEnd.context, dialog, waitMilliseconds);
    }
    if (waitMilliseconds == 0xFFFFFFFF) {
        fprintf(stderr, "w32: a modal dialog waits for input, but the headless front end has "
                        "no user and no timer is set; the dialog ends with -1\n");
        return FALSE;
    }
    Sleep(waitMilliseconds);
    return TRUE;
}

void w32WindowChanged(HWND window) {
    if (haveFrontEnd && frontEnd.windowChanged && window) {
        frontEnd.windowChanged(frontEnd.context, window);
    }
}
