# Under Wine: with the plug-in's install key in neither registry view, the module hands its
# load-failure text and the failed step to the system's debug output, which Wine prints on its
# "seh" channel.
#   cmake -DAAXHOST=... -DMODULE=... -DEMULATOR=a|b|c -P debug_output.cmake
string(REPLACE "|" ";" emulator "${EMULATOR}")
set(key "HKLM\\Software\\Morvane\\VQ318")
foreach(view /reg:64 /reg:32)
    execute_process(COMMAND ${emulator} reg delete ${key} /f ${view} OUTPUT_QUIET ERROR_QUIET)
endforeach()
list(TRANSFORM emulator REPLACE "^WINEDEBUG=.*" "WINEDEBUG=-all,warn+seh")
execute_process(COMMAND ${emulator} "${AAXHOST}" describe "${MODULE}"
    RESULT_VARIABLE described OUTPUT_VARIABLE report ERROR_VARIABLE debug)
set(expected "OutputDebugStringA \"VQ318 AAX: Unable to load Morvane \\n you should reinstall \
your VQ318 product (the install key is in neither registry view)")
string(FIND "${debug}" "${expected}" at)
if(NOT described EQUAL 0 OR at EQUAL -1)
    message(FATAL_ERROR "aaxhost describe exited with ${described}; debug output:\n${debug}")
endif()
