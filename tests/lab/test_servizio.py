"""The web service and the FTP server of the stand-in, over real HTTPS and FTP."""
import base64
import ftplib
import hashlib
import unittest
import xml.etree.ElementTree as ET

from aiuto_laboratorio import carica, sessione_ftp, utente
from cliente import ProcessoLaboratorio

ALBUM = ('<?xml version="1.0" encoding="UTF-8"?>\n<xml><formato id="15x10"><files><file>'
         '<nomecompleto>/tmp/imgVE_000001.jpg</nomecompleto><titolo>Città è più</titolo>'
         '<quantita>1</quantita><formato>15x10</formato><ridimensionamento>FILLIN'
         '</ridimensionamento></file></files></formato></xml>\n').encode("utf-8")


class TestServizio(unittest.TestCase):
    # One stand-in for the class: each test works with users of its own.
    @classmethod
    def setUpClass(cls):
        cls.laboratorio = ProcessoLaboratorio()
        cls.d = cls.laboratorio.descrizione
        cls.c = cls.laboratorio.cliente

    @classmethod
    def tearDownClass(cls):
        cls.laboratorio.__exit__()

    def op(self, operazione, nome, **campi):
        return self.c.servizio(operazione, nome, utente(self.d, nome)["password"], **campi)

    def valore(self, percorso, operazione, nome, **campi):
        """One field of an operation's XML reply."""
        return ET.fromstring(self.op(operazione, nome, **campi)).findtext(percorso)

    def da_pagare(self, nome):
        return self.valore("transazioni/transazione_id", "f_K_HTTPS_LEGGI_TRANSAZIONE_DA_PAGARE", nome)

    def pagata(self, nome):
        return self.valore("transazioni/transazione_id", "f_K_HTTPS_LEGGI_TRANSAZIONE_PAGATO", nome)

    def apri_transazione(self, nome):
        """A transaction with its folder and album uploaded and its digest recorded."""
        t = ET.fromstring(self.op("f_K_HTTPS_NUOVA_TRANSAZIONE", nome)).find("transazioni")
        ident, cartella = t.findtext("transazione_id"), t.findtext("cartella")
        ftp = sessione_ftp(self.d, nome)
        ftp.mkd(cartella)
        ftp.cwd(cartella)
        carica(ftp, "Velistra.xml", ALBUM)
        ftp.quit()
        self.assertEqual(self.valore("esito_md5", "f_K_HTTPS_CREA_MD5", nome, transazione_id=ident), "1")
        return ident, cartella

    def test_login_of_each_user_with_passwords_full_of_form_characters(self):
        for u in self.d["utenti"]:
            risposta = self.op("f_K_HTTPS_LOGIN", u["nome"]).decode("utf-8")
            self.assertIn("\r\n", risposta)
            radice = ET.fromstring(risposta.replace("\r\n", ""))
            self.assertEqual(radice.findtext("utente/esiste"), "1")
            self.assertEqual(radice.findtext("utente/convenzionato"), "1" if u["convenzionato"] else "0")
            self.assertEqual(radice.findtext("utente/passwd_ftp") or "", u["password_ftp"])
        sbagliata = self.c.servizio("f_K_HTTPS_LOGIN", "cliente", "a&b=c d%20e f")
        self.assertEqual(ET.fromstring(sbagliata).findtext("utente/esiste"), "0")

    def test_guest_reads_prices_only(self):
        prezzi = ET.fromstring(self.op("f_K_HTTPS_PREZZI", "guest"))
        self.assertEqual(prezzi.tag, "xml")
        self.assertTrue(prezzi.findall("formato"))
        self.assertTrue(all(f.get("id") and f.tag == "formato" for f in prezzi))
        self.assertEqual(self.op("f_K_HTTPS_NUOVA_TRANSAZIONE", "guest"), b"<xml></xml>")
        self.assertEqual(self.c.servizio("f_K_HTTPS_PREZZI", "guest", "sbagliata"), b"<xml></xml>")
        with self.assertRaises(ftplib.error_perm):
            ftp = ftplib.FTP()
            ftp.connect("127.0.0.1", self.d["porta_ftp"], timeout=10)
            try:
                ftp.login("guest", "guest")
            finally:
                ftp.close()

    def test_ordinary_user_opens_pays_and_transfers(self):
        ident, _ = self.apri_transazione("cliente")
        self.assertEqual(self.valore("md5", "f_K_HTTPS_LEGGI_MD5", "cliente", transazione_id=ident),
                         hashlib.md5(ALBUM).hexdigest())
        self.assertEqual(self.op("f_K_HTTPS_LEGGI_VELISTRA", "cliente", transazione_id=ident), ALBUM)
        self.assertEqual(self.da_pagare("cliente"), ident)
        self.assertEqual(self.valore("pagato", "f_K_HTTPS_PAGATO", "cliente", transazione_id=ident), "0")

        url = self.valore("url", "f_K_HTTPS_PAGA_VELISTRA", "cliente", transazione_id=ident, prezzo="1.234.50")
        pagina = base64.b64decode(url).decode("ascii")
        self.assertTrue(pagina.startswith("https://127.0.0.1:%d/" % self.d["porta_https"]))
        stato, testo = self.c.leggi(pagina)
        self.assertEqual(stato, 200)
        self.assertIn("€ 1.234.50", testo)
        self.assertIn("<button", testo)
        self.assertEqual(self.c.posta(pagina, {})[0], 200)

        self.assertEqual(self.valore("pagato", "f_K_HTTPS_PAGATO", "cliente", transazione_id=ident), "1")
        self.assertIsNone(self.da_pagare("cliente"))
        self.assertEqual(self.pagata("cliente"), ident)
        self.op("f_K_HTTPS_VELISTRA_TRAFERITO", "cliente", transazione_id=ident, trasferito="1")
        self.assertIsNone(self.pagata("cliente"))
        registrata = next(t for t in self.c.controllo("transazioni") if str(t["id"]) == ident)
        self.assertEqual((registrata["prezzo"], registrata["pagato"], registrata["trasferito"]),
                         ("1.234.50", 1, 1))

    def test_cancellation_only_of_ones_own_transaction(self):
        ident, _ = self.apri_transazione("convenzionato")
        self.op("f_K_HTTPS_CANCELLA_TRANSAZIONE", "cliente", transazione_id=ident)
        self.assertEqual(self.da_pagare("convenzionato"), ident)
        self.op("f_K_HTTPS_CANCELLA_TRANSAZIONE", "convenzionato", transazione_id=ident)
        self.assertEqual(self.op("f_K_HTTPS_LEGGI_TRANSAZIONE_DA_PAGARE", "convenzionato"), b"<xml></xml>")


if __name__ == "__main__":
    unittest.main()
