#!/usr/bin/env bash
# Installs the built package, with only what it depends on, into a fresh
# minimal Debian 12 made by debootstrap, starts the installed program there on
# a virtual display with a pictures folder of HEIC, AVIF, WebP and TIFF photos,
# and saves a screenshot: each photo must show as a thumbnail, decoded by
# what the package's dependencies brought.
#   tools/installazione_pulita.sh [picture.png]     default: <build>/installazione_pulita.png
# Run by hand, as root, with Debian's mirror reachable: the download does not
# fit in a CI run. VELISTRA_BUILD names the build folder (default build/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELISTRA_BUILD:-$root/build}
shot=$(realpath -m "${1:-$build/installazione_pulita.png}")
pacchetto=$(find "$build/tests/installazione/pacchetto" -maxdepth 1 -name 'velistra_*.deb' 2>/dev/null | head -1)
[ -n "$pacchetto" ] || { echo "Build the package first: ctest -L installazione in $build." >&2; exit 1; }
command -v debootstrap >/dev/null || apt-get install -y --no-install-recommends debootstrap

sistema=$(mktemp -d /var/tmp/velistra-pulita.XXXXXX)
smonta() {
  umount "$sistema/proc" "$sistema/dev" 2>/dev/null || true
  rm -rf "$sistema"
}
trap smonta EXIT
debootstrap --variant=minbase bookworm "$sistema" http://deb.debian.org/debian
mount -t proc proc "$sistema/proc"
mount --bind /dev "$sistema/dev"
dentro() { chroot "$sistema" env DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 "$@"; }

# The package and what it depends on: no recommends, as a careful user installs it.
cp "$pacchetto" "$sistema/tmp/velistra.deb"
dentro apt-get update -q
dentro apt-get install -y -q --no-install-recommends /tmp/velistra.deb
# The test's own tools come after, and must not bring a decoder the package lacks.
decodificatori='libheif1 libde265-0 libdav1d6 libaom3 libwebp7 libtiff6 liblcms2-2 libturbojpeg0 qt6-image-formats-plugins'
# shellcheck disable=SC2016  # dpkg-query's own field syntax
prima=$(dentro dpkg-query -W -f '${Package}\n')
dentro apt-get install -y -q --no-install-recommends xvfb xauth x11-apps locales
# shellcheck disable=SC2016
dopo=$(dentro dpkg-query -W -f '${Package}\n')
for nome in $decodificatori; do
  if ! grep -qx "$nome" <<<"$prima" && grep -qx "$nome" <<<"$dopo"; then
    echo "$nome came with the test's tools, not with the package" >&2
    exit 1
  fi
done
echo "Decoders the package brought: $(for nome in $decodificatori; do grep -qx "$nome" <<<"$prima" && printf '%s ' "$nome"; done)"
dentro sh -c 'echo "it_IT.UTF-8 UTF-8" > /etc/locale.gen && locale-gen >/dev/null'

# A user's home whose pictures folder holds one photo of each format.
casa=$sistema/home/cliente
mkdir -p "$casa/Pictures" "$casa/.config"
printf 'XDG_PICTURES_DIR="/home/cliente/Pictures"\n' > "$casa/.config/user-dirs.dirs"
n=0
for voce in heic:red avif:green webp:blue tif:orange; do
  formato=${voce%%:*} colore=${voce#*:}
  n=$((n + 1))
  convert -size 600x400 "xc:$colore" -quality 90 "$casa/Pictures/foto$n.$formato"
done
# shellcheck disable=SC2016  # the inner shell expands its own arguments
avvia() {
  dentro env HOME=/home/cliente XDG_CONFIG_HOME=/home/cliente/.config XDG_DATA_HOME=/home/cliente/.local/share \
    LANG=it_IT.UTF-8 xvfb-run -a -s "-screen 0 1280x800x24" sh -c \
    'velistra & pid=$!; sleep "$1"; xwd -root -silent > /tmp/schermo.xwd; kill $pid; wait $pid 2>/dev/null || true' _ "$1"
}
# The first start makes the user's files; the second one, with no window over
# the main one, is the one looked at.
avvia 8
ini=$casa/.local/share/Velistra/Velistra.ini
for riga in DatiUtenteOk=1 NonMostrareMessaggio=1 ChiusuraOk=1; do
  sed -i "s/^${riga%%=*}=.*/${riga}/" "$ini"
done
"$root/tools/finestra_su_schermo_virtuale.sh" "$ini" 1280 800
avvia 10
convert "xwd:$sistema/tmp/schermo.xwd" "$shot"
echo "Screenshot of the installed program in a clean system: $shot"
