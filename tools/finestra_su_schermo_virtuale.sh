#!/usr/bin/env bash
# Makes a program folder's main window fill a virtual screen of WxH pixels:
# a virtual display has no window manager to maximise it, so the stored
# size (in twips at 96 dpi) is set to the screen's instead.
#   tools/finestra_su_schermo_virtuale.sh <Velistra.ini> <width> <height>
set -euo pipefail
ini=$1 larghezza=$2 altezza=$3
for riga in FormMassimizzata=0 "LarghezzaForm=$((larghezza * 15))" "AltezzaForm=$((altezza * 15))" \
            TopForm=0 LeftForm=0; do
  sed -i "s/^${riga%%=*}=.*/${riga}/" "$ini"
done
