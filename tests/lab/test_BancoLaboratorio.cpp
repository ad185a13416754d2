#include <curl/curl.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "BancoLaboratorio.h"
#include "codecs/Base64Class.h"
#include "codecs/CMD5.h"
#include "common/DocumentoXML.h"
#include "common/RichiestaWeb.h"
#include "send/CodiciOperazione.h"
#include "settings/Impostazioni.h"
#include "send/RichiestaLaboratorio.h"
#include "support/CartellaProgrammaProva.h"
#include "support/PiattaformaFinta.h"

namespace {

const QByteArray kAlbum =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xml><formato id=\"15x10\"><files><file>"
    "<nomecompleto>imgVE_000001.jpg</nomecompleto><titolo>Perché è così</titolo>"
    "<quantita>1</quantita><formato>15x10</formato><ridimensionamento>FILLIN</ridimensionamento>"
    "</file></files></formato></xml>\n";

struct Lettura {
  const QByteArray* dati;
  qsizetype posizione = 0;
};

size_t LeggiDati(char* destinazione, size_t dimensione, size_t quanti, void* sorgente) {
  auto* lettura = static_cast<Lettura*>(sorgente);
  const size_t n = std::min<size_t>(dimensione * quanti, lettura->dati->size() - lettura->posizione);
  memcpy(destinazione, lettura->dati->constData() + lettura->posizione, n);
  lettura->posizione += static_cast<qsizetype>(n);
  return n;
}

size_t Scarta(char*, size_t dimensione, size_t quanti, void*) { return dimensione * quanti; }

// One libcurl FTP request to the stand-in as the given user; binary, bounded in time.
class ClienteFTP {
 public:
  ClienteFTP(const BancoLaboratorio& lab, const QString& nome)
      : curl_(curl_easy_init()), lab_(lab), utente_(lab.utente(nome)) {}
  ~ClienteFTP() { curl_easy_cleanup(curl_); }

  // Every following request goes through this HTTP proxy, tunnelled.
  void ImpostaProxy(const QString& proxy) { proxy_ = proxy.toUtf8(); }

  CURLcode Carica(const QString& remoto, const QByteArray& dati, bool passivo = true) {
    Prepara(remoto);
    Lettura lettura{&dati};
    curl_easy_setopt(curl_, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl_, CURLOPT_READFUNCTION, LeggiDati);
    curl_easy_setopt(curl_, CURLOPT_READDATA, &lettura);
    curl_easy_setopt(curl_, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(dati.size()));
    curl_easy_setopt(curl_, CURLOPT_FTP_CREATE_MISSING_DIRS, static_cast<long>(CURLFTP_CREATE_DIR));
    if (!passivo) curl_easy_setopt(curl_, CURLOPT_FTPPORT, "-");
    return Esegui();
  }

  // The remote size, -1 when the file is not there.
  qint64 Dimensione(const QString& remoto) {
    Prepara(remoto);
    curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
    curl_off_t dimensione = -1;
    curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, Scarta);
    if (Esegui() != CURLE_OK) return -1;
    curl_easy_getinfo(curl_, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &dimensione);
    return dimensione;
  }

 private:
  // libcurl may keep a connection that the server cut in its cache: after a
  // failure the next request opens a new one.
  CURLcode Esegui() {
    const CURLcode codice = curl_easy_perform(curl_);
    rotta_ = codice != CURLE_OK;
    return codice;
  }

