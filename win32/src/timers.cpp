// Timers of windows and of the thread. A timer does not post anything: when the queue is
// empty, the timer that is due first gives one WM_TIMER and is due again an interval later.
#include "window_table.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Timer {
    HWND window;
    UINT_PTR id;
    UINT interval; // milliseconds
    TIMERPROC timerProc;
    Clock::time_point due;
};

std::vector<Timer> timers;
UINT_PTR nextThreadTimerId = 0x7000;

// The platform's bounds on an interval: USER_TIMER_MINIMUM and USER_TIMER_MAXIMUM.
const UINT minimumInterval = 10;
const UINT maximumInterval = 0x7FFFFFFF;

std::vector<Timer>::iterator findTimer(HWND window, UINT_PTR id) {
    return std::find_if(timers.begin(), timers.end(),
                        [&](const Timer &t) { return t.window == window && t.id == id; });
}

} // namespace

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC timerProc) {
    if (window && !IsWindow(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    UINT interval = std::min(std::max(elapse, minimumInterval), maximumInterval);
    auto existing = findTimer(window, id);
    if (!window && (id == 0 || existing == timers.end())) {
        // A thread timer gets an id of its own unless it replaces one.
        id = nextThreadTimerId++;
        existing = timers.end();
    }
    Timer timer{window, id, interval, timerProc,
                Clock::now() + std::chrono::milliseconds(interval)};
    if (existing != timers.end()) {
        *existing = timer;
    } else {
        timers.push_back(timer);
    }
    return id ? id : 1;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
    auto timer = findTimer(window, id);
    if (timer == timers.end()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    timers.erase(timer);
    return TRUE;
}

bool w32TakeDueTimer(MSG *message) {
    Clock::time_point now = Clock::now();
    auto first = std::min_element(timers.begin(), timers.end(),
                                  [](const Timer &a, const Timer &b) { return a.due < b.due; });
    if (first == timers.end() || first->due > now) return false;
    first->due = now + std::chrono::milliseconds(first->interval);
    *message =
        MSG{first->window,  WM_TIMER,   first->id, reinterpret_cast<LPARAM>(first->timerProc),
            GetTickCount(), POINT{0, 0}};
    return true;
}

DWORD w32TimeToNextTimer() {
    if (timers.empty()) return 0xFFFFFFFF;
    Clock::time_point now = Clock::now();
    Clock::time_point due = timers.front().due;
    for (const Timer &timer : timers) due = std::min(due, timer.due);
    if (due <= now) return 0;
    auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(due - now).count() + 1;
    return static_cast<DWORD>(std::min<long long>(wait, 0x7FFFFFFF));
}

void w32KillWindowTimers(HWND window) {
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [window](const Timer &t) { return t.window == window; }),
                 timers.end());
}
