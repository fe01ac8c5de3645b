# Release build with benchmarks compiled; every test suite but the peers (scripts/suites/peers.sh).
ensure_native_toolchain
# The JUnit reader that the validator's report is checked with.
ensure_packages python3-junitparser
configure_build "$ROOT/build/native" -DCMAKE_BUILD_TYPE=Release -DVQ318_BUILD_BENCH=ON
# The peers have their own suite.
run_ctest "$ROOT/build/native" -LE peers
