# libFuzzer targets, built with clang under AddressSanitizer and UndefinedBehaviorSanitizer: a
# short bounded run of each on its committed seed corpus. Longer runs are made by hand, e.g.
#   build/fuzz/fuzz/chunk_reader/chunk_reader_fuzz -max_total_time=3600 build/fuzz/corpus/chunk_reader fuzz/chunk_reader/corpus
ensure_native_toolchain
ensure_packages clang libclang-rt-14-dev
configure_build "$ROOT/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DVQ318_BUILD_FUZZ=ON -DVQ318_BUILD_TESTS=OFF "-DVQ318_SANITIZE=address;undefined"

FUZZ_SECONDS=${FUZZ_SECONDS:-60}
for target in chunk_reader demo_chunk_reader effect_chunk host_sequence; do
    # The host-sequence target reads its input as a script of operations: short scripts keep
    # each run cheap, and a longer one only repeats what shorter ones reach.
    options=()
    [ "$target" = host_sequence ] && options=(-max_len=512)
    # New inputs go to the build tree; the committed seeds stay as they are.
    mkdir -p "$ROOT/build/fuzz/corpus/$target"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$ROOT/build/fuzz/fuzz/$target/${target}_fuzz" -max_total_time="$FUZZ_SECONDS" \
        "${options[@]}" \
        -print_final_stats=1 -artifact_prefix="$ROOT/build/fuzz/" "$ROOT/build/fuzz/corpus/$target" "$ROOT/fuzz/$target/corpus"
done
