// COM initialization of the calling thread. Nothing in the subset needs COM state, so there is
// nothing to set up; success is reported as the platform does for a first initialization.
#include <windows.h>

HRESULT CoInitialize(LPVOID reserved) {
    (void)reserved;
    return S_OK;
}
