"""The web service and the FTP server of the stand-in, over real HTTPS and FTP."""
import base64
import ftplib
import hashlib
import os
import socket
import unittest
import xml.etree.ElementTree as ET

from aiuto_laboratorio import carica, sessione_ftp, utente
from cliente import ProcessoLaboratorio

ALBUM = ('<?xml version="1.0" encoding="UTF-8"?>\n<xml><formato id="15x10"><files><file>'
         '<nomecompleto>/tmp/imgVE_000001.jpg</nomecompleto><titolo>Città è più</titolo>'
         '<quantita>1</quantita><formato>15x10</formato><ridimensionamento>FILLIN'
         '</ridimensionamento></file></files></formato></xml>\n').encode("utf-8")


class TestServizio(unittest.TestCase):
    def setUp(self):
        # A fresh stand-in each, so no test sees another's transactions or switches.
        laboratorio = ProcessoLaboratorio()
        self.addCleanup(laboratorio.__exit__)
        self.d = laboratorio.descrizione
        self.c = laboratorio.cliente

    def op(self, operazione, nome, timeout=None, **campi):
        return self.c.servizio(operazione, nome, utente(self.d, nome)["password"], timeout, **campi)

    def valore(self, risposta, percorso):
        return ET.fromstring(risposta).findtext(percorso)

    def apri_transazione(self, nome):
        """A transaction with its folder and album uploaded and its digest recorded."""
        t = ET.fromstring(self.op("f_K_HTTPS_NUOVA_TRANSAZIONE", nome)).find("transazioni")
        ident, cartella = t.findtext("transazione_id"), t.findtext("cartella")
        ftp = sessione_ftp(self.d, nome)
        ftp.mkd(cartella)
        ftp.cwd(cartella)
        carica(ftp, "Velistra.xml", ALBUM)
        ftp.quit()
        self.assertEqual(self.valore(self.op("f_K_HTTPS_CREA_MD5", nome, transazione_id=ident),
                                     "esito_md5"), "1")
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
        self.assertEqual(self.valore(sbagliata, "utente/esiste"), "0")

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
        self.assertEqual(self.valore(self.op("f_K_HTTPS_LEGGI_MD5", "cliente", transazione_id=ident),
                                     "md5"), hashlib.md5(ALBUM).hexdigest())
        self.assertEqual(self.op("f_K_HTTPS_LEGGI_VELISTRA", "cliente", transazione_id=ident), ALBUM)
        self.assertEqual(self.valore(self.op("f_K_HTTPS_LEGGI_TRANSAZIONE_DA_PAGARE", "cliente"),
                                     "transazioni/transazione_id"), ident)
        self.assertEqual(self.valore(self.op("f_K_HTTPS_PAGATO", "cliente", transazione_id=ident),
                                     "pagato"), "0")

        url = self.valore(self.op("f_K_HTTPS_PAGA_VELISTRA", "cliente", transazione_id=ident,
                                  prezzo="1.234.50"), "url")
        pagina = base64.b64decode(url).decode("ascii")
        self.assertTrue(pagina.startswith("https://127.0.0.1:%d/" % self.d["porta_https"]))
        stato, testo = self.c.leggi(pagina)
        self.assertEqual(stato, 200)
        self.assertIn("€ 1.234.50", testo)
        self.assertIn("<button", testo)
        self.assertEqual(self.c.posta(pagina, {})[0], 200)

        self.assertEqual(self.valore(self.op("f_K_HTTPS_PAGATO", "cliente", transazione_id=ident),
                                     "pagato"), "1")
        self.assertIsNone(self.valore(self.op("f_K_HTTPS_LEGGI_TRANSAZIONE_DA_PAGARE", "cliente"),
                                      "transazioni/transazione_id"))
        self.assertEqual(self.valore(self.op("f_K_HTTPS_LEGGI_TRANSAZIONE_PAGATO", "cliente"),
                                     "transazioni/transazione_id"), ident)
        self.op("f_K_HTTPS_VELISTRA_TRAFERITO", "cliente", transazione_id=ident, trasferito="1")
        self.assertIsNone(self.valore(self.op("f_K_HTTPS_LEGGI_TRANSAZIONE_PAGATO", "cliente"),
                                      "transazioni/transazione_id"))
        registrata = next(t for t in self.c.controllo("transazioni") if str(t["id"]) == ident)
        self.assertEqual((registrata["prezzo"], registrata["pagato"], registrata["trasferito"]),
                         ("1.234.50", 1, 1))

    def test_cancellation_only_of_ones_own_transaction(self):
        ident, _ = self.apri_transazione("convenzionato")
        self.op("f_K_HTTPS_CANCELLA_TRANSAZIONE", "cliente", transazione_id=ident)
        self.assertEqual(self.valore(self.op("f_K_HTTPS_LEGGI_TRANSAZIONE_DA_PAGARE", "convenzionato"),
                                     "transazioni/transazione_id"), ident)
        self.op("f_K_HTTPS_CANCELLA_TRANSAZIONE", "convenzionato", transazione_id=ident)
        self.assertEqual(self.op("f_K_HTTPS_LEGGI_TRANSAZIONE_DA_PAGARE", "convenzionato"),
                         b"<xml></xml>")

    def test_the_control_address_pays_and_lists_requests(self):
        ident, _ = self.apri_transazione("cliente")
        self.c.controllo("paga", transazione_id=ident)
        self.assertEqual(self.valore(self.op("f_K_HTTPS_PAGATO", "cliente", transazione_id=ident),
                                     "pagato"), "1")
        ultima = self.c.controllo("richieste")[-1]
        self.assertEqual(ultima["operazione"], "f_K_HTTPS_PAGATO")
        self.assertEqual(ultima["campi"]["passwd"], utente(self.d, "cliente")["password"])
        with self.assertRaises(ValueError):
            self.c.controllo("paga", transazione_id="99999")

    def test_web_faults_by_operation_and_count(self):
        self.c.controllo("guasto_web", tipo="non_xml", operazione="f_K_HTTPS_PREZZI", volte="1")
        with self.assertRaises(ET.ParseError):
            ET.fromstring(self.op("f_K_HTTPS_PREZZI", "guest"))
        ET.fromstring(self.op("f_K_HTTPS_PREZZI", "guest"))

        self.c.controllo("guasto_web", tipo="vuota")
        self.assertEqual(self.op("f_K_HTTPS_LOGIN", "cliente"), b"")
        self.assertEqual(self.op("f_K_HTTPS_PREZZI", "guest"), b"")
        self.c.controllo("azzera_guasti")

        risposta = "<xml><utente><esiste>-1\r\n</esiste></utente></xml>"
        self.c.controllo("guasto_web", tipo="risposta", operazione="f_K_HTTPS_LOGIN", testo=risposta)
        self.assertEqual(self.op("f_K_HTTPS_LOGIN", "guest").decode("utf-8"), risposta)
        self.assertNotEqual(self.op("f_K_HTTPS_PREZZI", "guest"), risposta.encode("utf-8"))

    def test_a_slow_reply_outlasts_the_client_time_out(self):
        self.c.controllo("guasto_web", tipo="lenta", secondi="5", volte="1")
        with self.assertRaises((socket.timeout, TimeoutError, OSError)):
            self.op("f_K_HTTPS_LOGIN", "cliente", timeout=1)
        self.assertEqual(self.valore(self.op("f_K_HTTPS_LOGIN", "cliente").replace(b"\r\n", b""),
                                     "utente/esiste"), "1")

    def test_an_imposed_folder_name_is_given_once(self):
        self.c.controllo("cartella", testo="../fuori\r\nDELE x")
        cartella = self.valore(self.op("f_K_HTTPS_NUOVA_TRANSAZIONE", "cliente"), "transazioni/cartella")
        self.assertEqual(cartella, "../fuori\r\nDELE x")
        dopo = self.valore(self.op("f_K_HTTPS_NUOVA_TRANSAZIONE", "cliente"), "transazioni/cartella")
        self.assertRegex(dopo, r"^VE_\d{6}$")

    def test_album_changed_after_its_digest(self):
        ident, _ = self.apri_transazione("cliente")
        self.c.controllo("album", transazione_id=ident)
        copia = self.op("f_K_HTTPS_LEGGI_VELISTRA", "cliente", transazione_id=ident)
        registrato = self.valore(self.op("f_K_HTTPS_LEGGI_MD5", "cliente", transazione_id=ident), "md5")
        self.assertNotEqual(hashlib.md5(copia).hexdigest(), registrato)
        ET.fromstring(copia)

        ostile = ALBUM.decode("utf-8").replace("/tmp/imgVE_000001.jpg", "/etc/passwd")
        self.c.controllo("album", transazione_id=ident, contenuto=ostile, aggiorna_md5="1")
        copia = self.op("f_K_HTTPS_LEGGI_VELISTRA", "cliente", transazione_id=ident)
        self.assertEqual(copia, ostile.encode("utf-8"))
        registrato = self.valore(self.op("f_K_HTTPS_LEGGI_MD5", "cliente", transazione_id=ident), "md5")
        self.assertEqual(hashlib.md5(copia).hexdigest(), registrato)


