# disclist_add_test(NAME SOURCES files... [LIBS targets...] [DEPENDS targets...])
#
# One GoogleTest program, built into bin/ beside the plug-ins and run there, so that it loads
# them by bare name as a host does. Each program is one CTest test.
if(NOT TARGET GTest::gtest_main)
    find_package(GTest REQUIRED)
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
endfunction()
