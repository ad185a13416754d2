#!/usr/bin/python3
"""Writes a dozen sample photos into a folder: JPEG, PNG and TIFF of different
sizes and orientations, some JPEGs with a camera-style EXIF block (maker,
model, date, orientation). Pixels come from ImageMagick's convert; the EXIF
block is written here.

Usage: tools/campioni_foto.py FOLDER
"""
import os
import shutil
import struct
import subprocess
import sys

CONVERT = "/usr/bin/convert" if os.path.exists("/usr/bin/convert") else "convert"
# ImageMagick's default font comes with Ghostscript's fonts, which a minimal
# install lacks: name a font file when the usual one is there.
CARATTERE = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# name, width, height, pixel recipe, caption, EXIF orientation (0: no EXIF)
CAMPIONI = [
    ("IMG_0001.JPG", 1600, 1200, "gradient:#1e88e5-#bbdefb", "Mare", 1),
    ("IMG_0002.JPG", 1600, 1200, "plasma:#2e7d32-#c5e1a5", "Bosco", 1),
    ("IMG_0003.JPG", 1200, 1600, "gradient:#f4511e-#ffe0b2", "Ritratto", 6),
    ("IMG_0004.JPG", 2048, 1536, "plasma:#6a1b9a-#e1bee7", "Fiori", 1),
    ("IMG_0005.JPG", 1536, 2048, "gradient:#00838f-#b2ebf2", "Faro", 8),
    ("IMG_0006.JPG", 1600, 1200, "plasma:#ef6c00-#fff3e0", "Tramonto", 3),
    ("spiaggia.jpeg", 1280, 960, "gradient:#fdd835-#0277bd", "Spiaggia", 0),
    ("montagna.png", 1024, 768, "gradient:#546e7a-#eceff1", "Montagna", 0),
    ("barca.png", 800, 1200, "plasma:#0d47a1-#90caf9", "Barca", 0),
    ("scansione.tiff", 1200, 900, "gradient:#8d6e63-#efebe9", "Scansione", 0),
    ("panorama.tiff", 2400, 800, "gradient:#283593-#9fa8da", "Panorama", 0),
    ("dettaglio.jpg", 640, 640, "plasma:#c62828-#ffcdd2", "Dettaglio", 0),
]


def voce_ifd(tag, tipo, conteggio, valore):
    return struct.pack("<HHI", tag, tipo, conteggio) + valore


def blocco_exif(orientamento, data):
    """An APP1 segment: IFD0 with Make, Model, Orientation and DateTime."""
    testi = [(0x010F, b"Velistra Camera\0"), (0x0110, b"VC-100\0"), (0x0132, data.encode() + b"\0")]
    numero = len(testi) + 1
    inizio_dati = 8 + 2 + numero * 12 + 4
    voci, dati = [], b""
    for tag, testo in testi[:2]:
        voci.append(voce_ifd(tag, 2, len(testo), struct.pack("<I", inizio_dati + len(dati))))
        dati += testo
    voci.append(voce_ifd(0x0112, 3, 1, struct.pack("<HH", orientamento, 0)))
    tag, testo = testi[2]
    voci.append(voce_ifd(tag, 2, len(testo), struct.pack("<I", inizio_dati + len(dati))))
    dati += testo
    tiff = b"II*\0" + struct.pack("<I", 8) + struct.pack("<H", numero) + b"".join(voci) + struct.pack("<I", 0) + dati
    corpo = b"Exif\0\0" + tiff
    return b"\xff\xe1" + struct.pack(">H", len(corpo) + 2) + corpo


def scrivi(cartella, nome, larghezza, altezza, ricetta, didascalia, orientamento, indice):
    percorso = os.path.join(cartella, nome)
    # A photo that the camera stored turned carries the orientation that turns it back.
    rotazione = {6: "-90", 8: "90", 3: "180"}.get(orientamento, "0")
    comando = [CONVERT, "-size", f"{larghezza}x{altezza}", ricetta,
               *(["-font", CARATTERE] if os.path.exists(CARATTERE) else []),
               "-fill", "white", "-stroke", "black", "-strokewidth", "3",
               "-pointsize", str(max(40, min(larghezza, altezza) // 6)),
               "-gravity", "center", "-annotate", "0", didascalia,
               "-rotate", rotazione, "-strip", "-quality", "88", "-compress",
               "LZW" if nome.endswith(".tiff") else "JPEG" if orientamento or nome.endswith((".jpg", ".jpeg")) else "Zip",
               percorso]
    subprocess.run(comando, check=True)
    if orientamento:
        with open(percorso, "rb") as f:
            jpeg = f.read()
        data = f"2026:06:{10 + indice:02d} 10:{indice:02d}:00"
        with open(percorso, "wb") as f:
            f.write(jpeg[:2] + blocco_exif(orientamento, data) + jpeg[2:])


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    if not shutil.which(CONVERT):
        sys.exit("ImageMagick's convert is needed (apt-get install imagemagick).")
    cartella = sys.argv[1]
    os.makedirs(cartella, exist_ok=True)
    for indice, campione in enumerate(CAMPIONI, start=1):
        scrivi(cartella, *campione, indice)
    print(f"{len(CAMPIONI)} sample photos in {cartella}")


if __name__ == "__main__":
    main()
