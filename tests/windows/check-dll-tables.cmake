# Checks the export and import tables of a module of the Windows build, as objdump -p prints
# them:
#
#   cmake -DOBJDUMP=... -DMODULE=quorrel.dll [-DEXPORTS=A,B,...] -P check-dll-tables.cmake
#
# With EXPORTS, the module must export exactly those names, by name, undecorated (a plain
# cdecl name has neither a leading '_' nor an '@' suffix), and nothing by ordinal only.
# Always, every DLL that the module imports must be a system DLL of a plain Windows
# installation: the C and C++ runtimes and libgcc are linked in, not imported.
cmake_minimum_required(VERSION 3.20)

foreach(var OBJDUMP MODULE)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "check-dll-tables: ${var} not given")
    endif()
endforeach()

set(system_dlls kernel32 user32 gdi32 advapi32 ole32 msvcrt)

execute_process(COMMAND ${OBJDUMP} -p ${MODULE} OUTPUT_VARIABLE dump ERROR_VARIABLE err
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${MODULE} failed (${rc}): ${err}")
endif()
get_filename_component(module_name ${MODULE} NAME)

set(problems "")
if(NOT dump MATCHES "file format pei-i386")
    list(APPEND problems "not a 32-bit x86 PE module")
endif()

# Imports: one "DLL Name: X.dll" line per imported DLL.
string(REGEX MATCHALL "DLL Name: [^\n]+" import_lines "${dump}")
set(imports "")
foreach(line ${import_lines})
    string(REGEX REPLACE "^DLL Name: *" "" dll "${line}")
    string(STRIP "${dll}" dll)
    list(APPEND imports ${dll})
    string(TOLOWER "${dll}" lower)
    string(REGEX REPLACE "\\.dll$" "" base "${lower}")
    list(FIND system_dlls "${base}" found)
    if(found EQUAL -1 AND NOT base MATCHES "^api-ms-win-crt-")
        list(APPEND problems "imports ${dll}, which is not a system DLL")
    endif()
endforeach()

if(DEFINED EXPORTS)
    string(REPLACE "," ";" EXPORTS "${EXPORTS}")
    # The name table follows "[Ordinal/Name Pointer] Table", one "[   i] name" line each,
    # up to the next empty line; the address table ("Export Address Table -- Ordinal Base")
    # has one "+base[" line for every export, named or not.
    set(names "")
    string(FIND "${dump}" "[Ordinal/Name Pointer] Table" at)
    if(at EQUAL -1)
        list(APPEND problems "has no export name table")
    else()
        string(SUBSTRING "${dump}" ${at} -1 rest)
        string(FIND "${rest}" "\n\n" end)
        string(SUBSTRING "${rest}" 0 ${end} table)
        string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" name_lines "${table}")
        foreach(line ${name_lines})
            string(REGEX REPLACE "^\\[ *[0-9]+\\] " "" name "${line}")
            string(STRIP "${name}" name)
            list(APPEND names "${name}")
        endforeach()
    endif()
    string(REGEX MATCHALL "\\+base\\[ *[0-9]+\\]" address_entries "${dump}")
    list(LENGTH address_entries address_count)
    list(LENGTH EXPORTS expected_count)

    foreach(name ${names})
        if(name MATCHES "^_|@")
            list(APPEND problems "exports the decorated name ${name}")
        elseif(NOT name IN_LIST EXPORTS)
            list(APPEND problems "exports ${name}, which is not an entry point")
        endif()
    endforeach()
    foreach(name ${EXPORTS})
        if(NOT name IN_LIST names)
            list(APPEND problems "does not export ${name}")
        endif()
    endforeach()
    list(REMOVE_DUPLICATES names)
    list(LENGTH names name_count)
    if(NOT address_count EQUAL expected_count OR NOT name_count EQUAL expected_count)
        list(APPEND problems
             "has ${address_count} exports (${name_count} by name), expected ${expected_count}")
    endif()
endif()

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "${module_name}:\n  ${text}\nexports: ${names}\nimports: ${imports}")
endif()
if(DEFINED EXPORTS)
    message(STATUS "${module_name}: exports ${names}; imports ${imports}")
else()
    message(STATUS "${module_name}: imports ${imports}")
endif()
