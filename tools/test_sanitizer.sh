#!/usr/bin/env bash
# The tests that need no window, and the replay of every fuzz corpus, once more
# built with clang, AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitizer/ (or $VELISTRA_BUILD_SANITIZER). Any report fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELISTRA_BUILD_SANITIZER:-$root/build-sanitizer}
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DVELISTRA_FUZZ=ON \
  -DVELISTRA_BENCH=OFF -DVELISTRA_TEST="startup;settings;common;album;ordine;codecs;send;fuzz" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
cd "$build"
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 600
