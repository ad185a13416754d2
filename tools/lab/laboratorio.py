#!/usr/bin/python3
"""The local lab stand-in: the lab's HTTPS web service, its FTP server and an
HTTP tunnelling proxy on 127.0.0.1, on free ports.

    /usr/bin/python3 tools/lab/laboratorio.py [--stato DIR] [--cartella-programma DIR]
                                              [--fino-a-stdin] [--limite-ftp KB_AL_SECONDO]
                                              [--ftp-tls]

When everything listens it writes DIR/laboratorio.json (ports, addresses, CA,
users) and prints one line "PRONTO <the same JSON>". It stops on SIGINT or
SIGTERM, on the control action "ferma", and with --fino-a-stdin when its
standard input closes (so a test that dies takes it along).
"""
import argparse
import json
import logging
import os
import signal
import sys
import tempfile
import threading

QUI = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, QUI)

from archivio import Archivio  # noqa: E402
from certificati import prepara_certificati  # noqa: E402
from codici import leggi_codici  # noqa: E402
from guasti import Guasti  # noqa: E402
from ini_programma import punta_al_laboratorio  # noqa: E402
from proxy import ProxyTunnel  # noqa: E402
from server_ftp import ServerFTP  # noqa: E402
from servizio import PERCORSO_CONTROLLO, PERCORSO_SERVIZIO, Laboratorio, ServizioHTTPS  # noqa: E402

FILE_STATO = "laboratorio.json"
FILE_REGISTRO_FTP = "ftp.log"
FILE_REGISTRO_PROXY = "proxy.log"


def _scrivi_atomico(percorso, testo):
    temporaneo = percorso + ".tmp"
    with open(temporaneo, "w", encoding="utf-8") as f:
        f.write(testo)
    os.replace(temporaneo, percorso)


def _argomenti():
    p = argparse.ArgumentParser(description="Local stand-in of the lab's web service and FTP server.")
    p.add_argument("--stato", help="state folder (default: a new temporary folder); "
                   "an earlier run's folder keeps its transactions and certificates")
    p.add_argument("--cartella-programma", help="program folder whose VelistraFTP.ini "
                   "is pointed at the stand-in")
    p.add_argument("--fino-a-stdin", action="store_true", help="stop when stdin closes")
    p.add_argument("--limite-ftp", type=float, default=0, metavar="KB_AL_SECONDO",
                   help="each FTP upload (STOR data) arrives at no more than this many "
                   "kilobytes (1000 bytes) a second; 0, the default, for no limit")
    p.add_argument("--ftp-tls", action="store_true", help="the FTP server offers AUTH TLS "
                   "with the stand-in's certificate; data connections must resume the "
                   "control connection's TLS session")
    return p.parse_args()


def main():
    argomenti = _argomenti()
    stato = os.path.abspath(argomenti.stato or tempfile.mkdtemp(prefix="velistra-lab-"))
    os.makedirs(stato, exist_ok=True)
    logging.basicConfig(filename=os.path.join(stato, "laboratorio.log"), level=logging.INFO,
                        format="%(asctime)s %(message)s")
    percorso_stato = os.path.join(stato, FILE_STATO)
    if os.path.exists(percorso_stato):
        os.unlink(percorso_stato)  # its presence means "ready"

    with open(os.path.join(QUI, "utenti.json"), encoding="utf-8") as f:
        utenti = json.load(f)
    codici = leggi_codici()
    ca, certificato, chiave = prepara_certificati(stato)
    radice_ftp = os.path.join(stato, "ftp")
    os.makedirs(radice_ftp, exist_ok=True)

    archivio = Archivio(os.path.join(stato, "laboratorio.sqlite"))
    archivio.registra_utenti(utenti)
    guasti = Guasti()
    fine = threading.Event()
    laboratorio = Laboratorio(archivio, guasti, codici, os.path.join(QUI, "prezziario.xml"),
                              radice_ftp, fine)
    guasti.imposta_limite_ftp(argomenti.limite_ftp * 1000)
    ftp = ServerFTP(radice_ftp, utenti, guasti, os.path.join(stato, FILE_REGISTRO_FTP),
                    tls=(certificato, chiave) if argomenti.ftp_tls else None)
    https = ServizioHTTPS(laboratorio, certificato, chiave)
    proxy = ProxyTunnel(os.path.join(stato, FILE_REGISTRO_PROXY))

    for segnale in (signal.SIGINT, signal.SIGTERM):
        signal.signal(segnale, lambda *_: fine.set())
    if argomenti.fino_a_stdin:
        def attendi_stdin():
            # A raw read: a buffered one would hold its lock through interpreter exit.
            while os.read(sys.stdin.fileno(), 4096):
                pass
            fine.set()
        threading.Thread(target=attendi_stdin, name="stdin", daemon=True).start()

    ftp.avvia()
    https.avvia()
    proxy.avvia()
    base = "127.0.0.1:%d" % https.porta
    descrizione = {
        "pid": os.getpid(),
        "stato": stato,
        "porta_https": https.porta,
        "porta_ftp": ftp.porta,
        "porta_proxy": proxy.porta,
        "ftp_tls": argomenti.ftp_tls,
        "Server": "127.0.0.1:%d" % ftp.porta,
        "Base": base,
        "Prezzi": PERCORSO_SERVIZIO,
        "CertificatoCA": ca,
        "controllo": "https://%s%s" % (base, PERCORSO_CONTROLLO),
        "radice_ftp": radice_ftp,
        "registro_ftp": os.path.join(stato, FILE_REGISTRO_FTP),
        "registro_proxy": os.path.join(stato, FILE_REGISTRO_PROXY),
        "codici": codici,
        "utenti": utenti,
    }
    if argomenti.cartella_programma:
        ini = os.path.join(argomenti.cartella_programma, "VelistraFTP.ini")
        chiavi = {k: descrizione[k] for k in ("Server", "Base", "Prezzi", "CertificatoCA")}
        if punta_al_laboratorio(ini, chiavi):
            descrizione["ini_programma"] = ini
        else:
            print("laboratorio: %s names another server, left unchanged" % ini, file=sys.stderr)
    testo = json.dumps(descrizione, ensure_ascii=False)
    _scrivi_atomico(percorso_stato, testo)
    print("PRONTO " + testo, flush=True)
    if not argomenti.fino_a_stdin:
        print("Laboratorio di prova: https://%s%s, FTP 127.0.0.1:%d, proxy 127.0.0.1:%d, stato in %s. "
              "Ctrl+C per fermarlo." % (base, PERCORSO_SERVIZIO, ftp.porta, proxy.porta, stato), flush=True)

    try:
        while not fine.wait(0.5):
            pass
    finally:
        https.ferma()
        ftp.ferma()
        proxy.ferma()
        archivio.chiudi()
        if os.path.exists(percorso_stato):
            os.unlink(percorso_stato)
    return 0


if __name__ == "__main__":
    sys.exit(main())
