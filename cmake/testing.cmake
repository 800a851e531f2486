# disclist_add_test(NAME SOURCES files... [LIBS targets...] [DEPENDS targets...])
#
# One GoogleTest program, built into bin/ beside the plug-ins and run there, so that it loads
# them by bare name as a host does. Each program is one CTest test; on the Windows build it
# runs under Wine through CMAKE_CROSSCOMPILING_EMULATOR (cmake/windows.cmake), one Wine start
# per program rather than per test case.
if(NOT TARGET GTest::gtest_main)
    if(WIN32 AND CMAKE_CROSSCOMPILING)
        disclist_add_cross_googletest()
    else()
        find_package(GTest REQUIRED)
    endif()
endif()
include(GoogleTest)

function(disclist_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS;DEPENDS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE GTest::gtest_main win32 ${T_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        DISCLIST_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
        DISCLIST_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    if(T_DEPENDS)
        add_dependencies(${name} ${T_DEPENDS})
    endif()
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    disclist_test_uses_wine(${name})
endfunction()

# disclist_test_uses_wine(TEST...)
#
# Windows build: the tests run Windows programs, so they need the Wine prefix, the
# wineserver and the X display of the "wine" fixture. A test that does not name an .exe target
# as its command runs its programs with ${DISCLIST_WINE_RUN} PROGRAM ARGS. No effect on POSIX.
function(disclist_test_uses_wine)
    if(WIN32 AND CMAKE_CROSSCOMPILING)
        set_property(TEST ${ARGN} APPEND PROPERTY FIXTURES_REQUIRED wine)
        set_property(TEST ${ARGN} PROPERTY TIMEOUT 600)
    endif()
endfunction()
