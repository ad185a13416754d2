#!/usr/bin/env bash
# Builds the Debian package from a clean clone: packages needed, a Release
# build without tests or benchmarks in build-pacchetto/ (or $VELISTRA_BUILD_PACCHETTO),
# then cpack. Prints the package's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELISTRA_BUILD_PACCHETTO:-$root/build-pacchetto}
"$root/tools/setup.sh"
VELISTRA_BUILD=$build "$root/tools/build.sh" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DBUILD_TESTING=OFF -DVELISTRA_BENCH=OFF
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/velistra_*.deb
