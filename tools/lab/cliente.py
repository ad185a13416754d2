#!/usr/bin/python3
"""Starts, drives and stops the stand-in from Python; also a command line for
the control address:

    /usr/bin/python3 tools/lab/cliente.py --stato DIR azione=paga transazione_id=1
"""
import argparse
import json
import os
import select
import ssl
import subprocess
import tempfile
import time
import urllib.error
import urllib.parse
import urllib.request

QUI = os.path.dirname(os.path.abspath(__file__))
PYTHON = "/usr/bin/python3"


def leggi_descrizione(stato):
    with open(os.path.join(stato, "laboratorio.json"), encoding="utf-8") as f:
        return json.load(f)


class Cliente:
    """Form posts to a running stand-in, trusting its own certificate authority."""

    def __init__(self, descrizione, timeout=10):
        self.descrizione = descrizione
        self.timeout = timeout
        self._contesto = ssl.create_default_context(cafile=descrizione["CertificatoCA"])

    def posta(self, indirizzo, campi, timeout=None):
        """(status, content type, body bytes) of one form post."""
        corpo = urllib.parse.urlencode(campi).encode("ascii")
        richiesta = urllib.request.Request(
            indirizzo, data=corpo,
            headers={"Content-Type": "application/x-www-form-urlencoded"})
        try:
            with urllib.request.urlopen(richiesta, context=self._contesto,
                                        timeout=timeout or self.timeout) as r:
                return r.status, r.headers.get("Content-Type", ""), r.read()
        except urllib.error.HTTPError as errore:
            return errore.code, errore.headers.get("Content-Type", ""), errore.read()

    def leggi(self, indirizzo):
        with urllib.request.urlopen(indirizzo, context=self._contesto, timeout=self.timeout) as r:
            return r.status, r.read().decode("utf-8")

    def servizio(self, operazione, username, password, timeout=None, **campi):
        """The reply body of one operation, named by its code function."""
        modulo = {"username": username, "passwd": password,
                  "modo": self.descrizione["codici"][operazione]}
        modulo.update(campi)
        indirizzo = "https://%s%s" % (self.descrizione["Base"], self.descrizione["Prezzi"])
        return self.posta(indirizzo, modulo, timeout)[2]

    def controllo(self, azione, **campi):
        stato, _, corpo = self.posta(self.descrizione["controllo"], dict(azione=azione, **campi))
        esito = json.loads(corpo.decode("utf-8"))
        if stato != 200:
            raise ValueError(esito.get("errore"))
        return esito

    def registro_ftp(self):
        with open(self.descrizione["registro_ftp"], encoding="utf-8") as f:
            return [json.loads(r) for r in f if r.endswith("\n")]


class ProcessoLaboratorio:
    """The stand-in as a child process; stops it on exit from the with-block."""

    def __init__(self, stato=None, cartella_programma=None, attesa_avvio=60, ftp_tls=False):
        self._temporanea = None if stato else tempfile.TemporaryDirectory(prefix="velistra-lab-")
        self.stato = stato or self._temporanea.name
        comando = [PYTHON, "-B", os.path.join(QUI, "laboratorio.py"), "--stato", self.stato,
                   "--fino-a-stdin"]
        if cartella_programma:
            comando += ["--cartella-programma", cartella_programma]
        if ftp_tls:
            comando.append("--ftp-tls")
        os.makedirs(self.stato, exist_ok=True)
        # Errors go to a file: an unread pipe could fill up and stall the stand-in.
        self._errori = os.path.join(self.stato, "errori.log")
        with open(self._errori, "ab") as errori:
            self.processo = subprocess.Popen(comando, stdin=subprocess.PIPE,
                                             stdout=subprocess.PIPE, stderr=errori)
        riga = self._prima_riga(attesa_avvio).decode("utf-8")
        if not riga.startswith("PRONTO "):
            self.ferma()
            with open(self._errori, encoding="utf-8", errors="replace") as f:
                raise RuntimeError("the stand-in did not start: %s" % f.read())
        self.descrizione = json.loads(riga[len("PRONTO "):])
        self.cliente = Cliente(self.descrizione)

    def _prima_riga(self, secondi):
        """The child's first output line, or what came before the deadline."""
        letti = b""
        limite = time.monotonic() + secondi
        while not letti.endswith(b"\n"):
            resto = limite - time.monotonic()
            if resto <= 0 or not select.select([self.processo.stdout], [], [], resto)[0]:
                break
            carattere = os.read(self.processo.stdout.fileno(), 1)
            if not carattere:
                break
            letti += carattere
        return letti

    def ferma(self, attesa=15):
        """Closes its stdin and waits; returns the exit code."""
        if self.processo.poll() is None:
            self.processo.stdin.close()
            try:
                self.processo.wait(attesa)
            except subprocess.TimeoutExpired:
                self.processo.kill()
                self.processo.wait()
        self.processo.stdin.close()
        self.processo.stdout.close()
        return self.processo.returncode

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.ferma()
        if self._temporanea:
            self._temporanea.cleanup()


def _attendi_avvio(stato, secondi):
    limite = time.monotonic() + secondi
    while not os.path.exists(os.path.join(stato, "laboratorio.json")):
        if time.monotonic() > limite:
            raise SystemExit("no stand-in is running with state folder %s" % stato)
        time.sleep(0.1)


def main():
    p = argparse.ArgumentParser(description="Sends one control action to a running stand-in.")
    p.add_argument("--stato", required=True, help="the stand-in's state folder")
    p.add_argument("campi", nargs="+", help="azione=... and its fields as name=value")
    argomenti = p.parse_args()
    _attendi_avvio(argomenti.stato, 5)
    campi = dict(c.split("=", 1) for c in argomenti.campi)
    azione = campi.pop("azione")
    esito = Cliente(leggi_descrizione(argomenti.stato)).controllo(azione, **campi)
    print(json.dumps(esito, ensure_ascii=False, indent=1))


if __name__ == "__main__":
    main()
