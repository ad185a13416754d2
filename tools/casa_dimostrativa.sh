# shellcheck shell=bash
# A home of its own for a run on a virtual display: nothing of the machine's
# user, and a pictures folder that holds the sample photos, so that the folder
# tree opens on them ("Immagini") and the grid shows them at once.
#   source tools/casa_dimostrativa.sh
#   casa_dimostrativa <home> [<pictures folder>]     default: <home>/Pictures
# Exports HOME and the XDG folders under <home>; the sample photos are written
# into the pictures folder when it has none.
casa_dimostrativa() {
  local casa=$1 immagini=${2:-$1/Pictures}
  local strumenti
  strumenti=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
  export HOME="$casa" XDG_CONFIG_HOME="$casa/.config" XDG_DATA_HOME="$casa/.local/share" \
         XDG_CACHE_HOME="$casa/.cache"
  mkdir -p "$XDG_CONFIG_HOME" "$immagini"
  # The desktop's own way to name the pictures folder, also one outside the home.
  printf 'XDG_PICTURES_DIR="%s"\n' "$(realpath "$immagini")" > "$XDG_CONFIG_HOME/user-dirs.dirs"
  [ -n "$(ls -A "$immagini")" ] || /usr/bin/python3 "$strumenti/campioni_foto.py" "$immagini"
}
