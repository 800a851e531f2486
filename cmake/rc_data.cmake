# disclist_add_rc_data(TARGET RCFILE)
#
# POSIX build: the module's .rc file becomes a generated source that defines the module's
# resource data (win32/tools/rc_data.cpp), which the module registers with the Win32 subset
# when it is loaded. The Windows build compiles the same .rc file with the resource compiler,
# so each dialog template has one source.
function(disclist_add_rc_data target rcfile)
    get_filename_component(rcfile ${rcfile} ABSOLUTE)
    get_filename_component(stem ${rcfile} NAME_WE)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${stem}_rc_data.cpp)
    add_custom_command(OUTPUT ${output}
                       COMMAND w32_rc_data ${rcfile} ${output}
                       DEPENDS w32_rc_data ${rcfile}
                       COMMENT "Resource data from ${stem}.rc"
                       VERBATIM)
    target_sources(${target} PRIVATE ${output})
endfunction()
