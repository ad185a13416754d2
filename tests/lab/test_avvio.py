"""Start, stop, state folder and the program's connection settings."""
import os
import signal
import socket
import subprocess
import tempfile
import unittest

from aiuto_laboratorio import SORGENTI
from cliente import PYTHON, ProcessoLaboratorio, leggi_descrizione


def porta_chiusa(porta):
    with socket.socket() as s:
        return s.connect_ex(("127.0.0.1", porta)) != 0


class TestAvvio(unittest.TestCase):
    def setUp(self):
        cartella = tempfile.TemporaryDirectory()
        self.addCleanup(cartella.cleanup)
        self.cartella = cartella.name

    def test_stops_cleanly_when_stdin_closes_and_frees_its_ports(self):
        laboratorio = ProcessoLaboratorio(stato=os.path.join(self.cartella, "stato"))
        d = laboratorio.descrizione
        self.assertEqual(leggi_descrizione(laboratorio.stato), d)
        self.assertNotEqual(d["porta_https"], d["porta_ftp"])
        self.assertEqual(laboratorio.ferma(), 0)
        self.assertTrue(porta_chiusa(d["porta_https"]) and porta_chiusa(d["porta_ftp"]))
        self.assertFalse(os.path.exists(os.path.join(laboratorio.stato, "laboratorio.json")))

    def test_stops_on_sigterm_and_on_the_stop_action(self):
        stato = os.path.join(self.cartella, "stato")
        processo = subprocess.Popen([PYTHON, os.path.join(SORGENTI, "tools", "lab", "laboratorio.py"),
                                     "--stato", stato], stdout=subprocess.PIPE)
        self.addCleanup(processo.stdout.close)
        self.assertTrue(processo.stdout.readline().startswith(b"PRONTO "))
        processo.send_signal(signal.SIGTERM)
        self.assertEqual(processo.wait(15), 0)

        laboratorio = ProcessoLaboratorio(stato=stato)
        laboratorio.cliente.controllo("ferma")
        self.assertEqual(laboratorio.processo.wait(15), 0)
        laboratorio.ferma()

class TestIniProgramma(unittest.TestCase):
    def setUp(self):
        cartella = tempfile.TemporaryDirectory()
        self.addCleanup(cartella.cleanup)
        self.programma = cartella.name
        self.ini = os.path.join(self.programma, "VelistraFTP.ini")

    def avvia(self):
        laboratorio = ProcessoLaboratorio(cartella_programma=self.programma)
        self.addCleanup(laboratorio.__exit__)
        return laboratorio.descrizione

    def leggi(self):
        with open(self.ini, "rb") as f:
            return f.read()

    def test_points_the_shipped_settings_at_the_stand_in_keeping_the_users_keys(self):
        with open(os.path.join(SORGENTI, "data", "VelistraFTP.ini"), "rb") as f:
            originale = f.read().replace(b"Username=", b"Username=Perl\xe0")
        with open(self.ini, "wb") as f:
            f.write(originale)
        d = self.avvia()
        testo = self.leggi()
        self.assertEqual(d["ini_programma"], self.ini)
        for chiave in ("Server", "Base", "Prezzi", "CertificatoCA"):
            self.assertIn(("\r\n%s=%s\r\n" % (chiave, d[chiave])).encode("cp1252"), testo)
        self.assertIn(b"\r\nUsername=Perl\xe0\r\n", testo)
        self.assertIn(b"\r\nFTPPassivo=0\r\n", testo)
        self.assertEqual(testo.count(b"Server="), 1)

        # The next run finds its own earlier address and replaces it.
        d2 = self.avvia()
        self.assertIn(("Base=%s" % d2["Base"]).encode(), self.leggi())

    def test_a_file_naming_another_server_is_left_alone(self):
        originale = b"[DatiFTP]\r\nServer=ftp.laboratorio.example\r\nBase=www.laboratorio.example\r\n"
        with open(self.ini, "wb") as f:
            f.write(originale)
        d = self.avvia()
        self.assertNotIn("ini_programma", d)
        self.assertEqual(self.leggi(), originale)


if __name__ == "__main__":
    unittest.main()
