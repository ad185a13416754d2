#!/usr/bin/python3
"""Fails when source files include each other in a loop. Loops between layers
cannot build at all: each layer sees only the layers defined before it."""
import pathlib
import re
import sys

radice = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
inclusione = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)

grafo = {}
for sorgente in radice.rglob("*"):
    if sorgente.suffix in (".h", ".cpp"):
        testo = sorgente.read_text(errors="replace")
        grafo[sorgente.relative_to(radice).as_posix()] = [
            i for i in inclusione.findall(testo) if (radice / i).exists()]

cerchi, stato, pila = [], {}, []


def visita(nodo):
    stato[nodo] = "aperto"
    pila.append(nodo)
    for vicino in sorted(grafo.get(nodo, ())):
        if stato.get(vicino) == "aperto":
            cerchi.append(pila[pila.index(vicino):] + [vicino])
        elif vicino not in stato:
            visita(vicino)
    pila.pop()
    stato[nodo] = "chiuso"


for nodo in sorted(grafo):
    if nodo not in stato:
        visita(nodo)
for cerchio in cerchi:
    print("inclusioni in cerchio:", " -> ".join(cerchio))
sys.exit(1 if cerchi else 0)
