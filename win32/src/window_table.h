// The subset's window manager: every window of the process, by handle. A handle is a number
// that is never reused, so a handle kept after its window was destroyed names no window
// (IsWindow is false) instead of another one.
//
// All windows belong to one GUI thread and nothing here is locked. Window procedures may
// create, change and destroy windows while a message is being handled, so code that sends a
// message looks its window up again by handle afterwards instead of keeping a pointer.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

enum class W32Kind { Desktop, Dialog, Button, Static, Edit };

struct W32Window {
    HWND handle = nullptr;
    W32Kind kind = W32Kind::Static;
    WNDPROC proc = nullptr; // the class procedure
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    HINSTANCE instance = nullptr;
    // A child's parent, or a top-level window's owner (null for none).
    HWND parent = nullptr;
    // Children in z-order, which for a dialog is template order and tab order.
    std::vector<HWND> children;
    // The window rectangle: in screen pixels for a top-level window, in the parent's client
    // coordinates for a child.
    RECT rect{};
    std::string text;
    LONG_PTR userData = 0;

    // Buttons: the check state (check boxes) and whether the button is held down.
    UINT check = BST_UNCHECKED;
    bool pushed = false;

    // Edits: the selection runs from the anchor to the caret (either may be the larger).
    size_t anchor = 0;
    size_t caret = 0;
    size_t limit = 32767;

    // Dialogs.
    DLGPROC dialogProc = nullptr;
    LONG_PTR msgResult = 0;
    LONG_PTR dialogUser = 0;
    bool ended = false;
    INT_PTR result = 0;
    int defaultId = 0;            // set by DM_SETDEFID; 0: the BS_DEFPUSHBUTTON control
    HWND savedFocus = nullptr;    // the control that had the focus when the dialog lost it
    HWND disabledOwner = nullptr; // the owner that the modal dialog disabled
};

// The window behind a handle, or null.
W32Window *w32Window(HWND handle);

// Creates a window and sends it WM_NCCREATE and WM_CREATE, after the WH_CBT hook has seen
// HCBT_CREATEWND. For a child, `parent` is the parent and the rectangle is in its client
// coordinates; it is appended at the bottom of the parent's z-order. Returns null when the
// hook or the window refuses the creation.
HWND w32CreateWindow(W32Kind kind, DWORD exStyle, DWORD style, const char *text, int id,
                     const RECT &rect, HWND parent, HINSTANCE instance, LPVOID param);

// The class procedures, and the class name of each kind as GetClassNameA reports it.
LRESULT CALLBACK w32ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK w32StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK w32EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK w32DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
const char *w32ClassName(W32Kind kind);

// True when `window` is `ancestor` or lies below it.
bool w32IsSelfOrDescendant(HWND ancestor, HWND window);
// The top-level window that contains `window` (itself when it is one).
HWND w32TopLevel(HWND window);

// Keyboard focus and activation (window_focus.cpp).
void w32ActivateWindow(HWND window);
void w32ForgetWindow(HWND window); // a window is being destroyed: drop focus and activation

// Geometry (window_geometry.cpp): the frame around a top-level window's client area.
struct W32Frame {
    int left, top, right, bottom;
};
W32Frame w32FrameOf(const W32Window &window);
// The window's rectangle in screen pixels.
RECT w32ScreenRect(const W32Window &window);
// The origin of the window's client area in screen pixels.
POINT w32ClientOrigin(const W32Window &window);
// Dialog units to pixels with the dialog font's fixed metric.
RECT w32DialogUnitsToPixels(int x, int y, int width, int height);
void w32ScreenSize(int *width, int *height);

// Hooks (hooks.cpp): calls the WH_CBT chain; a non-zero result forbids the operation.
LRESULT w32CallCbtHook(int code, WPARAM wParam, LPARAM lParam);

// Timers (timers.cpp).
// Produces the WM_TIMER of the timer that is due first, if any is due.
bool w32TakeDueTimer(MSG *message);
// Milliseconds until the next timer is due (0 when one is due), 0xFFFFFFFF when none is set.
DWORD w32TimeToNextTimer();
void w32KillWindowTimers(HWND window);

// The message queue (message_queue.cpp).
bool w32PeekMessage(MSG *message);
void w32DispatchMessage(const MSG *message);
void w32DropWindowMessages(HWND window);

// Dialogs (dialog_keys.cpp, dialog_proc.cpp).
bool w32IsDialogMessage(HWND dialog, MSG *message);
// Gives the focus to a control as dialog navigation does: an edit's text is selected first.
void w32DialogSetFocus(HWND control);

// The front end (front_end.cpp).
BOOL w32WaitForInput(HWND dialog, DWORD waitMilliseconds);
void w32WindowChanged(HWND window);

// Notifies a control's parent: WM_COMMAND with the control's id and the code.
void w32NotifyParent(HWND control, WORD code);
