# ThreadSanitizer over the suites that exercise several threads (CTest label "concurrency").
ensure_native_toolchain
configure_build "$ROOT/build/tsan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVQ318_SANITIZE=thread
TSAN_OPTIONS=halt_on_error=1 run_ctest "$ROOT/build/tsan" -L concurrency
