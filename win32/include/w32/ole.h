// COM: only the initialization of the calling thread. The subset initializes nothing and
// reports success.
#pragma once

#include "types.h"

typedef LONG HRESULT;
#define S_OK ((HRESULT)0)
#define S_FALSE ((HRESULT)1)
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)

W32API HRESULT CoInitialize(LPVOID reserved);
