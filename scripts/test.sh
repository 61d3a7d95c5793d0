#!/usr/bin/env bash
# Sets up, builds and runs every test. With --sanitize the build uses
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build-test
opts=(-DCMAKE_BUILD_TYPE=Debug)
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-sanitize
    opts+=(-DNAMIYOSE_SANITIZE=ON -DNAMIYOSE_BUILD_BENCH=OFF)
    export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
# The install check builds a .deb (file, dpkg-dev) and holds it to lintian;
# the benchmarks need Google Benchmark; the fuzz targets need clang's libFuzzer.
scripts/setup-debian.sh desktop-file-utils appstream file dpkg-dev lintian libbenchmark-dev clang libclang-rt-14-dev
cmake -S . -B "$dir" "${opts[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
cd "$dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
