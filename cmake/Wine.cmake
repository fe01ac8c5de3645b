# Runs the cross-compiled Windows programs under Wine, in a prefix that belongs to this build
# directory: quiet, and with the .NET and HTML runtimes disabled so that no installer starts.
find_program(VQ318_WINE wine REQUIRED)
set(VQ318_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env WINEPREFIX=${VQ318_WINE_PREFIX}
        WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= ${VQ318_WINE})
endif()
