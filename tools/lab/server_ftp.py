"""The lab's FTP server (pyftpdlib): one home folder per user under the FTP
root, passive and active mode, uploads that a fault switch cuts short or a
rate limit slows down, and a log of every command and transfer so tests can
prove what was uploaded."""
import json
import logging
import os
import socket
import threading
from timeit import default_timer as adesso

from pyftpdlib.authorizers import DummyAuthorizer
from OpenSSL import SSL
from OpenSSL._util import lib as libssl
from pyftpdlib.handlers import ActiveDTP, DTPHandler, FTPHandler, PassiveDTP, TLS_DTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer

logging.getLogger("pyftpdlib").setLevel(logging.WARNING)

PERMESSI = "elradfmwMT"


class RegistroFTP:
    """One JSON object per line, appended as events happen."""

    def __init__(self, percorso, radice):
        self._file = open(percorso, "a", encoding="utf-8")
        self._radice = os.path.realpath(radice)
        self._lock = threading.Lock()

    def relativo(self, percorso):
        """A path of the FTP root as "user/folder/file"; other texts unchanged."""
        if isinstance(percorso, str) and os.path.isabs(percorso):
            reale = os.path.realpath(percorso)
            if reale == self._radice or reale.startswith(self._radice + os.sep):
                return os.path.relpath(reale, self._radice)
        return percorso

    def scrivi(self, **voce):
        with self._lock:
            if not self._file.closed:
                self._file.write(json.dumps(voce, ensure_ascii=False) + "\n")
                self._file.flush()

    def chiudi(self):
        with self._lock:
            self._file.close()


