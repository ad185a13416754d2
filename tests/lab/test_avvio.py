"""Start, stop, state folder and the program's connection settings."""
import os
import socket
import tempfile
import unittest

import aiuto_laboratorio  # noqa: F401  (import path)
from cliente import ProcessoLaboratorio, leggi_descrizione


def porta_chiusa(porta):
    with socket.socket() as s:
        return s.connect_ex(("127.0.0.1", porta)) != 0


class ConCartella(unittest.TestCase):
    def setUp(self):
        cartella = tempfile.TemporaryDirectory()
        self.addCleanup(cartella.cleanup)
        self.cartella = cartella.name


class TestAvvio(ConCartella):

    def test_stops_cleanly_when_stdin_closes_and_frees_its_ports(self):
        laboratorio = ProcessoLaboratorio(stato=os.path.join(self.cartella, "stato"))
        d = laboratorio.descrizione
        self.assertEqual(leggi_descrizione(laboratorio.stato), d)
        self.assertNotEqual(d["porta_https"], d["porta_ftp"])
        self.assertEqual(laboratorio.ferma(), 0)
        self.assertTrue(porta_chiusa(d["porta_https"]) and porta_chiusa(d["porta_ftp"]))
        self.assertFalse(os.path.exists(os.path.join(laboratorio.stato, "laboratorio.json")))


class TestIniProgramma(ConCartella):
    def setUp(self):
        super().setUp()
        self.ini = os.path.join(self.cartella, "VelistraFTP.ini")

    def test_a_file_naming_another_server_is_left_alone(self):
        originale = b"[DatiFTP]\r\nServer=ftp.laboratorio.example\r\nBase=www.laboratorio.example\r\n"
        with open(self.ini, "wb") as f:
            f.write(originale)
        with ProcessoLaboratorio(cartella_programma=self.cartella) as laboratorio:
            self.assertNotIn("ini_programma", laboratorio.descrizione)
        with open(self.ini, "rb") as f:
            self.assertEqual(f.read(), originale)


if __name__ == "__main__":
    unittest.main()
