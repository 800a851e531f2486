// Sending and posting messages. A sent message runs the window's procedure at once; a posted
// one waits in the thread's queue until the message loop takes it. WM_TIMER is made only when
// the queue is empty, and WM_QUIT after every posted message, as the platform orders them.
#include "window_table.h"

#include <algorithm>
#include <deque>

namespace {

std::deque<MSG> postedMessages;
bool quitPosted = false;
int quitCode = 0;

} // namespace

LRESULT SendMessageA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    W32Window *window = w32Window(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return window->proc(handle, message, wParam, lParam);
}

BOOL PostMessageA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handle && !IsWindow(handle)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    postedMessages.push_back(MSG{handle, message, wParam, lParam, GetTickCount(), POINT{0, 0}});
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    quitPosted = true;
    quitCode = exitCode;
}

bool w32PeekMessage(MSG *message) {
    if (!postedMessages.empty()) {
        *message = postedMessages.front();
        postedMessages.pop_front();
        return true;
    }
    if (quitPosted) {
        quitPosted = false;
        *message =
            MSG{nullptr, WM_QUIT, static_cast<WPARAM>(quitCode), 0, GetTickCount(), POINT{0, 0}};
        return true;
    }
    return w32TakeDueTimer(message);
}

void w32DispatchMessage(const MSG *message) {
    if (message->message == WM_TIMER && message->lParam) {
        TIMERPROC timerProc = reinterpret_cast<TIMERPROC>(message->lParam);
        timerProc(message->hwnd, WM_TIMER, message->wParam, GetTickCount());
        return;
    }
    if (message->hwnd)
        SendMessageA(message->hwnd, message->message, message->wParam, message->lParam);
}

void w32DropWindowMessages(HWND handle) {
    postedMessages.erase(std::remove_if(postedMessages.begin(), postedMessages.end(),
                                        [handle](const MSG &m) { return m.hwnd == handle; }),
                         postedMessages.end());
}
