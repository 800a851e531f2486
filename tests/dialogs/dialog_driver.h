// Acting in a modal settings dialog as its user would, through Win32 calls only, so that the
// same test runs against the real platform (under Wine) and against the POSIX subset.
//
// runDialog opens the dialog (through the plug-in's FileFilterUserInterface) with a WH_CBT hook
// installed. When the hook sees the dialog activated, a timer on the dialog starts the steps:
// each step runs from its own WM_TIMER inside the dialog's modal loop, and since a timer
// message only comes when the queue is empty, whatever a step posts (a key, the close box) has
// been handled before the next step runs. A dialog still open after the last step, or after a
// step failed fatally, is ended with -2 so that no test can hang.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using DialogStep = std::function<void(HWND dialog)>;

namespace dialog_driver {

struct Run {
    HHOOK hook = nullptr;
    HWND dialog = nullptr;
    std::vector<DialogStep> steps;
    size_t next = 0;
    bool backstop = false;
};

inline Run &run() {
    static Run state;
    return state;
}

const UINT_PTR stepTimer = 0x5151;

inline void CALLBACK onTimer(HWND window, UINT, UINT_PTR id, DWORD) {
    Run &state = run();
    KillTimer(window, id);
    if (state.backstop || ::testing::Test::HasFatalFailure()) {
        if (state.backstop) ADD_FAILURE() << "the dialog was still open after the last step";
        EndDialog(state.dialog, -2);
        return;
    }
    if (state.next < state.steps.size()) {
        DialogStep step = state.steps[state.next++];
        step(state.dialog);
    }
    if (!IsWindow(state.dialog)) return;
    if (state.next >= state.steps.size()) state.backstop = true;
    SetTimer(state.dialog, stepTimer, 10, onTimer);
}

inline LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam) {
    Run &state = run();
    if (code == HCBT_ACTIVATE && !state.dialog) {
        char className[16] = "";
        GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
        if (std::strcmp(className, "#32770") == 0) {
            state.dialog = reinterpret_cast<HWND>(wParam);
            SetTimer(state.dialog, stepTimer, 10, onTimer);
        }
    }
    return CallNextHookEx(state.hook, code, wParam, lParam);
}

} // namespace dialog_driver

// Runs open(), which shows a modal dialog, with `steps` acting in it; returns open()'s result.
inline int32_t runDialog(const std::function<int32_t()> &open, std::vector<DialogStep> steps) {
    dialog_driver::Run &state = dialog_driver::run();
    state = dialog_driver::Run();
    state.steps = std::move(steps);
    state.hook = SetWindowsHookExA(WH_CBT, dialog_driver::onCbt, nullptr, GetCurrentThreadId());
    EXPECT_NE(state.hook, nullptr);
    int32_t result = open();
    UnhookWindowsHookEx(state.hook);
    EXPECT_EQ(state.next, state.steps.size()) << "not every step ran";
    state = dialog_driver::Run();
    return result;
}

// What the user does and sees, by control id.
inline HWND item(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}
inline void click(HWND dialog, int id) {
    SendMessageA(item(dialog, id), BM_CLICK, 0, 0);
}
inline bool checked(HWND dialog, int id) {
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
inline bool enabled(HWND dialog, int id) {
    return IsWindowEnabled(item(dialog, id)) != FALSE;
}
inline std::string text(HWND dialog, int id) {
    char buffer[1024];
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
}
inline std::string windowText(HWND window) {
    char buffer[1024];
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}
// Types into the control that has the focus, one character at a time.
inline void type(const std::string &characters) {
    for (char c : characters) SendMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 0);
}
// Selects characters [start, end) of an edit; end -1 is the end of the text.
inline void select(HWND dialog, int id, int start, int end) {
    SendDlgItemMessageA(dialog, id, EM_SETSEL, static_cast<WPARAM>(start), end);
}
inline std::pair<DWORD, DWORD> selection(HWND dialog, int id) {
    DWORD start = 0, end = 0;
    SendDlgItemMessageA(dialog, id, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                        reinterpret_cast<LPARAM>(&end));
    return {start, end};
}
// A key pressed on the keyboard reaches the focused control through the modal loop.
inline void pressKey(WPARAM key) {
    HWND focus = GetFocus();
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}
inline void clickCloseBox(HWND dialog) {
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

inline RECT windowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// The screen's size, read as the plug-ins read it.
inline SIZE screenSize() {
    HDC display = CreateICA("DISPLAY", "", "", nullptr);
    SIZE size{GetDeviceCaps(display, HORZRES), GetDeviceCaps(display, VERTRES)};
    DeleteDC(display);
    return size;
}

// The host's window that owns the dialog: an invisible pop-up with the given screen rectangle.
struct OwnerWindow {
    HWND handle = nullptr;
    OwnerWindow(int x, int y, int width, int height) {
        handle = CreateWindowExA(0, "STATIC", "host", WS_POPUP, x, y, width, height, nullptr,
                                 nullptr, nullptr, nullptr);
    }
    ~OwnerWindow() {
        if (handle) DestroyWindow(handle);
    }
    OwnerWindow(const OwnerWindow &) = delete;
    OwnerWindow &operator=(const OwnerWindow &) = delete;
};
