# disclist_add_plugin(NAME SOURCES files... DEF file [RC file] [LIBS targets...])
#
# A plug-in is a shared library named NAME.dll on Windows and NAME.so on POSIX (no "lib"
# prefix), exporting exactly the four FileFilter entry points. Each plug-in compiles the library
# entry point itself, so that it keeps its own module handle.
include(${CMAKE_CURRENT_LIST_DIR}/rc_data.cmake) # disclist_add_rc_data, for RC on POSIX

function(disclist_add_plugin name)
    cmake_parse_arguments(P "" "DEF;RC" "SOURCES;LIBS" ${ARGN})
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