  void Prepara(const QString& remoto) {
    curl_easy_reset(curl_);
    if (rotta_) curl_easy_setopt(curl_, CURLOPT_FRESH_CONNECT, 1L);
    url_ = QStringLiteral("ftp://%1/%2").arg(lab_.serverFTP(), remoto).toUtf8();
    nome_ = utente_.nome.toUtf8();
    password_ = utente_.passwordFTP.toUtf8();
    curl_easy_setopt(curl_, CURLOPT_URL, url_.constData());
    curl_easy_setopt(curl_, CURLOPT_USERNAME, nome_.constData());
    curl_easy_setopt(curl_, CURLOPT_PASSWORD, password_.constData());
    curl_easy_setopt(curl_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl_, CURLOPT_CONNECTTIMEOUT, 10L);
    curl_easy_setopt(curl_, CURLOPT_SERVER_RESPONSE_TIMEOUT, 10L);
    curl_easy_setopt(curl_, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl_, CURLOPT_LOW_SPEED_TIME, 10L);
    if (!proxy_.isEmpty()) {
      curl_easy_setopt(curl_, CURLOPT_PROXY, proxy_.constData());
      curl_easy_setopt(curl_, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
      curl_easy_setopt(curl_, CURLOPT_HTTPPROXYTUNNEL, 1L);
    }
  }

  CURL* curl_;
  const BancoLaboratorio& lab_;
  BancoLaboratorio::Utente utente_;
  QByteArray url_, nome_, password_, proxy_;
  bool rotta_ = false;
};

class LaboratorioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(lab.avviato()) << lab.errore().toStdString();
    server = lab.datiServer(3000);
  }

  // One operation through the program's web request routine.
  QString Operazione(const QString& codice, const QString& nome, BancoLaboratorio::Campi extra = {},
                     QByteArray* byte = nullptr) {
    const BancoLaboratorio::Utente u = lab.utente(nome);
    BancoLaboratorio::Campi campi{{QStringLiteral("username"), u.nome},
                                  {QStringLiteral("passwd"), u.password}};
    campi += extra;
    campi.append({QStringLiteral("modo"), codice});
    const RispostaWeb risposta = ChiediAlLaboratorio(server, QString::fromLatin1(BancoLaboratorio::Modulo(campi)));
    if (byte) *byte = risposta.corpo;
    return risposta.testo();
  }

  static QString Valore(const QString& risposta, const QString& percorso) {
    auto documento = CreaDocumentoXML();
    if (!documento->caricaTesto(QString(risposta).remove(QStringLiteral("\r\n")))) return {};
    return documento->selezionaNodo(percorso).testo();
  }

  CartellaProgrammaProva programma;
  PiattaformaFinta finta;
  DatiServer server;
  BancoLaboratorio lab;
};

TEST_F(LaboratorioTest, CodesOfTheProgramAreTheStandInsCodes) {
  const QList<QPair<QString, QString>> codici{
      {QStringLiteral("f_K_HTTPS_NUOVA_TRANSAZIONE"), f_K_HTTPS_NUOVA_TRANSAZIONE()},
      {QStringLiteral("f_K_HTTPS_LEGGI_TRANSAZIONE_DA_PAGARE"), f_K_HTTPS_LEGGI_TRANSAZIONE_DA_PAGARE()},
      {QStringLiteral("f_K_HTTPS_LEGGI_TRANSAZIONE_PAGATO"), f_K_HTTPS_LEGGI_TRANSAZIONE_PAGATO()},
      {QStringLiteral("f_K_HTTPS_CANCELLA_TRANSAZIONE"), f_K_HTTPS_CANCELLA_TRANSAZIONE()},
      {QStringLiteral("f_K_HTTPS_LOGIN"), f_K_HTTPS_LOGIN()},
      {QStringLiteral("f_K_HTTPS_CREA_MD5"), f_K_HTTPS_CREA_MD5()},
      {QStringLiteral("f_K_HTTPS_LEGGI_MD5"), f_K_HTTPS_LEGGI_MD5()},
      {QStringLiteral("f_K_HTTPS_PREZZI"), f_K_HTTPS_PREZZI()},
      {QStringLiteral("f_K_HTTPS_LEGGI_VELISTRA"), f_K_HTTPS_LEGGI_VELISTRA()},
      {QStringLiteral("f_K_HTTPS_PAGATO"), f_K_HTTPS_PAGATO()},
      {QStringLiteral("f_K_HTTPS_PAGA_VELISTRA"), f_K_HTTPS_PAGA_VELISTRA()},
      {QStringLiteral("f_K_HTTPS_VELISTRA_TRAFERITO"), f_K_HTTPS_VELISTRA_TRAFERITO()}};
  for (const auto& [nome, codice] : codici) EXPECT_EQ(lab.codice(nome), codice) << nome.toStdString();
}

