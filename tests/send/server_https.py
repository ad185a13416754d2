"""A small HTTPS server on 127.0.0.1 for the web request tests.

Makes a certificate authority and a server certificate for 127.0.0.1 with
openssl in the given folder, listens on a free port, prints "PORTA <n>" and
serves POST requests until stdin closes. Modes:
  eco     - replies with "<xml><corpo>BODY</corpo><tipo>CONTENT-TYPE</tipo></xml>"
  muto    - accepts connections and never answers
  tardi   - like eco, but only after the seconds given as third argument
"""
import http.server
import os
import socket
import ssl
import subprocess
import sys
import threading
import time
from xml.sax.saxutils import escape


def make_certificates(folder):
    def run(*args):
        subprocess.run(["openssl", *args], check=True, capture_output=True, cwd=folder)

    run("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
        "-subj", "/CN=Laboratorio di prova CA", "-keyout", "ca.key", "-out", "ca.pem")
    run("req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=127.0.0.1",
        "-keyout", "server.key", "-out", "server.csr")
    with open(os.path.join(folder, "san.ext"), "w") as f:
        f.write("subjectAltName=IP:127.0.0.1\nbasicConstraints=CA:FALSE\n")
    run("x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key",
        "-CAcreateserial", "-days", "2", "-extfile", "san.ext", "-out", "server.pem")


class EchoHandler(http.server.BaseHTTPRequestHandler):
    delay = 0.0

    def do_POST(self):
        length = int(self.headers.get("Content-Length", "0"))
        body = self.rfile.read(length).decode("utf-8", "replace")
        time.sleep(self.delay)
        kind = self.headers.get("Content-Type", "")
        reply = ("<xml><corpo>%s</corpo><tipo>%s</tipo></xml>" % (escape(body), escape(kind))).encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/xml; charset=utf-8")
        self.send_header("Content-Length", str(len(reply)))
        self.end_headers()
        self.wfile.write(reply)

    def log_message(self, *args):
        pass


def serve_silent(listener, stop):
    held = []
    listener.settimeout(0.2)
    while not stop.is_set():
        try:
            conn, _ = listener.accept()
            held.append(conn)
        except socket.timeout:
            pass
    for conn in held:
        conn.close()


def main():
    folder, mode = sys.argv[1], sys.argv[2]
    if mode == "tardi":
        EchoHandler.delay = float(sys.argv[3])
    make_certificates(folder)
    stop = threading.Event()
    if mode == "muto":
        listener = socket.socket()
        listener.bind(("127.0.0.1", 0))
        listener.listen(8)
        port = listener.getsockname()[1]
        worker = threading.Thread(target=serve_silent, args=(listener, stop), daemon=True)
    else:
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), EchoHandler)
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(os.path.join(folder, "server.pem"), os.path.join(folder, "server.key"))
        server.socket = context.wrap_socket(server.socket, server_side=True)
        port = server.server_address[1]
        worker = threading.Thread(target=server.serve_forever, daemon=True)
    worker.start()
    print("PORTA %d" % port, flush=True)
    # The test ends the server by closing stdin; a lost parent closes it too.
    sys.stdin.read()
    stop.set()
    if mode != "muto":
        server.shutdown()


if __name__ == "__main__":
    main()
