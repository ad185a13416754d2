#!/usr/bin/env bash
# Builds the program and starts it from its program folder (build/programma).
# Without a display it runs on a virtual one (Xvfb) and saves a screenshot.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh"
program="${VELISTRA_BUILD:-$root/build}/programma/velistra"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi
shot="${VELISTRA_BUILD:-$root/build}/velistra-screenshot.png"
echo "No display: starting Velistra on a virtual display (Xvfb 1280x1024)."
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$1" & pid=$!
  sleep "${VELISTRA_RUN_SECONDS:-5}"
  import -window root "$2"
  kill $pid 2>/dev/null; wait $pid 2>/dev/null || true' _ "$program" "$shot"
echo "Screenshot of the program window: $shot"
