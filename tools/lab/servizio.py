"""The lab's HTTPS web service: the twelve operations at one address, the
payment page, and a control address through which tests flip fault switches."""
import base64
import hashlib
import html
import http.server
import json
import os
import ssl
import threading
import urllib.parse
from xml.sax.saxutils import escape

PERCORSO_SERVIZIO = "/velistra/servizio.php"
PERCORSO_CONTROLLO = "/controllo"
PREFISSO_PAGAMENTO = "/pagamento/"
ALBUM = "Velistra.xml"

TIPO_XML = "text/xml; charset=utf-8"
NEGATIVA = b"<xml></xml>"


def _testo(valore):
    """Text for an element; a CR stays a CR instead of being folded by the parser."""
    return escape(valore, {"\r": "&#13;"})


def _xml(testo):
    return ('<?xml version="1.0" encoding="UTF-8"?>\r\n' + testo).encode("utf-8")


def _transazione_xml(t):
    if t is None:
        return NEGATIVA
    return _xml("<xml><transazioni><transazione_id>%d</transazione_id><data>%s</data>"
                "<cartella>%s</cartella></transazioni></xml>"
                % (t["id"], _testo(t["data"]), _testo(t["cartella"])))


class Laboratorio:
    """What the request handlers share: state, switches, codes and paths."""

    def __init__(self, archivio, guasti, codici, prezziario, radice_ftp, fine):
        self.archivio = archivio
        self.guasti = guasti
        self.operazione_di = {codice: nome for nome, codice in codici.items()}
        self.prezziario = prezziario
        self.radice_ftp = os.path.realpath(radice_ftp)
        self.fine = fine  # set when the stand-in stops
        self.porta = 0

    def indirizzo_pagamento(self, t):
        return "https://127.0.0.1:%d%s%s" % (self.porta, PREFISSO_PAGAMENTO, t["token"])

    def album_di(self, t):
        """Path of the transaction's "Velistra.xml", or None when its folder name
        would lead outside the user's FTP home."""
        casa = os.path.join(self.radice_ftp, t["utente"])
        percorso = os.path.realpath(os.path.join(casa, t["cartella"], ALBUM))
        return percorso if percorso.startswith(casa + os.sep) else None

    def leggi_album(self, t):
        percorso = self.album_di(t)
        if percorso is None or not os.path.isfile(percorso):
            return None
        with open(percorso, "rb") as f:
            return f.read()

    # --- the operations; each returns (body, content type)

    def f_K_HTTPS_LOGIN(self, utente, campi):
        if utente is None:
            return _xml("<xml><utente><esiste>0</esiste><convenzionato>0</convenzionato>"
                        "<passwd_ftp></passwd_ftp></utente></xml>"), TIPO_XML
        return _xml("<xml>\r\n<utente>\r\n<esiste>1</esiste>\r\n<convenzionato>%d</convenzionato>\r\n"
                    "<passwd_ftp>%s</passwd_ftp>\r\n</utente>\r\n</xml>\r\n"
                    % (utente["convenzionato"], _testo(utente["password_ftp"]))), TIPO_XML

    def f_K_HTTPS_NUOVA_TRANSAZIONE(self, utente, campi):
        t = self.archivio.nuova_transazione(utente["nome"], self.guasti.cartella_imposta())
        return _transazione_xml(t), TIPO_XML

    def f_K_HTTPS_LEGGI_TRANSAZIONE_DA_PAGARE(self, utente, campi):
        return _transazione_xml(self.archivio.aperta(utente["nome"], pagata=False)), TIPO_XML

    def f_K_HTTPS_LEGGI_TRANSAZIONE_PAGATO(self, utente, campi):
        return _transazione_xml(self.archivio.aperta(utente["nome"], pagata=True)), TIPO_XML

    def _sua(self, utente, campi):
        return self.archivio.transazione(campi.get("transazione_id"), utente["nome"])

    def f_K_HTTPS_CANCELLA_TRANSAZIONE(self, utente, campi):
        t = self._sua(utente, campi)
        if t is None:
            return _xml("<xml><esito>0</esito></xml>"), TIPO_XML
        self.archivio.aggiorna(t["id"], cancellata=1)
        return _xml("<xml><esito>1</esito></xml>"), TIPO_XML

    def f_K_HTTPS_CREA_MD5(self, utente, campi):
        t = self._sua(utente, campi)
        album = None if t is None else self.leggi_album(t)
        if album is None:
            return _xml("<xml><esito_md5>0</esito_md5></xml>"), TIPO_XML
        self.archivio.aggiorna(t["id"], md5=hashlib.md5(album).hexdigest())
        return _xml("<xml><esito_md5>1</esito_md5></xml>"), TIPO_XML

    def f_K_HTTPS_LEGGI_MD5(self, utente, campi):
        t = self._sua(utente, campi)
        if t is None or not t["md5"]:
            return NEGATIVA, TIPO_XML
        return _xml("<xml><md5>%s</md5></xml>" % t["md5"]), TIPO_XML

    def f_K_HTTPS_PREZZI(self, utente, campi):
        with open(self.prezziario, "rb") as f:
            return f.read(), TIPO_XML

    def f_K_HTTPS_LEGGI_VELISTRA(self, utente, campi):
        t = self._sua(utente, campi)
        album = None if t is None else self.leggi_album(t)
        # The album's bytes go back exactly as the client uploaded them.
        return (NEGATIVA, TIPO_XML) if album is None else (album, "text/xml")

    def f_K_HTTPS_PAGATO(self, utente, campi):
        t = self._sua(utente, campi)
        return _xml("<xml><pagato>%d</pagato></xml>" % (t is not None and t["pagato"])), TIPO_XML

    def f_K_HTTPS_PAGA_VELISTRA(self, utente, campi):
        t = self._sua(utente, campi)
        if t is None:
            return NEGATIVA, TIPO_XML
        self.archivio.aggiorna(t["id"], prezzo=campi.get("prezzo", ""))
        url = base64.b64encode(self.indirizzo_pagamento(t).encode("ascii")).decode("ascii")
        return _xml("<xml><url>%s</url></xml>" % url), TIPO_XML

    def f_K_HTTPS_VELISTRA_TRAFERITO(self, utente, campi):
        t = self._sua(utente, campi)
        if t is None:
            return _xml("<xml><esito>0</esito></xml>"), TIPO_XML
        self.archivio.aggiorna(t["id"], trasferito=int(campi.get("trasferito") == "1"))
        return _xml("<xml><esito>1</esito></xml>"), TIPO_XML

    def rispondi(self, campi):
        """The reply to one form post of the service, fault switches applied."""
        operazione = self.operazione_di.get(campi.get("modo"))
        self.archivio.registra_richiesta(operazione or campi.get("modo", ""), campi)
        if operazione is None:
            return _xml("<xml><errore>modo sconosciuto</errore></xml>"), TIPO_XML
        guasto = self.guasti.web_per(operazione)
        if guasto is not None:
            if guasto.tipo == "non_xml":
                return "Servizio temporaneamente non disponibile".encode("utf-8"), "text/plain"
            if guasto.tipo == "vuota":
                return b"", TIPO_XML
            if guasto.tipo == "risposta":
                return guasto.testo.encode("utf-8"), TIPO_XML
            if self.fine.wait(guasto.secondi):  # "lenta": answer late, if at all
                return None
        utente = self.archivio.utente(campi.get("username", ""), campi.get("passwd", ""))
        if operazione not in ("f_K_HTTPS_LOGIN", "f_K_HTTPS_PREZZI") and (
                utente is None or utente["solo_prezzi"]):
            return NEGATIVA, TIPO_XML
        if operazione == "f_K_HTTPS_PREZZI" and utente is None:
            return NEGATIVA, TIPO_XML
        return getattr(self, operazione)(utente, campi)

    # --- the payment page

    def pagina_pagamento(self, token, paga):
        t = self.archivio.transazione_da_token(token)
        if t is None or t["cancellata"]:
            return 404, "Pagamento Velistra", "<p>Transazione inesistente.</p>"
        if paga and not t["pagato"]:
            self.archivio.aggiorna(t["id"], pagato=1)
            t["pagato"] = 1
            return 200, "Pagamento eseguito", (
                "<p>Il pagamento del Velistra n. %d è stato registrato.</p>"
                "<p>Ritorna a Velistra e premi di nuovo il bottone per l'invio.</p>" % t["id"])
        if t["pagato"]:
            return 200, "Pagamento Velistra", "<p>Il Velistra n. %d è già pagato.</p>" % t["id"]
        return 200, "Pagamento Velistra", (
            "<p>Velistra n. %d di %s</p><p>Importo da pagare: € %s</p>"
            '<form method="post" action="%s"><button type="submit">Paga</button></form>'
            % (t["id"], html.escape(t["utente"]), html.escape(t["prezzo"] or ""),
               html.escape(PREFISSO_PAGAMENTO + token)))

    # --- the control address

    def controlla(self, campi):
        """One control action; returns a JSON-serialisable result."""
        azione = campi.get("azione")
        if azione == "guasto_web":
            self.guasti.imposta_web(campi["tipo"], campi.get("operazione") or None,
                                    _intero(campi.get("volte")), campi.get("secondi", 0),
                                    campi.get("testo", ""), _intero(campi.get("ripeti")))
        elif azione == "taglio_ftp":
            self.guasti.imposta_taglio(int(campi["byte"]), campi.get("nome") or None,
                                       _intero(campi.get("volte", "1")),
                                       campi.get("modo", "connessione"))
        elif azione == "limite_ftp":
            self.guasti.imposta_limite_ftp(float(campi["kb"]) * 1000)
        elif azione == "cartella":
            self.guasti.imposta_cartella(campi["testo"], _intero(campi.get("volte", "1")))
        elif azione == "azzera_guasti":
            self.guasti.azzera()
        elif azione == "guasti":
            return self.guasti.elenco()
        elif azione == "paga":
            self._transazione_esistente(campi)
            self.archivio.aggiorna(campi["transazione_id"], pagato=1)
        elif azione == "album":
            return self._cambia_album(campi)
        elif azione == "transazioni":
            return self.archivio.tutte()
        elif azione == "richieste":
            return self.archivio.richieste()
        elif azione == "ferma":
            self.fine.set()
        else:
            raise ValueError("unknown action %r" % azione)
        return {"esito": "ok"}

    def _transazione_esistente(self, campi):
        t = self.archivio.transazione(campi.get("transazione_id"))
        if t is None:
            raise ValueError("no transaction %r" % campi.get("transazione_id"))
        return t

    def _cambia_album(self, campi):
        """Rewrites the server's copy of a transaction's album: with the given
        content, or with a comment added; the digest follows only on request."""
        t = self._transazione_esistente(campi)
        percorso = self.album_di(t)
        if percorso is None:
            raise ValueError("the transaction's folder is outside the FTP home")
        if "contenuto" in campi:
            nuovo = campi["contenuto"].encode("utf-8")
        else:
            with open(percorso, "rb") as f:
                nuovo = f.read() + b"\n<!-- modificato dal laboratorio -->\n"
        os.makedirs(os.path.dirname(percorso), exist_ok=True)
        with open(percorso, "wb") as f:
            f.write(nuovo)
        if campi.get("aggiorna_md5") == "1":
            self.archivio.aggiorna(t["id"], md5=hashlib.md5(nuovo).hexdigest())
        return {"esito": "ok", "md5": hashlib.md5(nuovo).hexdigest()}


