#!/usr/bin/env bash
# The whole test suite from a fresh machine: packages, build, every test; then
# the tests that need no window and the fuzz corpora again under the sanitizers,
# and the model tests under ThreadSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh"
(cd "${VELISTRA_BUILD:-$root/build}" &&
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 600)
"$root/tools/test_sanitizer.sh"
"$root/tools/test_sanitizer.sh" thread
