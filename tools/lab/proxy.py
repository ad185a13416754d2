"""An HTTP proxy that only tunnels (CONNECT), and only to this machine, so
tests can prove that the FTP upload goes through the proxy the user names."""
import json
import select
import socket
import socketserver
import threading

BLOCCO = 262144


class _GestoreTunnel(socketserver.BaseRequestHandler):
    proxy = None  # set by ProxyTunnel

    def _intestazione(self):
        dati = b""
        while b"\r\n\r\n" not in dati:
            parte = self.request.recv(4096)
            if not parte or len(dati) > 65536:
                return None
            dati += parte
        return dati.split(b"\r\n")[0].decode("latin-1")

    def handle(self):
        self.request.settimeout(30)
        prima = self._intestazione()
        if prima is None:
            return
        parti = prima.split()
        if len(parti) != 3 or parti[0] != "CONNECT":
            self.request.sendall(b"HTTP/1.1 405 Method Not Allowed\r\nContent-Length: 0\r\n\r\n")
            return
        host, _, porta = parti[1].rpartition(":")
        if host not in ("127.0.0.1", "localhost") or not porta.isdigit():
            self.request.sendall(b"HTTP/1.1 403 Forbidden\r\nContent-Length: 0\r\n\r\n")
            return
        try:
            destinazione = socket.create_connection(("127.0.0.1", int(porta)), timeout=10)
        except OSError:
            self.request.sendall(b"HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\n\r\n")
            return
        self.proxy.registra(parti[1])
        self.request.sendall(b"HTTP/1.1 200 Connection established\r\n\r\n")
        with destinazione:
            self._inoltra(self.request, destinazione)

    def _inoltra(self, a, b):
        a.settimeout(None)
        b.settimeout(None)
        altro = {a: b, b: a}
        while not self.proxy.fine.is_set():
            pronti = select.select([a, b], [], [], 0.2)[0]
            for s in pronti:
                try:
                    dati = s.recv(BLOCCO)
                    if not dati:
                        return
                    altro[s].sendall(dati)
                except OSError:
                    return


class _ServerTunnel(socketserver.ThreadingTCPServer):
    daemon_threads = True
    block_on_close = False
    allow_reuse_address = True

    def handle_error(self, request, client_address):
        pass


class ProxyTunnel:
    """The proxy on 127.0.0.1 at a free port; each tunnel is logged as one JSON line."""

    def __init__(self, percorso_registro):
        self.fine = threading.Event()
        self._registro = open(percorso_registro, "a", encoding="utf-8")
        self._lock = threading.Lock()
        gestore = type("GestoreTunnelLaboratorio", (_GestoreTunnel,), {"proxy": self})
        self._server = _ServerTunnel(("127.0.0.1", 0), gestore)
        self.porta = self._server.server_address[1]
        self._filo = threading.Thread(target=self._server.serve_forever,
                                      kwargs={"poll_interval": 0.1}, name="proxy", daemon=True)

    def registra(self, destinazione):
        with self._lock:
            if not self._registro.closed:
                self._registro.write(json.dumps({"evento": "tunnel", "destinazione": destinazione}) + "\n")
                self._registro.flush()

    def avvia(self):
        self._filo.start()

    def ferma(self):
        self.fine.set()
        self._server.shutdown()
        self._server.server_close()
        self._filo.join(timeout=10)
        with self._lock:
            self._registro.close()
