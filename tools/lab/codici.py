"""The operation codes of the lab's web service, read from the program's own
source file so that the stand-in and the program can never disagree."""
import os
import re

SORGENTE = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                        "..", "..", "src", "send", "CodiciOperazione.h")

# The twelve operations in the order the program obtains them.
OPERAZIONI = (
    "f_K_HTTPS_NUOVA_TRANSAZIONE",
    "f_K_HTTPS_LEGGI_TRANSAZIONE_DA_PAGARE",
    "f_K_HTTPS_LEGGI_TRANSAZIONE_PAGATO",
    "f_K_HTTPS_CANCELLA_TRANSAZIONE",
    "f_K_HTTPS_LOGIN",
    "f_K_HTTPS_CREA_MD5",
    "f_K_HTTPS_LEGGI_MD5",
    "f_K_HTTPS_PREZZI",
    "f_K_HTTPS_LEGGI_VELISTRA",
    "f_K_HTTPS_PAGATO",
    "f_K_HTTPS_PAGA_VELISTRA",
    "f_K_HTTPS_VELISTRA_TRAFERITO",
)

_DEFINIZIONE = re.compile(
    r'inline\s+QString\s+(\w+)\(\)\s*\{\s*return\s+QStringLiteral\("((?:[^"\\]|\\.)*)"\);\s*\}')


class CodiciNonValidi(Exception):
    pass


def leggi_costanti(percorso=SORGENTE):
    """Every text constant of the source file, by function name."""
    with open(percorso, encoding="utf-8") as f:
        testo = f.read()
    costanti = {}
    for nome, valore in _DEFINIZIONE.findall(testo):
        if "\\" in valore:
            raise CodiciNonValidi("%s: escapes are not supported" % nome)
        if nome in costanti:
            raise CodiciNonValidi("%s defined twice" % nome)
        costanti[nome] = valore
    return costanti


def leggi_codici(percorso=SORGENTE):
    """Operation name -> code, for exactly the twelve operations, all distinct."""
    costanti = leggi_costanti(percorso)
    mancanti = [n for n in OPERAZIONI if n not in costanti]
    if mancanti:
        raise CodiciNonValidi("missing in %s: %s" % (percorso, ", ".join(mancanti)))
    codici = {n: costanti[n] for n in OPERAZIONI}
    if len(set(codici.values())) != len(codici) or "" in codici.values():
        raise CodiciNonValidi("the operation codes must be distinct and not empty")
    return codici
