# Third-party VST 2.4 plug-ins from Debian, each wrapped by the shipped module: every peer test in
# the release build, then again under AddressSanitizer and UndefinedBehaviorSanitizer (the
# multi-channel peers among them). Leak checking stays off there: at exit LeakSanitizer's tracer
# faults on threads that some peers leave running.
ensure_native_toolchain
ensure_packages dragonfly-reverb-vst dpf-plugins-vst lsp-plugins-vst
configure_build "$ROOT/build/native" -DCMAKE_BUILD_TYPE=Release -DVQ318_BUILD_BENCH=ON
# Their editors open in windows, so the peers run on a virtual X display.
run_ctest_on_display "$ROOT/build/native" -L peers
echo "peer editor screenshots: $ROOT/build/native/window-screenshots"
configure_build "$ROOT/build/sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DVQ318_SANITIZE=address;undefined"
ASAN_OPTIONS=detect_leaks=0:strict_string_checks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    run_ctest_on_display "$ROOT/build/sanitize" -L peers
