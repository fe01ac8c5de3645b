# Checks that a library exports exactly the names listed in a file, one a line.
#   cmake -DLIBRARY=<file> -DTOOL=<nm for ELF, objdump for PE> -DEXPECTED=<list file>
#         -P CheckExports.cmake
get_filename_component(tool_name ${TOOL} NAME)
if(tool_name MATCHES "objdump")
    # The export table's name list: lines "[   0] Name" or, with the ordinal base shown,
    # "[   0] +base[   1] 0000 Name".
    execute_process(COMMAND ${TOOL} -p ${LIBRARY} OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
    set(line_pattern "^[ \t]*\\[ *[0-9]+\\] (\\+base\\[ *[0-9]+\\] [0-9a-fA-F]+ )?([A-Za-z_][A-Za-z0-9_@]*)$")
    set(name_group 2)
else()
    # Defined dynamic symbols: lines "address type name".
    execute_process(COMMAND ${TOOL} -D --defined-only ${LIBRARY}
        OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
    set(line_pattern "^[0-9a-fA-F]+ [A-Za-z] (.+)$")
    set(name_group 1)
endif()
if(failed)
    message(FATAL_ERROR "${TOOL} could not read ${LIBRARY}")
endif()

string(REPLACE "\n" ";" lines "${listing}")
set(exported)
foreach(line IN LISTS lines)
    if(line MATCHES "${line_pattern}")
        list(APPEND exported "${CMAKE_MATCH_${name_group}}")
    endif()
endforeach()
file(STRINGS ${EXPECTED} expected)

list(SORT exported)
list(SORT expected)
if(NOT exported STREQUAL expected)
    message(FATAL_ERROR "${LIBRARY} exports\n  ${exported}\nexpected\n  ${expected}")
endif()
list(LENGTH exported count)
message(STATUS "${LIBRARY} exports exactly the ${count} expected names")
