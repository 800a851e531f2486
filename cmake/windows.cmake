# The Windows build (cross-compiled with cmake/mingw-w64-i686.cmake): static runtimes, and the
# test programs run under Wine in a private prefix.
if(NOT WIN32)
    return()
endif()

# The C and C++ runtimes, libgcc and winpthread go into every DLL and program, so that they
# need nothing but the system DLLs of a plain Windows installation.
add_link_options(-static)

if(CMAKE_CROSSCOMPILING)
    # Every .exe target that a test names runs through this driver: Wine with the prefix that
    # the "wine" test fixture creates (tests/windows/CMakeLists.txt).
    set(DISCLIST_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
    set(DISCLIST_WINE_RUN ${PROJECT_SOURCE_DIR}/tests/windows/wine-run ${DISCLIST_WINE_PREFIX})
    set(CMAKE_CROSSCOMPILING_EMULATOR ${DISCLIST_WINE_RUN})
endif()

# GoogleTest from Debian's sources (package googletest), built with the cross compiler. Our
# warning options are not passed on to it.
function(disclist_add_cross_googletest)
    set(source /usr/src/googletest)
    if(NOT EXISTS ${source}/CMakeLists.txt)
        message(FATAL_ERROR "GoogleTest sources not found in ${source}: install the Debian "
                            "package googletest")
    endif()
    get_directory_property(options COMPILE_OPTIONS)
    set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(${source} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    set_directory_properties(PROPERTIES COMPILE_OPTIONS "${options}")
    foreach(lib gtest gtest_main gmock gmock_main)
        if(NOT TARGET GTest::${lib})
            add_library(GTest::${lib} ALIAS ${lib})
        endif()
    endforeach()
endfunction()
