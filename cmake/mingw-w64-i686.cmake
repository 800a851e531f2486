# Cross build for 32-bit Windows with mingw-w64 (Debian: g++-mingw-w64-i686,
# binutils-mingw-w64-i686). The -posix compilers carry the threading support that the C++
# standard library and GoogleTest need; the -win32 ones lack std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(DISCLIST_MINGW_TRIPLE i686-w64-mingw32)
find_program(DISCLIST_MINGW_CXX ${DISCLIST_MINGW_TRIPLE}-g++-posix)
find_program(DISCLIST_MINGW_WINDRES ${DISCLIST_MINGW_TRIPLE}-windres)
if(NOT DISCLIST_MINGW_CXX)
    message(FATAL_ERROR "${DISCLIST_MINGW_TRIPLE}-g++-posix not found: install the Debian "
                        "package g++-mingw-w64-i686")
endif()
if(NOT DISCLIST_MINGW_WINDRES)
    message(FATAL_ERROR "${DISCLIST_MINGW_TRIPLE}-windres not found: install the Debian "
                        "package binutils-mingw-w64-i686")
endif()

set(CMAKE_C_COMPILER ${DISCLIST_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DISCLIST_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${DISCLIST_MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP ${DISCLIST_MINGW_TRIPLE}-objdump)

# Libraries and headers come from the cross sysroot only; programs (the build's own tools)
# from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${DISCLIST_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
