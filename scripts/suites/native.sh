# Release build with benchmarks compiled; every test suite.
ensure_native_toolchain
configure_build "$ROOT/build/native" -DCMAKE_BUILD_TYPE=Release -DVQ318_BUILD_BENCH=ON
run_ctest "$ROOT/build/native"