def _intero(testo):
    return None if testo in (None, "") else int(testo)


class GestoreRichieste(http.server.BaseHTTPRequestHandler):
    laboratorio = None  # set by ServizioHTTPS
    server_version = "LaboratorioVelistra/1.0"
    timeout = 60  # a client that stays silent loses its connection

    def _campi(self):
        lunghezza = int(self.headers.get("Content-Length") or 0)
        corpo = self.rfile.read(lunghezza).decode("utf-8", "replace")
        return {k: v[0] for k, v in urllib.parse.parse_qs(corpo, keep_blank_values=True).items()}

    def _invia(self, stato, corpo, tipo):
        self.send_response(stato)
        self.send_header("Content-Type", tipo)
        self.send_header("Content-Length", str(len(corpo)))
        self.end_headers()
        self.wfile.write(corpo)

    def _pagina(self, paga):
        token = self.path[len(PREFISSO_PAGAMENTO):].split("?")[0]
        stato, titolo, contenuto = self.laboratorio.pagina_pagamento(token, paga)
        pagina = ('<!DOCTYPE html><html lang="it"><head><meta charset="utf-8"><title>%s</title>'
                  "</head><body><h1>%s</h1>%s</body></html>" % (titolo, titolo, contenuto))
        self._invia(stato, pagina.encode("utf-8"), "text/html; charset=utf-8")

    def do_GET(self):
        if self.path.startswith(PREFISSO_PAGAMENTO):
            self._pagina(paga=False)
        else:
            self._invia(404, b"Not found", "text/plain")

    def do_POST(self):
        try:
            if self.path == PERCORSO_SERVIZIO:
                risposta = self.laboratorio.rispondi(self._campi())
                if risposta is not None:
                    self._invia(200, *risposta)
            elif self.path.startswith(PREFISSO_PAGAMENTO):
                self._campi()
                self._pagina(paga=True)
            elif self.path == PERCORSO_CONTROLLO:
                try:
                    esito = self.laboratorio.controlla(self._campi())
                    self._invia(200, json.dumps(esito, ensure_ascii=False).encode("utf-8"),
                                "application/json")
                except (KeyError, ValueError) as errore:
                    self._invia(400, json.dumps({"errore": str(errore)}).encode("utf-8"),
                                "application/json")
            else:
                self._invia(404, b"Not found", "text/plain")
        except (BrokenPipeError, ConnectionResetError, ssl.SSLError):
            pass  # the client gave up, for example after its time-out

    def log_message(self, *argomenti):
        pass


class _ServerTLS(http.server.ThreadingHTTPServer):
    daemon_threads = True
    block_on_close = False

    def handle_error(self, request, client_address):
        pass  # a client that drops the connection is not the stand-in's error


class ServizioHTTPS:
    """The web service on 127.0.0.1 at a free port, served by its own thread."""

    def __init__(self, laboratorio, certificato, chiave):
        gestore = type("GestoreLaboratorio", (GestoreRichieste,), {"laboratorio": laboratorio})
        self._server = _ServerTLS(("127.0.0.1", 0), gestore)
        contesto = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        contesto.load_cert_chain(certificato, chiave)
        # The handshake runs in each request's thread, so a silent client blocks nobody.
        self._server.socket = contesto.wrap_socket(self._server.socket, server_side=True,
                                                   do_handshake_on_connect=False)
        self.porta = self._server.server_address[1]
        laboratorio.porta = self.porta
        self._filo = threading.Thread(target=self._server.serve_forever,
                                      kwargs={"poll_interval": 0.1}, name="https", daemon=True)

    def avvia(self):
        self._filo.start()

    def ferma(self):
        self._server.shutdown()
        self._server.server_close()
        self._filo.join(timeout=10)
