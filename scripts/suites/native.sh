# Release build with benchmarks compiled; every test suite but the peers (scripts/suites/peers.sh),
# the window tests under Xvfb.
ensure_native_toolchain
# The JUnit reader that the validator's report is checked with.
ensure_packages python3-junitparser
configure_build "$ROOT/build/native" -DCMAKE_BUILD_TYPE=Release -DVQ318_BUILD_BENCH=ON
# The peers have their own suite; the window tests run on a virtual X display.
# On a display, so that the editor checks of aaxhost validate open real windows too.
run_ctest_on_display "$ROOT/build/native" -LE peers
echo "window test screenshots: $ROOT/build/native/window-screenshots"
