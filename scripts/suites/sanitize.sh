# AddressSanitizer and UndefinedBehaviorSanitizer over every test suite but the peers, on a
# virtual X display, so that the window tests and the editor checks of aaxhost validate open real
# windows too.
ensure_native_toolchain
configure_build "$ROOT/build/sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DVQ318_SANITIZE=address;undefined"
ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    run_ctest_on_display "$ROOT/build/sanitize" -LE peers
