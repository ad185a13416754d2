"""A recording relay for the tests: an HTTP proxy that only tunnels (CONNECT)
to 127.0.0.1, so every connection of an FTP session named to it (control and
data) crosses it, and appends every byte it relays, both ways, to a file.

Argument: the recording file. Prints "PORTA <n>" and serves until stdin closes.
"""
import select
import socket
import socketserver
import sys
import threading


class Relay(socketserver.BaseRequestHandler):
    registrazione = None
    lock = threading.Lock()

    def registra(self, dati):
        with self.lock:
            with open(self.registrazione, "ab") as f:
                f.write(dati)

    def handle(self):
        richiesta = b""
        while b"\r\n\r\n" not in richiesta:
            parte = self.request.recv(4096)
            if not parte:
                return
            richiesta += parte
        intestazione, _, resto = richiesta.partition(b"\r\n\r\n")
        metodo, indirizzo, _ = intestazione.split(b"\r\n")[0].decode("latin-1").split(" ", 2)
        host, _, porta = indirizzo.rpartition(":")
        if metodo != "CONNECT" or host not in ("127.0.0.1", "localhost"):
            self.request.sendall(b"HTTP/1.1 403 Forbidden\r\nContent-Length: 0\r\n\r\n")
            return
        with socket.create_connection(("127.0.0.1", int(porta)), timeout=10) as destinazione:
            self.request.sendall(b"HTTP/1.1 200 Connection established\r\n\r\n")
            if resto:
                self.registra(resto)
                destinazione.sendall(resto)
            destinazione.settimeout(None)
            altro = {self.request: destinazione, destinazione: self.request}
            while True:
                for s in select.select(list(altro), [], [])[0]:
                    dati = s.recv(262144)
                    if not dati:
                        return
                    self.registra(dati)
                    altro[s].sendall(dati)


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        pass


def main():
    Relay.registrazione = sys.argv[1]
    server = Server(("127.0.0.1", 0), Relay)
    print("PORTA %d" % server.server_address[1], flush=True)
    threading.Thread(target=server.serve_forever, kwargs={"poll_interval": 0.2}, daemon=True).start()
    sys.stdin.read()
    server.shutdown()


if __name__ == "__main__":
    main()
