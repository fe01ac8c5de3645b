# Runs the aaxhost executable's validation at level 10 on a module with the demo plug-in laid out
# the way an installer does: under its own install directory, which the registry names (the
# directory tree of VQ318_REGISTRY_ROOT on POSIX, the Wine registry through reg.exe on Windows).
#   cmake -DAAXHOST=... -DMODULE=... -DPLUGIN=... -DWORK=... [-DEMULATOR=a|b|c] -P validate_demo.cmake
get_filename_component(extension "${PLUGIN}" LAST_EXT)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/install/VST64")
file(COPY_FILE "${PLUGIN}" "${WORK}/install/VST64/VQ318${extension}")

if(EMULATOR)
    string(REPLACE "|" ";" emulator "${EMULATOR}")
    # Wine shows the host's root as drive Z:.
    string(REPLACE "/" "\\" directory "Z:${WORK}/install")
    set(key "HKLM\\Software\\Morvane\\VQ318")
    # Wine on a loaded machine now and then fails to start a program; the edit is safe to repeat.
    foreach(attempt RANGE 1 3)
        execute_process(COMMAND ${emulator} reg add ${key} /f /reg:64 /v installdirectory
            /d "${directory}" RESULT_VARIABLE added)
        if(added EQUAL 0)
            break()
        endif()
    endforeach()
    if(NOT added EQUAL 0)
        message(FATAL_ERROR "reg add failed: ${added}")
    endif()
else()
    set(ENV{VQ318_REGISTRY_ROOT} "${WORK}/registry")
    set(key_path "${WORK}/registry/HKEY_LOCAL_MACHINE/Software/Morvane/VQ318")
    file(MAKE_DIRECTORY "${key_path}")
    file(WRITE "${key_path}/installdirectory" "${WORK}/install")
endif()

execute_process(COMMAND ${emulator} "${AAXHOST}" validate "${MODULE}" --level 10
    --json "${WORK}/validate.json" RESULT_VARIABLE validated OUTPUT_VARIABLE report
    ERROR_VARIABLE problems)
if(EMULATOR)
    execute_process(COMMAND ${emulator} reg delete ${key} /f /reg:64 OUTPUT_QUIET ERROR_QUIET)
endif()
message("${report}${problems}")
if(NOT validated EQUAL 0 OR NOT report MATCHES "\n[0-9]+ passed, 0 failed(, 2 skipped)?\n")
    message(FATAL_ERROR "aaxhost validate exited with ${validated}")
endif()