TEST_F(LaboratorioTest, TransactionUploadDigestPaymentAndTransferRoundTrip) {
  const QString risposta = Operazione(f_K_HTTPS_LOGIN(), QStringLiteral("cliente"));
  EXPECT_EQ(Valore(risposta, QStringLiteral("/xml/utente/esiste")), QStringLiteral("1"));
  EXPECT_EQ(Valore(risposta, QStringLiteral("/xml/utente/passwd_ftp")),
            lab.utente(QStringLiteral("cliente")).passwordFTP);

  const QString nuova = Operazione(f_K_HTTPS_NUOVA_TRANSAZIONE(), QStringLiteral("cliente"));
  const QString id = Valore(nuova, QStringLiteral("/xml/transazioni/transazione_id"));
  const QString cartella = Valore(nuova, QStringLiteral("/xml/transazioni/cartella"));
  ASSERT_FALSE(id.isEmpty());
  ASSERT_FALSE(cartella.isEmpty());
  const BancoLaboratorio::Campi transazione{{QStringLiteral("transazione_id"), id}};

  ClienteFTP ftp(lab, QStringLiteral("cliente"));
  ASSERT_EQ(ftp.Carica(cartella + QStringLiteral("/Velistra.xml"), kAlbum), CURLE_OK);
  EXPECT_EQ(ftp.Dimensione(cartella + QStringLiteral("/Velistra.xml")), kAlbum.size());
  EXPECT_EQ(ftp.Dimensione(cartella + QStringLiteral("/assente.jpg")), -1);
  EXPECT_EQ(Valore(Operazione(f_K_HTTPS_CREA_MD5(), QStringLiteral("cliente"), transazione),
                   QStringLiteral("/xml/esito_md5")),
            QStringLiteral("1"));

  QByteArray copia;
  Operazione(f_K_HTTPS_LEGGI_VELISTRA(), QStringLiteral("cliente"), transazione, &copia);
  EXPECT_EQ(copia, kAlbum);
  EXPECT_EQ(Valore(Operazione(f_K_HTTPS_LEGGI_MD5(), QStringLiteral("cliente"), transazione),
                   QStringLiteral("/xml/md5")),
            CMD5().MD5Byte(copia));

  BancoLaboratorio::Campi prezzo = transazione;
  prezzo.append({QStringLiteral("prezzo"), QStringLiteral("0.05")});
  const QString url = Valore(Operazione(f_K_HTTPS_PAGA_VELISTRA(), QStringLiteral("cliente"), prezzo),
                             QStringLiteral("/xml/url"));
  const QString pagina = Base64Class().DecodeToString(url);
  EXPECT_TRUE(pagina.startsWith(QStringLiteral("https://127.0.0.1:")));
  EXPECT_EQ(Valore(Operazione(f_K_HTTPS_PAGATO(), QStringLiteral("cliente"), transazione),
                   QStringLiteral("/xml/pagato")),
            QStringLiteral("0"));
  ASSERT_TRUE(lab.PagaDaPagina(pagina));
  EXPECT_EQ(Valore(Operazione(f_K_HTTPS_PAGATO(), QStringLiteral("cliente"), transazione),
                   QStringLiteral("/xml/pagato")),
            QStringLiteral("1"));
  EXPECT_EQ(Valore(Operazione(f_K_HTTPS_LEGGI_TRANSAZIONE_PAGATO(), QStringLiteral("cliente")),
                   QStringLiteral("/xml/transazioni/transazione_id")),
            id);

  BancoLaboratorio::Campi trasferito = transazione;
  trasferito.append({QStringLiteral("trasferito"), QStringLiteral("1")});
  Operazione(f_K_HTTPS_VELISTRA_TRAFERITO(), QStringLiteral("cliente"), trasferito);
  const QList<BancoLaboratorio::Transazione> transazioni = lab.Transazioni();
  ASSERT_EQ(transazioni.size(), 1);
  EXPECT_EQ(transazioni[0].prezzo, QStringLiteral("0.05"));
  EXPECT_TRUE(transazioni[0].pagato && transazioni[0].trasferito && !transazioni[0].cancellata);
  EXPECT_EQ(transazioni[0].md5, CMD5().MD5Byte(kAlbum));

  // The password full of form characters arrived as it was typed.
  const QJsonArray richieste = lab.Richieste();
  ASSERT_FALSE(richieste.isEmpty());
  EXPECT_EQ(richieste.first()[QStringLiteral("campi")][QStringLiteral("passwd")].toString(),
            lab.utente(QStringLiteral("cliente")).password);
  EXPECT_TRUE(finta.messaggi().isEmpty());
}

TEST_F(LaboratorioTest, PriceListIsACatalogue) {
  auto catalogo = CreaDocumentoXML();
  ASSERT_TRUE(catalogo->caricaTesto(Operazione(f_K_HTTPS_PREZZI(), QStringLiteral("guest"))));
  EXPECT_EQ(catalogo->radice().nome(), QStringLiteral("xml"));
  EXPECT_FALSE(catalogo->selezionaNodi(QStringLiteral("/xml/formato[@id='15x10']")).isEmpty());
  EXPECT_TRUE(catalogo->selezionaNodi(QStringLiteral("/xml/*[not(@id)]")).isEmpty());
}

