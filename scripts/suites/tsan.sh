# ThreadSanitizer over the suites that exercise several threads (CTest labels "concurrency" and
# "window").
ensure_native_toolchain
configure_build "$ROOT/build/tsan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVQ318_SANITIZE=thread
TSAN_OPTIONS=halt_on_error=1 run_ctest "$ROOT/build/tsan" -L concurrency
# The edit window's tests too: the editor's edits on the window's thread while blocks render.
TSAN_OPTIONS=halt_on_error=1 run_ctest_on_display "$ROOT/build/tsan" -L window
