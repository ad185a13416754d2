#!/bin/sh
# Builds the Debian package of a build folder into a scratch folder and runs
# lintian on it: any error fails, warnings are printed.
#   lintian_pacchetto.sh <cpack> <build> <scratch>
set -eu
cpack=$1 build=$2 cartella=$3
rm -rf "$cartella"
mkdir -p "$cartella"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$cartella" >"$cartella/cpack.log" 2>&1 ||
  { cat "$cartella/cpack.log"; exit 1; }
pacchetto=$(ls "$cartella"/velistra_*.deb)
lintian --fail-on error --no-tag-display-limit "$pacchetto"
