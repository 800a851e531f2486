// Hooks: the WH_CBT chain, which the window manager calls before it creates, destroys or
// activates a window and before it moves the focus. The hook installed last is called first;
// CallNextHookEx passes on to the one installed before it. While a hook runs, the window
// manager calls no hooks for what the hook itself does.
#include "window_table.h"

#include <algorithm>
#include <vector>

namespace {

struct Hook {
    HHOOK handle;
    HOOKPROC hookProc;
};

std::vector<Hook> cbtHooks; // in the order they were installed
uintptr_t nextHook = 0x20010;
HHOOK runningHook = nullptr;

LRESULT callBelow(size_t count, int code, WPARAM wParam, LPARAM lParam) {
    if (count == 0) return 0;
    Hook hook = cbtHooks[count - 1];
    HHOOK outer = runningHook;
    runningHook = hook.handle;
    LRESULT result = hook.hookProc(code, wParam, lParam);
    runningHook = outer;
    return result;
}

} // namespace

HHOOK SetWindowsHookExA(int idHook, HOOKPROC hookProc, HINSTANCE module, DWORD threadId) {
    (void)module;
    if (idHook != WH_CBT) {
        SetLastError(ERROR_INVALID_HOOK_FILTER);
        return nullptr;
    }
    if (!hookProc || (threadId != 0 && threadId != GetCurrentThreadId())) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HHOOK handle = reinterpret_cast<HHOOK>(nextHook);
    nextHook += 4;
    cbtHooks.push_back(Hook{handle, hookProc});
    return handle;
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    auto found = std::find_if(cbtHooks.begin(), cbtHooks.end(),
                              [hook](const Hook &h) { return h.handle == hook; });
    if (found == cbtHooks.end()) {
        SetLastError(ERROR_INVALID_HOOK_HANDLE);
        return FALSE;
    }
    cbtHooks.erase(found);
    return TRUE;
}

// As on the platform, the hook handle is not needed: the next hook is the one below the hook
// that is running.
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    (void)hook;
    auto running = std::find_if(cbtHooks.begin(), cbtHooks.end(),
                                [](const Hook &h) { return h.handle == runningHook; });
    if (running == cbtHooks.end()) return 0;
    return callBelow(static_cast<size_t>(running - cbtHooks.begin()), code, wParam, lParam);
}

LRESULT w32CallCbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (runningHook) return 0;
    return callBelow(cbtHooks.size(), code, wParam, lParam);
}
