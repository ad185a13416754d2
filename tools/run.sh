#!/usr/bin/env bash
# Builds the program and starts it from its program folder (build/programma),
# with the local lab stand-in beside it so the send can be tried end to end.
# Without a display it runs on a virtual one (Xvfb) and saves a screenshot.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELISTRA_BUILD:-$root/build}
"$root/tools/setup.sh"
"$root/tools/build.sh"
program="$build/programma/velistra"
# A dozen sample photos (JPEG, PNG, TIFF; some with camera EXIF) to browse at once.
[ -d "$build/campioni" ] || /usr/bin/python3 "$root/tools/campioni_foto.py" "$build/campioni"
echo "Sample photos to browse in the folder tree: $build/campioni"
schermo=
[ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || schermo=virtuale
if [ -n "$schermo" ]; then
  # Nobody sits at a virtual display: the run gets a home of its own whose
  # pictures folder is the sample photos', so they are in the grid at once.
  # A user at a display keeps the real home.
  # shellcheck source=tools/casa_dimostrativa.sh
  source "$root/tools/casa_dimostrativa.sh"
  casa_dimostrativa "$build/casa-dimostrativa" "$build/campioni"
fi
# The program finds its separator control through the component registry
# (of the home the program runs with).
"$build/programma/kelmora_registra" "$build/programma/libKelmora.so"

# The stand-in points build/programma/VelistraFTP.ini at itself (unless that
# file names another server) and ends when this script does.
rm -f "$build/laboratorio/laboratorio.json"
coproc LAB { exec /usr/bin/python3 "$root/tools/lab/laboratorio.py" \
  --cartella-programma "$build/programma" --stato "$build/laboratorio" --fino-a-stdin; }
for _ in $(seq 1 100); do
  [ -f "$build/laboratorio/laboratorio.json" ] && break
  sleep 0.2
done
if [ -f "$build/laboratorio/laboratorio.json" ]; then
  echo "Lab stand-in ready (state in $build/laboratorio); demo users in tools/lab/README.md."
else
  echo "The lab stand-in did not start: the program runs without it." >&2
fi

if [ -z "$schermo" ]; then
  "$program"
  exit 0
fi
shot="$build/velistra-screenshot.png"
echo "No display: starting Velistra on a virtual display (Xvfb 1280x1024)."
"$root/tools/finestra_su_schermo_virtuale.sh" "$build/programma/Velistra.ini" 1280 1024
# As an Italian customer's desktop would: amounts with the decimal comma.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  LANG=it_IT.UTF-8 "$1" & pid=$!
  sleep "${VELISTRA_RUN_SECONDS:-5}"
  import -window root "$2"
  kill $pid 2>/dev/null; wait $pid 2>/dev/null || true' _ "$program" "$shot"
# This script ended the run, not a crash: the next start need not warn of one.
sed -i "s/^ChiusuraOk=.*/ChiusuraOk=1/" "$build/programma/Velistra.ini"
echo "Screenshot of the program window: $shot"