TEST_F(LaboratorioTest, ActiveModeUploadsAndACutUploadLeavesAShortFileInTheLog) {
  const QByteArray foto(2'000'000, 'F');
  ClienteFTP ftp(lab, QStringLiteral("convenzionato"));
  ASSERT_EQ(ftp.Carica(QStringLiteral("attivo/a.jpg"), foto, false), CURLE_OK);
  EXPECT_EQ(ftp.Dimensione(QStringLiteral("attivo/a.jpg")), foto.size());

  ASSERT_TRUE(lab.TaglioFTP(300000, QStringLiteral("b.jpg")));
  EXPECT_NE(ftp.Carica(QStringLiteral("attivo/b.jpg"), foto), CURLE_OK);
  EXPECT_EQ(QFileInfo(lab.cartellaFTP() + QStringLiteral("/convenzionato/attivo/b.jpg")).size(), 300000);
  EXPECT_EQ(ftp.Dimensione(QStringLiteral("attivo/b.jpg")), 300000);
  ASSERT_EQ(ftp.Carica(QStringLiteral("attivo/b.jpg"), foto), CURLE_OK);
  EXPECT_EQ(ftp.Dimensione(QStringLiteral("attivo/b.jpg")), foto.size());

  EXPECT_EQ(lab.Caricamenti(QStringLiteral("convenzionato/attivo/a.jpg")), 1);
  EXPECT_EQ(lab.Caricamenti(QStringLiteral("convenzionato/attivo/b.jpg")), 2);
  int interrotti = 0;
  for (const BancoLaboratorio::VoceFTP& voce : lab.RegistroFTP())
    if (voce.evento == QStringLiteral("trasferimento") && !voce.completo) {
      ++interrotti;
      EXPECT_EQ(voce.byte, 300000);
    }
  EXPECT_EQ(interrotti, 1);
}

TEST_F(LaboratorioTest, UploadThroughTheTunnellingProxy) {
  ClienteFTP ftp(lab, QStringLiteral("convenzionato"));
  ftp.ImpostaProxy(lab.proxy());
  const QByteArray foto(700'000, 'P');
  ASSERT_EQ(ftp.Carica(QStringLiteral("proxy/p.jpg"), foto), CURLE_OK);
  EXPECT_EQ(ftp.Dimensione(QStringLiteral("proxy/p.jpg")), foto.size());
  const QStringList tunnel = lab.TunnelProxy();
  ASSERT_GE(tunnel.size(), 2);  // the control connection and at least one data connection
  EXPECT_EQ(tunnel.first(), lab.serverFTP());
}

TEST_F(LaboratorioTest, FaultSwitchesAndAStoppedStandIn) {
  ASSERT_TRUE(lab.GuastoWeb(QStringLiteral("non_xml"), QStringLiteral("f_K_HTTPS_LOGIN"), 1));
  EXPECT_FALSE(CreaDocumentoXML()->caricaTesto(Operazione(f_K_HTTPS_LOGIN(), QStringLiteral("cliente"))));
  EXPECT_EQ(Valore(Operazione(f_K_HTTPS_LOGIN(), QStringLiteral("cliente")), QStringLiteral("/xml/utente/esiste")),
            QStringLiteral("1"));

  ASSERT_TRUE(lab.GuastoWeb(QStringLiteral("vuota")));
  EXPECT_EQ(Operazione(f_K_HTTPS_PREZZI(), QStringLiteral("guest")), QString());
  ASSERT_TRUE(lab.AzzeraGuasti());
  EXPECT_TRUE(finta.messaggi().isEmpty());

  // A reply a minute late fails at the time-out.
  server.TimeoutRichiestaMs = 1000;
  ASSERT_TRUE(lab.GuastoWeb(QStringLiteral("lenta"), {}, 1, 60));
  EXPECT_EQ(Operazione(f_K_HTTPS_LOGIN(), QStringLiteral("cliente")), QString());
  EXPECT_EQ(finta.testi(), QStringList{QStringLiteral("Impossibile connettersi.")});

  finta.Azzera();
  lab.Ferma();
  EXPECT_FALSE(lab.Paga(QStringLiteral("1")));
  EXPECT_EQ(Operazione(f_K_HTTPS_LOGIN(), QStringLiteral("cliente")), QString());
  EXPECT_EQ(finta.testi(), QStringList{QStringLiteral("Impossibile connettersi.")});
}

TEST_F(LaboratorioTest, SettingsFileWrittenByTheHelperReachesTheStandIn) {
  ASSERT_TRUE(lab.ScriviIniFTP(programma.percorsi().PercorsoIniFTP));
  DatiServer letti = Impostazioni(programma.percorsi()).LeggiDatiServer();
  EXPECT_EQ(letti.DatiFTPServer, lab.serverFTP());
  EXPECT_EQ(letti.CertificatoCA, lab.certificatoCA());
  letti.TimeoutRichiestaMs = server.TimeoutRichiestaMs;
  server = letti;
  EXPECT_EQ(Valore(Operazione(f_K_HTTPS_LOGIN(), QStringLiteral("convenzionato")),
                   QStringLiteral("/xml/utente/convenzionato")),
            QStringLiteral("1"));
}

}  // namespace
