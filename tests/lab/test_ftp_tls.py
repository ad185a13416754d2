"""The FTP server with and without AUTH TLS, and its demand that data
connections resume the control connection's TLS session."""
import ftplib
import io
import json
import os
import ssl
import unittest

import aiuto_laboratorio
from cliente import ProcessoLaboratorio


class FTPConRiuso(ftplib.FTP_TLS):
    """Data connections resume the control connection's TLS session, as
    libcurl's do."""

    def ntransfercmd(self, cmd, rest=None):
        conn, size = ftplib.FTP.ntransfercmd(self, cmd, rest)
        if self._prot_p:
            conn = self.context.wrap_socket(conn, server_hostname=self.host, session=self.sock.session)
        return conn, size


def sessione_tls(descrizione, classe, nome="cliente"):
    contesto = ssl.create_default_context(cafile=descrizione["CertificatoCA"])
    # TLS 1.2: Python hands out a TLS 1.3 session only after reading data.
    contesto.maximum_version = ssl.TLSVersion.TLSv1_2
    ftp = classe(context=contesto, timeout=10)
    ftp.connect("127.0.0.1", descrizione["porta_ftp"])
    ftp.auth()
    ftp.login(nome, aiuto_laboratorio.utente(descrizione, nome)["password_ftp"])
    ftp.prot_p()
    return ftp


def eventi(descrizione, evento):
    with open(descrizione["registro_ftp"], encoding="utf-8") as f:
        return [v for v in map(json.loads, f) if v["evento"] == evento]


class TestFTPConTLS(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.laboratorio = ProcessoLaboratorio(ftp_tls=True)
        cls.d = cls.laboratorio.descrizione

    @classmethod
    def tearDownClass(cls):
        cls.laboratorio.ferma()

    def test_upload_under_tls_with_the_session_resumed(self):
        ftp = sessione_tls(self.d, FTPConRiuso)
        ftp.storbinary("STOR tls.bin", io.BytesIO(b"\x00segreto" * 1000))
        ftp.quit()
        with open(os.path.join(self.d["radice_ftp"], "cliente", "tls.bin"), "rb") as f:
            self.assertEqual(f.read(), b"\x00segreto" * 1000)
        self.assertIn(True, [v["riusata"] for v in eventi(self.d, "tls_dati")])

    def test_a_data_connection_without_the_session_is_refused(self):
        ftp = sessione_tls(self.d, ftplib.FTP_TLS)
        with self.assertRaises((ftplib.Error, OSError)):
            ftp.storbinary("STOR senza_riuso.bin", io.BytesIO(b"x" * 1000))
        ftp.close()
        self.assertIn(False, [v["riusata"] for v in eventi(self.d, "tls_dati")])


class TestFTPSenzaTLS(unittest.TestCase):
    def test_auth_tls_is_refused_and_plain_login_works(self):
        with ProcessoLaboratorio() as laboratorio:
            d = laboratorio.descrizione
            ftp = ftplib.FTP_TLS(timeout=10)
            ftp.connect("127.0.0.1", d["porta_ftp"])
            with self.assertRaises(ftplib.error_perm):
                ftp.auth()
            ftp.login("cliente", aiuto_laboratorio.utente(d, "cliente")["password_ftp"], secure=False)
            ftp.quit()


if __name__ == "__main__":
    unittest.main()
