# Third-party VST 2.4 plug-ins from Debian, each wrapped by the shipped module: the release build
# runs every peer test; the sanitizer build renders the multi-channel peers. Leak checking is off
# there: the plug-ins' own allocations are not ours to judge.
ensure_native_toolchain
ensure_packages dragonfly-reverb-vst dpf-plugins-vst lsp-plugins-vst
configure_build "$ROOT/build/native" -DCMAKE_BUILD_TYPE=Release -DVQ318_BUILD_BENCH=ON
run_ctest "$ROOT/build/native" -L peers
configure_build "$ROOT/build/sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DVQ318_SANITIZE=address;undefined"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    GTEST_FILTER='*RendersAsADirectHostDoes/AmplitudeImposer:*RendersAsADirectHostDoes/ThreeBandSplitter' \
    run_ctest "$ROOT/build/sanitize" -L peers
