// The calling thread's id and the millisecond clock.
#include <windows.h>

#include <chrono>
#include <thread>

#include <sys/syscall.h>
#include <unistd.h>

DWORD GetCurrentThreadId(void) {
    return static_cast<DWORD>(syscall(SYS_gettid));
}

DWORD GetTickCount(void) {
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void Sleep(DWORD milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
