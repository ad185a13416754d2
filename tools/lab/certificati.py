"""A certificate authority and a server certificate for 127.0.0.1, made with
openssl, so the program can trust the stand-in through "CertificatoCA"."""
import os
import subprocess

CA = "ca.pem"
CHIAVE_CA = "ca.key"
CERTIFICATO = "server.pem"
CHIAVE = "server.key"


def prepara_certificati(cartella):
    """Makes the files unless an earlier run of the same state folder left them;
    returns (CA path, server certificate path, server key path)."""
    percorsi = [os.path.join(cartella, n) for n in (CA, CERTIFICATO, CHIAVE)]
    if all(os.path.isfile(p) for p in percorsi):
        return tuple(percorsi)

    def openssl(*argomenti):
        subprocess.run(["openssl", *argomenti], check=True, capture_output=True,
                       cwd=cartella, timeout=60)

    openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "30",
            "-subj", "/CN=Laboratorio Velistra di prova CA",
            "-keyout", CHIAVE_CA, "-out", CA)
    openssl("req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=127.0.0.1",
            "-keyout", CHIAVE, "-out", "server.csr")
    with open(os.path.join(cartella, "server.ext"), "w") as f:
        f.write("subjectAltName=IP:127.0.0.1,DNS:localhost\n"
                "basicConstraints=CA:FALSE\n"
                "extendedKeyUsage=serverAuth\n")
    openssl("x509", "-req", "-in", "server.csr", "-CA", CA, "-CAkey", CHIAVE_CA,
            "-CAcreateserial", "-days", "30", "-extfile", "server.ext",
            "-out", CERTIFICATO)
    return tuple(percorsi)