class TestFTP(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.laboratorio = ProcessoLaboratorio()
        cls.d = cls.laboratorio.descrizione
        cls.c = cls.laboratorio.cliente

    @classmethod
    def tearDownClass(cls):
        cls.laboratorio.__exit__()

    def tearDown(self):
        self.c.controllo("azzera_guasti")

    def remoto(self, *parti):
        return os.path.join(self.d["radice_ftp"], "convenzionato", *parti)

    def cartella(self, nome):
        ftp = sessione_ftp(self.d, "convenzionato")
        ftp.mkd(nome)
        ftp.cwd(nome)
        return ftp

    def test_passive_and_active_uploads_are_byte_identical(self):
        foto = os.urandom(300000)
        for passiva in (True, False):
            ftp = sessione_ftp(self.d, "convenzionato", passiva)
            nome = "modo_%d" % passiva
            ftp.mkd(nome)
            ftp.cwd(nome)
            carica(ftp, "foto.jpg", foto)
            self.assertEqual(ftp.size("foto.jpg"), len(foto))
            ftp.quit()
            with open(self.remoto(nome, "foto.jpg"), "rb") as f:
                self.assertEqual(f.read(), foto)
        comandi = [v["comando"] for v in self.c.registro_ftp() if v["evento"] == "comando"]
        self.assertTrue({"PORT", "EPRT"} & set(comandi))
        self.assertTrue({"PASV", "EPSV"} & set(comandi))

    def test_an_upload_cut_after_n_bytes_leaves_a_short_file(self):
        ftp = self.cartella("taglio")
        foto = os.urandom(1000000)
        self.c.controllo("taglio_ftp", byte="300000", nome="b.jpg")
        carica(ftp, "a.jpg", foto)  # another name is not cut
        with self.assertRaises((ftplib.Error, OSError, EOFError)):
            carica(ftp, "b.jpg", foto)
        ftp.close()
        self.assertEqual(os.path.getsize(self.remoto("taglio", "b.jpg")), 300000)
        with open(self.remoto("taglio", "b.jpg"), "rb") as f:
            self.assertEqual(f.read(), foto[:300000])

        ftp = sessione_ftp(self.d, "convenzionato")
        ftp.cwd("taglio")
        carica(ftp, "b.jpg", foto)  # the switch was for one upload only
        ftp.quit()
        self.assertEqual(os.path.getsize(self.remoto("taglio", "b.jpg")), len(foto))
        trasferimenti = [(v["percorso"], v["completo"]) for v in self.c.registro_ftp()
                         if v["evento"] == "trasferimento" and "taglio/" in v["percorso"]]
        self.assertEqual(trasferimenti, [("convenzionato/taglio/a.jpg", True),
                                         ("convenzionato/taglio/b.jpg", False),
                                         ("convenzionato/taglio/b.jpg", True)])

    def test_a_data_only_cut_keeps_the_session(self):
        ftp = self.cartella("solo_dati")
        self.c.controllo("taglio_ftp", byte="1000", modo="dati")
        try:
            carica(ftp, "c.jpg", os.urandom(500000))
            self.fail("the upload was not cut")
        except ftplib.error_temp:
            pass
        except OSError:  # the reset came before the reply: read it now
            self.assertRaises(ftplib.error_temp, ftp.voidresp)
        carica(ftp, "c.jpg", b"intera")
        ftp.quit()
        with open(self.remoto("solo_dati", "c.jpg"), "rb") as f:
            self.assertEqual(f.read(), b"intera")

    def test_the_proxy_tunnels_to_this_machine_only(self):
        def prima_riga(richiesta):
            with socket.create_connection(("127.0.0.1", self.d["porta_proxy"]), timeout=10) as s:
                s.sendall(richiesta)
                return s.recv(4096).split(b"\r\n")[0]
        self.assertEqual(prima_riga(b"CONNECT %s HTTP/1.1\r\n\r\n" % self.d["Server"].encode()),
                         b"HTTP/1.1 200 Connection established")
        self.assertIn(b" 403 ", prima_riga(b"CONNECT example.com:21 HTTP/1.1\r\n\r\n"))
        self.assertIn(b" 405 ", prima_riga(b"GET http://127.0.0.1/ HTTP/1.1\r\n\r\n"))
        with open(self.d["registro_proxy"], encoding="utf-8") as f:
            self.assertEqual(f.read().count("tunnel"), 1)

    def test_the_log_counts_every_store_and_hides_passwords(self):
        ftp = self.cartella("conta")
        for contenuto in (b"1", b"22"):
            carica(ftp, "x.jpg", contenuto)
        ftp.retrlines("MLSD", lambda riga: None)
        ftp.quit()
        registro = self.c.registro_ftp()
        stor = [v for v in registro if v["evento"] == "comando" and v["comando"] == "STOR"
                and v["argomento"] == "convenzionato/conta/x.jpg"]
        self.assertEqual(len(stor), 2)
        password = utente(self.d, "convenzionato")["password_ftp"]
        self.assertTrue(all(password not in str(v) for v in registro))


if __name__ == "__main__":
    unittest.main()
