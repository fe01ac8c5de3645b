# The Windows x64 build (mingw-w64) and every test suite under Wine, then a check that the
# Windows binaries need no compiler runtime DLL beside them.
ensure_packages cmake ninja-build googletest g++-mingw-w64-x86-64-posix mingw-w64 wine wine64 \
    libcli11-dev xvfb xauth
build="$ROOT/build/windows"
configure_build "$build" -DCMAKE_BUILD_TYPE=Release -DVQ318_BUILD_BENCH=ON \
    "-DCMAKE_TOOLCHAIN_FILE=$ROOT/cmake/mingw-w64-x86_64.cmake"
# A test that hangs under Wine must not hold CI up. Wine shows its windows on a virtual X display,
# where the window tests open the editor.
run_ctest_on_display "$build" --timeout 600
echo "window test screenshots: $build/window-screenshots"

# Every DLL that an EXE, DLL or module bundle of the build imports is a system DLL of Windows (one
# that the Wine prefix holds in system32) or one of the build's own.
system32="$build/wine-prefix/drive_c/windows/system32"
bad=0
bundles=$(find "$build" -path '*.aaxplugin/Contents/x64/*.aaxplugin' -type f)
for binary in "$build"/bin/*.exe "$build"/bin/*.dll $bundles; do
    [ -f "$binary" ] || continue
    for dll in $(x86_64-w64-mingw32-objdump -p "$binary" | awk '/DLL Name:/ { print $3 }'); do
        lower=${dll,,}
        if [ -z "$(find "$system32" "$build/bin" -maxdepth 1 -iname "$lower" -print -quit)" ]; then
            echo "${binary#"$build"/} imports $dll, which is not a system DLL" >&2
            bad=1
        fi
    done
done
[ "$bad" -eq 0 ]
echo "Windows binaries import system DLLs only"
