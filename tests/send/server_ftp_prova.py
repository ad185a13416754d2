"""A pyftpdlib server on 127.0.0.1 for the FTP session tests.

Arguments: home folder, user, password, and optionally the milliseconds the
server pauses before each read of an upload's data (so that an upload lasts).
Prints "PORTA <n>" and serves until stdin closes. Every command received is
appended to <home>/../comandi.log.
"""
import os
import sys
import threading
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    home, user, password = sys.argv[1:4]
    pausa = int(sys.argv[4]) / 1000.0 if len(sys.argv) > 4 else 0
    log_path = os.path.join(os.path.dirname(os.path.abspath(home)), "comandi.log")
    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, home, perm="elradfmwMT")

    class Handler(FTPHandler):
        def pre_process_command(self, line, cmd, arg):
            with open(log_path, "a") as log:
                log.write(line + "\n")
            return super().pre_process_command(line, cmd, arg)

    Handler.authorizer = authorizer
    if pausa:
        class Lento(DTPHandler):
            def recv(self, buffer_size):
                time.sleep(pausa)
                return super().recv(buffer_size)
        Handler.dtp_handler = Lento
    Handler.passive_ports = None
    server = FTPServer(("127.0.0.1", 0), Handler)
    print("PORTA %d" % server.address[1], flush=True)
    worker = threading.Thread(target=server.serve_forever, kwargs={"timeout": 0.2}, daemon=True)
    worker.start()
    sys.stdin.read()
    server.close_all()


if __name__ == "__main__":
    import logging
    logging.disable(logging.CRITICAL)
    main()
