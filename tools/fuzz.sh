#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds each (default 60),
# built with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitizer/ (or $VELISTRA_BUILD_SANITIZER), the folder the sanitizer
# test run uses too. Inputs that reach new code stay in
# build-sanitizer/tests/fuzz/corpus/<target>/; a crash is saved as
# build-sanitizer/tests/fuzz/<target>-crash-<hash>: once fixed, it belongs in
# tests/fuzz/corpus/<target>/ so that every test run tries it again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
secondi=${1:-60}
build=${VELISTRA_BUILD_SANITIZER:-$root/build-sanitizer}
"$root/tools/setup.sh"
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DVELISTRA_FUZZ=ON \
  -DVELISTRA_FUZZ_SECONDI="$secondi" -DVELISTRA_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target fuzz
