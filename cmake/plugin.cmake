# The entry points of every plug-in, and the only names that its DLL exports.
set(DISCLIST_PLUGIN_EXPORTS FileFilterInitialize FileFilterUserInterface FileFilterExecute
                            FileFilterUninitialize)

# disclist_add_plugin(NAME SOURCES files... DEF file [RC file] [LIBS targets...] [TEST_DOUBLE])
#
# A plug-in is a shared library named NAME.dll on Windows and NAME.so on POSIX (no "lib"
# prefix), exporting exactly the four FileFilter entry points. Each plug-in compiles the library
# entry point itself, so that it keeps its own module handle. TEST_DOUBLE marks a plug-in that
# exists only for tests and may break the contract on purpose (a missing export, say): of its
# module tables only the imports are checked.
function(disclist_add_plugin name)
    cmake_parse_arguments(P "TEST_DOUBLE" "DEF;RC" "SOURCES;LIBS" ${ARGN})
    add_library(${name} SHARED ${P_SOURCES} ${PROJECT_SOURCE_DIR}/frame/module_entry.cpp)
    set_target_properties(${name} PROPERTIES PREFIX "")
    target_link_libraries(${name} PRIVATE frame win32 ${P_LIBS})
    if(WIN32)
        # The export list gives the plain cdecl names; the C and C++ runtimes are linked in so
        # that the DLL needs nothing but system DLLs.
        target_sources(${name} PRIVATE ${P_DEF})
        target_link_options(${name} PRIVATE -static -static-libgcc -static-libstdc++)
        if(P_RC)
            target_sources(${name} PRIVATE ${P_RC})
        endif()
        if(DISCLIST_TESTS AND P_TEST_DOUBLE)
            disclist_add_module_table_test(${name})
        elseif(DISCLIST_TESTS)
            disclist_add_module_table_test(${name} EXPORTS ${DISCLIST_PLUGIN_EXPORTS})
        endif()
    else()
        set_target_properties(${name} PROPERTIES SUFFIX ".so" CXX_VISIBILITY_PRESET hidden
                                                 VISIBILITY_INLINES_HIDDEN ON)
        # Runs DllMain when the shared object is loaded, as the Windows loader does.
        target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/win32/module_hook.cpp)
        if(P_RC AND COMMAND disclist_add_rc_data)
            disclist_add_rc_data(${name} ${P_RC})
        endif()
    endif()
endfunction()

# disclist_add_module_table_test(TARGET [EXPORTS names...])
#
# Windows build: a test that reads the export and import tables of TARGET's module (objdump)
# and fails unless it exports exactly EXPORTS under plain names (when given) and imports
# nothing but system DLLs.
function(disclist_add_module_table_test target)
    cmake_parse_arguments(M "" "" "EXPORTS" ${ARGN})
    if(NOT CMAKE_OBJDUMP)
        message(FATAL_ERROR "no objdump for the Windows build: install binutils-mingw-w64-i686")
    endif()
    set(exports "")
    if(M_EXPORTS)
        string(REPLACE ";" "," list "${M_EXPORTS}")
        set(exports "-DEXPORTS=${list}")
    endif()
    add_test(NAME ${target}.module-tables
             COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DMODULE=$<TARGET_FILE:${target}>
                     ${exports} -P ${PROJECT_SOURCE_DIR}/tests/windows/check-dll-tables.cmake)
endfunction()
