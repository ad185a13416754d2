"""A pyftpdlib server on 127.0.0.1 for the FTP session tests.

Arguments: home folder, user, password. Prints "PORTA <n>" and serves until
stdin closes. Every command received is appended to <home>/../comandi.log.
"""
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    home, user, password = sys.argv[1:4]
    log_path = os.path.join(os.path.dirname(os.path.abspath(home)), "comandi.log")
    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, home, perm="elradfmwMT")

    class Handler(FTPHandler):
        def pre_process_command(self, line, cmd, arg):
            with open(log_path, "a") as log:
                log.write(line + "\n")
            return super().pre_process_command(line, cmd, arg)

    Handler.authorizer = authorizer
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
