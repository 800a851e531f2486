// The Win32 subset for POSIX builds: the types, constants and calls that this project uses,
// with the documented behaviour of each. On Windows the platform's own <windows.h> is used and
// this directory is not on the include path.
#pragma once

#include "w32/types.h"
#include "w32/module.h"
#include "w32/registry.h"
#include "w32/format.h"
#include "w32/ole.h"
#include "w32/thread.h"
#include "w32/user.h"
#include "w32/gdi.h"
#include "w32/front_end.h"
