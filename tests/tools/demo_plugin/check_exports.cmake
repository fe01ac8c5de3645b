# Fails unless the library LIBRARY exports exactly one symbol, "main".
#   cmake -DLIBRARY=... -DTOOL=<nm or objdump> -DFORMAT=<elf or pe> -P check_exports.cmake
if(FORMAT STREQUAL "pe")
    execute_process(COMMAND ${TOOL} -p ${LIBRARY} OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
    # The name pointer table lists one "[ordinal] name" line per exported name, up to an
    # empty line.
    string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n(\t[^\n]*\n)*" table "${listing}")
    string(REGEX MATCHALL "\t\\[ *[0-9]+\\] [^\n]+" lines "${table}")
else()
    execute_process(COMMAND ${TOOL} -D --defined-only ${LIBRARY}
        OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
    string(REGEX MATCHALL "[^\n]+" lines "${listing}")
endif()
if(failed)
    message(FATAL_ERROR "cannot list the exports of ${LIBRARY}")
endif()
set(names)
foreach(line ${lines})
    string(REGEX REPLACE "^.* " "" name "${line}")
    list(APPEND names ${name})
endforeach()
if(NOT names STREQUAL "main")
    message(FATAL_ERROR "${LIBRARY} exports '${names}', expected only 'main'")
endif()
message(STATUS "${LIBRARY} exports only main")
