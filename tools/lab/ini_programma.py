"""Points the program's "VelistraFTP.ini" at the running stand-in, unless the
file already names another server."""
import os
import re
import tempfile

SEZIONE = "DatiFTP"
HOST_LOCALI = ("127.0.0.1", "localhost")
_SEZIONE = re.compile(r"^\s*\[(.*)\]\s*$")


def _host(valore):
    """The host of "host[:port][/path]"."""
    return valore.strip().split("/")[0].rsplit(":", 1)[0] if valore.strip() else ""


def _righe(percorso):
    if not os.path.isfile(percorso):
        return [], "\r\n"
    with open(percorso, "rb") as f:
        testo = f.read().decode("cp1252", "replace")
    return testo.splitlines(), "\r\n" if "\r\n" in testo or not testo else "\n"


def _valori(righe):
    valori, sezione = {}, None
    for riga in righe:
        m = _SEZIONE.match(riga)
        if m:
            sezione = m.group(1).strip().lower()
        elif sezione == SEZIONE.lower() and "=" in riga:
            chiave, valore = riga.split("=", 1)
            valori[chiave.strip().lower()] = valore
    return valori


def nomina_altro_server(percorso):
    valori = _valori(_righe(percorso)[0])
    return any(_host(valori.get(k, "")) not in ("",) + HOST_LOCALI for k in ("server", "base"))


def punta_al_laboratorio(percorso, valori_nuovi):
    """Writes the given keys of [DatiFTP] and keeps every other line. Returns
    False, writing nothing, when the file names a server other than this machine."""
    if nomina_altro_server(percorso):
        return False
    righe, fine_riga = _righe(percorso)
    restanti = dict(valori_nuovi)
    uscita, sezione, inizio_sezione = [], None, None
    for riga in righe:
        m = _SEZIONE.match(riga)
        if m:
            if sezione == SEZIONE.lower():
                uscita.extend("%s=%s" % kv for kv in restanti.items())
                restanti = {}
            sezione = m.group(1).strip().lower()
            if sezione == SEZIONE.lower():
                inizio_sezione = len(uscita)
        elif sezione == SEZIONE.lower() and "=" in riga:
            chiave = riga.split("=", 1)[0].strip()
            uguale = next((k for k in restanti if k.lower() == chiave.lower()), None)
            if uguale is not None:
                uscita.append("%s=%s" % (chiave, restanti.pop(uguale)))
                continue
        uscita.append(riga)
    if restanti:
        if inizio_sezione is None:
            uscita.append("[%s]" % SEZIONE)
        uscita.extend("%s=%s" % kv for kv in restanti.items())
    cartella = os.path.dirname(os.path.abspath(percorso))
    fd, temporaneo = tempfile.mkstemp(prefix=".VelistraFTP.", dir=cartella)
    try:
        with os.fdopen(fd, "wb") as f:
            f.write((fine_riga.join(uscita) + fine_riga).encode("cp1252", "replace"))
        os.chmod(temporaneo, 0o644)
        os.replace(temporaneo, percorso)
    except BaseException:
        os.unlink(temporaneo)
        raise
    return True