class CanaleDatiTagliabile(DTPHandler):
    """Data channel that obeys the upload-cut switch and the upload rate limit."""

    ac_in_buffer_size = 262144

    def __init__(self, sock, cmd_channel):
        self._pausa = None
        self._limite = 0
        super().__init__(sock, cmd_channel)

    def enable_receiving(self, type, cmd):
        super().enable_receiving(type, cmd)
        nome = os.path.basename(self.file_obj.name)
        self._taglio = self.cmd_channel.guasti.taglio_per(nome)
        self._limite = self.cmd_channel.guasti.limite_ftp()
        if self._limite:
            # Small reads: the rate holds over fractions of a second too.
            self.ac_in_buffer_size = max(1024, self._limite // 20)
        self._inizio = adesso()
        self._ricevuti = 0

    def recv(self, buffer_size):
        chunk = super().recv(buffer_size)
        if self._limite and self.receive and chunk and not self._closed:
            self._ricevuti += len(chunk)
            anticipo = self._ricevuti / self._limite - (adesso() - self._inizio)
            if anticipo > 0:
                # Stop reading until the bytes so far are due at the limit.
                self.del_channel()
                self._pausa = self.ioloop.call_later(anticipo, self._riprendi, _errback=self.handle_error)
        return chunk

    def _riprendi(self):
        self._pausa = None
        if not self._closed:
            self.add_channel(events=self.ioloop.READ)

    def close(self):
        if self._pausa is not None and not self._pausa.cancelled:
            self._pausa.cancel()
        super().close()

    def handle_read(self):
        super().handle_read()
        taglio = getattr(self, "_taglio", None)
        if taglio is None or self._closed or self.tot_bytes_received < taglio.byte:
            return
        # Keep exactly the first bytes, as a line cut at that point would.
        self.file_obj.flush()
        self.file_obj.truncate(taglio.byte)
        self.tot_bytes_received = taglio.byte
        self._resp = ("426 Connection cut by the lab; transfer aborted.", logging.info)
        cmd_channel = self.cmd_channel
        self.close()
        if taglio.modo == "connessione":
            cmd_channel.close()

    # DTPHandler aliases the read event to its own handle_read at class level.
    handle_read_event = handle_read


class BufferDelLimite:
    """Under a rate limit the data sockets get a small receive buffer and an
    Ethernet-sized segment before they connect, so that less of an upload
    waits in the buffers of the loopback (64 kB segments) and the client's
    own byte count keeps closer to what arrived."""

    def create_socket(self, family, type):
        super().create_socket(family, type)
        limite = self.cmd_channel.guasti.limite_ftp()
        if limite:
            self.socket.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, max(4096, limite // 10))
            self.socket.setsockopt(socket.IPPROTO_TCP, socket.TCP_MAXSEG, 1460)


class AscoltoDati(BufferDelLimite, PassiveDTP):
    pass


class ConnessioneDati(BufferDelLimite, ActiveDTP):
    pass


class GestoreFTP(FTPHandler):
    dtp_handler = CanaleDatiTagliabile
    passive_dtp = AscoltoDati
    active_dtp = ConnessioneDati
    banner = "Laboratorio Velistra di prova."
    guasti = None    # set by ServerFTP
    registro = None  # set by ServerFTP

    def log_cmd(self, cmd, arg, respcode, respstr):
        if cmd in ("USER", "PASS"):
            arg = "***" if cmd == "PASS" else arg
        self.registro.scrivi(evento="comando", utente=self.username, comando=cmd,
                             argomento=self.registro.relativo(arg), codice=respcode)

    def log_transfer(self, cmd, filename, receive, completed, elapsed, bytes):
        self.registro.scrivi(evento="trasferimento", utente=self.username, comando=cmd,
                             percorso=self.registro.relativo(filename),
                             completo=bool(completed), byte=bytes)


class CanaleDatiSicuro(TLS_DTPHandler, CanaleDatiTagliabile):
    """A data channel under TLS that, as lab servers do (vsftpd's
    require_ssl_reuse), refuses a client that does not resume the control
    connection's TLS session: it proves the data comes from the same client."""

    def readable(self):
        # The handshake may come before the transfer command, as libcurl's does;
        # pyftpdlib 1.5.7 would take that early read for a hang-up.
        return self._ssl_accepting or super().readable()

    def handle_ssl_established(self):
        riusata = bool(libssl.SSL_session_reused(self.socket._ssl))
        self.cmd_channel.registro.scrivi(evento="tls_dati", utente=self.cmd_channel.username,
                                         riusata=riusata)
        if not riusata:
            self.cmd_channel.respond("522 SSL connection failed: session reuse required.")
            self.close()


class GestoreFTPSicuro(TLS_FTPHandler, GestoreFTP):
    """Offers AUTH TLS; a client that does not ask keeps working in clear."""
    dtp_handler = CanaleDatiSicuro


def contesto_tls(certificato, chiave):
    contesto = SSL.Context(SSL.TLS_SERVER_METHOD)
    contesto.use_certificate_chain_file(certificato)
    contesto.use_privatekey_file(chiave)
    contesto.set_options(SSL.OP_NO_SSLv2 | SSL.OP_NO_SSLv3 | SSL.OP_NO_COMPRESSION)
    # Sessions of the control connection are kept so data connections can resume them.
    contesto.set_session_id(b"velistra-laboratorio")
    contesto.set_session_cache_mode(SSL.SESS_CACHE_SERVER)
    return contesto


class ServerFTP:
    """The FTP server on 127.0.0.1 at a free port, served by its own thread.
    With tls=(certificate, key) it offers AUTH TLS."""

    def __init__(self, radice, utenti, guasti, percorso_registro, tls=None):
        self.radice = radice
        autorizzazioni = DummyAuthorizer()
        for u in utenti:
            if u["solo_prezzi"]:
                continue
            casa = os.path.join(radice, u["nome"])
            os.makedirs(casa, exist_ok=True)
            autorizzazioni.add_user(u["nome"], u["password_ftp"], casa, perm=PERMESSI)
        self.registro = RegistroFTP(percorso_registro, radice)
        attributi = {"authorizer": autorizzazioni, "guasti": guasti, "registro": self.registro}
        if tls:
            attributi["ssl_context"] = contesto_tls(*tls)
        gestore = type("GestoreFTPLaboratorio", (GestoreFTPSicuro if tls else GestoreFTP,), attributi)
        self._server = FTPServer(("127.0.0.1", 0), gestore)
        self.porta = self._server.socket.getsockname()[1]
        self._ferma = threading.Event()
        self._filo = threading.Thread(target=self._servi, name="ftp", daemon=True)

    def avvia(self):
        self._filo.start()

    def _servi(self):
        try:
            attesa = 0.1
            while not self._ferma.is_set():
                # Awake in time for the next scheduled call too (a paused upload's
                # resume): a late one would slow an upload below its rate limit.
                prossima = self._server.ioloop.loop(timeout=attesa, blocking=False)
                attesa = 0.1 if prossima is None else min(0.1, max(0.0, prossima))
        finally:
            self._server.close_all()

    def ferma(self):
        self._ferma.set()
        if self._filo.is_alive():
            self._filo.join(timeout=10)
        self.registro.chiudi()
