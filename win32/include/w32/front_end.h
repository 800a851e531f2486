// The subset's own calls, with no counterpart on Windows: the screen that the windows live
// on, and the front end that feeds a modal dialog's message loop with what the user does.
//
// Without a front end of its own the subset is headless: nothing is shown, and the user's
// actions come only from the program itself, through messages sent or posted to the windows,
// timers and hooks, exactly as a program can act on real windows. A test drives a dialog that
// way, e.g. from a WH_CBT hook that sees HCBT_ACTIVATE and sets a timer whose procedure runs
// the steps inside the modal loop.
#pragma once

#include "types.h"

// The size of the screen in pixels, as GetDeviceCaps(HORZRES/VERTRES) of the display and the
// desktop window report it; 1024 by 768 until it is set.
W32API void w32SetScreenSize(int width, int height);

struct W32FrontEnd {
    // Called by a modal loop when no posted message is waiting and no timer is due.
    // `waitMilliseconds` is the time until the next timer is due, or 0xFFFFFFFF when no timer
    // is set. The front end waits at most that long for the user and posts what the user did
    // to the windows (PostMessageA). It returns FALSE when no input can come any more; the loop
    // then ends the dialog with the result -1, as a program cannot wait for a user who is not
    // there.
    BOOL (*waitForInput)(void *context, HWND dialog, DWORD waitMilliseconds);
    // Called whenever a window of a dialog changed in a way the user can see (created,
    // destroyed, moved, shown or hidden, text, check, selection, focus or enabled state), so
    // that a front end that draws can draw again. May be null.
    void (*windowChanged)(void *context, HWND window);
    void *context;
};

// Sets the front end (copied), or the headless one when frontEnd is null.
W32API void w32SetFrontEnd(const W32FrontEnd *frontEnd);
