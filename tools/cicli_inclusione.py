#!/usr/bin/python3
"""Fails when source files include each other in a loop, or when folders do:
a folder whose files include another folder's, which in turn includes the
first, cannot become two layers. Loops between layers cannot build at all:
each layer sees only the layers defined before it."""
import pathlib
import re
import sys

radice = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
inclusione = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def cerchi_di(grafo):
    """Every loop found by a depth-first walk, each as the path that closes it."""
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
    return cerchi


file_inclusi = {}
for sorgente in radice.rglob("*"):
    if sorgente.suffix in (".h", ".cpp"):
        testo = sorgente.read_text(errors="replace")
        file_inclusi[sorgente.relative_to(radice).as_posix()] = [
            i for i in inclusione.findall(testo) if (radice / i).exists()]

# The folder graph keeps, for each edge, one include that makes it, to name it.
cartelle, motivi = {}, {}
for sorgente, inclusi in file_inclusi.items():
    da = sorgente.split("/")[0]
    for incluso in inclusi:
        a = incluso.split("/")[0]
        if a != da:
            cartelle.setdefault(da, set()).add(a)
            motivi.setdefault((da, a), f"{sorgente} -> {incluso}")

errori = []
for cerchio in cerchi_di(file_inclusi):
    errori.append("inclusioni in cerchio: " + " -> ".join(cerchio))
for cerchio in cerchi_di(cartelle):
    passi = [motivi[(da, a)] for da, a in zip(cerchio, cerchio[1:])]
    errori.append("cartelle in cerchio: " + " -> ".join(cerchio) + " (" + "; ".join(passi) + ")")
for errore in errori:
    print(errore)
sys.exit(1 if errori else 0)
