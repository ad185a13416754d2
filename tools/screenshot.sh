#!/usr/bin/env bash
# Starts Velistra on a virtual display (Xvfb) in a clean temporary home whose
# pictures folder holds only the sample photos, with a few of them already in
# the album, and saves a screenshot of the main window.
#   tools/screenshot.sh [picture.png]     default: <build>/frmScegliFoto.png
# VELISTRA_BUILD names the build folder (default build/), VELISTRA_RUN_SECONDS
# how long the program runs before the picture is taken (default 8),
# VELISTRA_SCREEN the screen size (default 1280x800).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELISTRA_BUILD:-$root/build}
shot=$(realpath -m "${1:-$build/frmScegliFoto.png}")
[ -x "$build/programma/velistra" ] || { echo "Build first: $build/programma/velistra is missing." >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy of the program folder: the run writes its settings and album there.
cp -a "$build/programma" "$work/programma"
rm -rf "$work/programma/Velistra.xml" "$work/programma/Velistra" "$work/programma/Velistra.lock"
ini="$work/programma/Velistra.ini"
schermo=${VELISTRA_SCREEN:-1280x800}
larghezza=${schermo%x*} altezza=${schermo#*x}
# No window over the main one, and a window that fills the virtual screen.
# The splitter keeps the installed value, which the window fits to the screen.
for riga in DatiUtenteOk=1 NonMostrareMessaggio=1 ChiusuraOk=1 FTPInCorso=0; do
  sed -i "s/^${riga%%=*}=.*/${riga}/" "$ini"
done
"$root/tools/finestra_su_schermo_virtuale.sh" "$ini" "$larghezza" "$altezza"

# Nothing of the machine's own user: a home with only the sample photos in
# its pictures folder.
# shellcheck source=tools/casa_dimostrativa.sh
source "$root/tools/casa_dimostrativa.sh"
casa_dimostrativa "$work/home"

# An album with a few photos already in it, as a customer would have after a
# first session: copies in the work folder and their entries.
lavoro="$work/programma/Velistra"
mkdir -p "$lavoro"
declare -A voci
n=0
for voce in IMG_0001.JPG:15x10:2:FILLIN IMG_0003.JPG:15x10:1:FITIN montagna.png:20x15:1:FILLIN \
            spiaggia.jpeg:15x10:3:FILLIN; do
  IFS=: read -r nome formato quantita modo <<<"$voce"
  n=$((n + 1))
  copia="$lavoro/$(printf 'imgVE_%06d' "$n").${nome##*.}"
  cp "$HOME/Pictures/$nome" "$copia"
  voci[$formato]+="<file><nomecompleto>$copia</nomecompleto><titolo>$nome</titolo><quantita>$quantita</quantita>"
  voci[$formato]+="<formato>$formato</formato><ridimensionamento>$modo</ridimensionamento></file>"
done
printf '<?xml version="1.0" encoding="UTF-8"?>\n<xml><formato id="15x10"><files>%s</files></formato><formato id="20x15"><files>%s</files></formato></xml>\n' \
  "${voci[15x10]}" "${voci[20x15]}" > "$work/programma/Velistra.xml"
sed -i "s/^ContatoreFoto=.*/ContatoreFoto=$n/" "$ini"

# An Italian customer's desktop: amounts with the decimal comma.
# shellcheck disable=SC2016  # the inner shell expands its own arguments
xvfb-run -a -s "-screen 0 ${schermo}x24" bash -c '
  LANG=it_IT.UTF-8 "$1" & pid=$!
  sleep "$3"
  import -window root "$2"
  kill $pid 2>/dev/null; wait $pid 2>/dev/null || true' _ "$work/programma/velistra" "$shot" "${VELISTRA_RUN_SECONDS:-8}"
echo "Screenshot of the main window: $shot"
