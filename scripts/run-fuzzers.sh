#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time on a copy of
# its seed corpus (ASan + UBSan); a crash or a broken property fails.
set -euo pipefail
seconds="${1:-20}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZORVANE_FUZZ=ON -DZORVANE_TESTS=OFF -DZORVANE_BENCHMARKS=OFF > /dev/null
cmake --build build-fuzz --target fuzz_all
for corpus in tests/fuzz/corpus/*/; do
    target=$(basename "$corpus")
    work=$(mktemp -d)
    echo "== $target (${seconds} s)"
    if ! ASAN_OPTIONS=detect_leaks=1 "build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" \
        -artifact_prefix="$work/" "$work" "$corpus" > "$work/log" 2>&1; then
        tail -n 40 "$work/log"
        echo "$target failed; the input that broke it is in $work"
        exit 1
    fi
    grep -E '^Done' "$work/log"
    rm -rf "$work"
done
