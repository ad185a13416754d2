#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>

#include "common/Compito.h"
#include "send/AvvisoInvio.h"
#include "send/SessioneFTP.h"
#include "support/Attesa.h"
#include "support/CartellaProgrammaProva.h"
#include "support/ServerPythonProva.h"

namespace {

// What the send tells of a failed command.
AvvisiInvio AvvisiFTP(OperazioneFTP operazione, const EsitoFTP& esito) {
  AvvisiInvio avvisi;
  AggiungiErroreFTP(operazione, esito, avvisi);
  return avvisi;
}

const QString kUtente = QStringLiteral("cliente");
const QString kPassword = QStringLiteral("ftp &=+% segreta");

class SessioneFTPTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QDir().mkpath(Remoto(QString()));
    QDir().mkpath(Locale(QString()));
    AvviaServer();
  }
  // pausaMs: how long the server waits before each read of an upload's data.
  void AvviaServer(int pausaMs = 0) {
    QStringList argomenti{Remoto(QString()), kUtente, kPassword};
    if (pausaMs > 0) argomenti.append(QString::number(pausaMs));
    server.reset();
    server = std::make_unique<ServerPythonProva>(
        QStringLiteral(VELISTRA_SORGENTI "/tests/send/server_ftp_prova.py"), argomenti);
    ASSERT_TRUE(server->avviato());
  }
  QString Remoto(const QString& nome) const { return cartella.filePath(QStringLiteral("remoto/") + nome); }
  QString Locale(const QString& nome) const { return cartella.filePath(QStringLiteral("locale/") + nome); }
  QString Crea(const QString& nome, const QByteArray& contenuto) const {
    EXPECT_TRUE(ScriviFile(Locale(nome), contenuto));
    return Locale(nome);
  }
  QByteArray LeggiRemoto(const QString& nome) const { return LeggiFile(Remoto(nome)); }
  QStringList Comandi(const QString& comando) const {
    QStringList trovati;
    for (const QByteArray& riga : LeggiFile(cartella.filePath(QStringLiteral("comandi.log"))).split('\n'))
      if (riga.startsWith(comando.toLatin1())) trovati.append(QString::fromUtf8(riga));
    return trovati;
  }
  SessioneFTP::Impostazioni Impostazioni(bool passivo) const {
    SessioneFTP::Impostazioni i;
    i.server = QStringLiteral("127.0.0.1:%1").arg(server->porta());
    i.utente = kUtente;
    i.password = kPassword;
    i.passivo = passivo;
    i.timeoutMs = 5000;
    return i;
  }

  QTemporaryDir cartella;
  std::unique_ptr<ServerPythonProva> server;
};

TEST_F(SessioneFTPTest, UploadsBinaryFilesIntoTheTransactionFolderOverOneConnection) {
  for (const bool passivo : {true, false}) {
    SessioneFTP sessione;
    ASSERT_TRUE(sessione.ApriSessioneFTP(Impostazioni(passivo)).riuscito());
    ASSERT_TRUE(sessione.attiva());
    const QString cartellaTransazione = passivo ? QStringLiteral("T 1#") : QStringLiteral("T2");
    EXPECT_TRUE(sessione.CreaCartellaFTP(cartellaTransazione).riuscito());
    sessione.CambiaCartellaFTP(QStringLiteral("127.0.0.1"), cartellaTransazione);
    QByteArray binario;
    for (int i = 0; i < 70000; ++i) binario.append(static_cast<char>(i % 256 == 10 ? 13 : i % 256));
    const QString foto = Crea(QStringLiteral("imgVE_000001.jpg"), binario);
    EXPECT_TRUE(sessione.InviaFileFTP(foto, QStringLiteral("host/") + cartellaTransazione +
                                                QStringLiteral("/imgVE_000001.jpg"))
                    .riuscito());
    EXPECT_EQ(LeggiRemoto(cartellaTransazione + QStringLiteral("/imgVE_000001.jpg")), binario);
    // A second upload of the same name replaces it.
    Crea(QStringLiteral("imgVE_000001.jpg"), "corto");
    EXPECT_TRUE(sessione.InviaFileFTP(foto, QStringLiteral("x/imgVE_000001.jpg")).riuscito());
    EXPECT_EQ(LeggiRemoto(cartellaTransazione + QStringLiteral("/imgVE_000001.jpg")), QByteArray("corto"));
  }
  EXPECT_EQ(Comandi(QStringLiteral("USER")).size(), 2);  // one login per session
  EXPECT_TRUE(Comandi(QStringLiteral("TYPE A")).isEmpty());
  EXPECT_FALSE(Comandi(QStringLiteral("PORT")).isEmpty() && Comandi(QStringLiteral("EPRT")).isEmpty());
}

TEST_F(SessioneFTPTest, ResumeTestComparesNameAndSizeByQueryOrByOneListing) {
  QDir().mkpath(Remoto(QStringLiteral("T")));
  // On the server already: one whole, one cut short.
  Crea(QStringLiteral("../remoto/T/intera.jpg"), "12345");
  Crea(QStringLiteral("../remoto/T/tagliata.jpg"), "12");
  const QString intera = Crea(QStringLiteral("intera.jpg"), "12345");
  const QString tagliata = Crea(QStringLiteral("tagliata.jpg"), "12345");
  const QString nuova = Crea(QStringLiteral("nuova.jpg"), "12345");

  SessioneFTP sessione;
  sessione.ApriSessioneFTP(Impostazioni(true));
  sessione.CambiaCartellaFTP({}, QStringLiteral("T"));
  for (const bool elenco : {false, true}) {
    if (elenco) EXPECT_TRUE(sessione.ElencaCartellaCorrente());
    EXPECT_TRUE(sessione.FileGiaTrasferito(intera)) << elenco;
    EXPECT_FALSE(sessione.FileGiaTrasferito(tagliata)) << elenco;
    EXPECT_FALSE(sessione.FileGiaTrasferito(nuova)) << elenco;
  }
  // An upload during the loop keeps the listing true.
  EXPECT_TRUE(sessione.InviaFileFTP(nuova, QStringLiteral("h/T/nuova.jpg")).riuscito());
  EXPECT_TRUE(sessione.FileGiaTrasferito(nuova));
  EXPECT_EQ(Comandi(QStringLiteral("MLSD")).size(), 1);
}

TEST_F(SessioneFTPTest, FailuresCarryTheServersErrorReplyAndTheSendTellsIt) {
  const auto ControllaRifiuto = [](OperazioneFTP operazione, const EsitoFTP& esito, int codice) {
    EXPECT_EQ(esito.errore, ErroreFTP::RifiutoDelServer);
    EXPECT_EQ(esito.codice, codice);
    EXPECT_FALSE(esito.risposta.isEmpty());
    EXPECT_EQ(AvvisiFTP(operazione, esito),
              (AvvisiInvio{{AvvisoInvio::Tipo::RispostaFTP, esito.risposta, operazione, codice}}));
  };
  {
    SessioneFTP sbagliata;
    auto impostazioni = Impostazioni(true);
    impostazioni.password = QStringLiteral("no");
    ControllaRifiuto(OperazioneFTP::Accesso, sbagliata.ApriSessioneFTP(impostazioni), 530);
    EXPECT_FALSE(sbagliata.attiva());
    EXPECT_EQ(sbagliata.CreaCartellaFTP(QStringLiteral("x")).errore, ErroreFTP::SenzaSessione);
    EXPECT_EQ(sbagliata.InviaFileFTP(Crea(QStringLiteral("a.jpg"), "a"), QStringLiteral("h/x/a.jpg")).errore,
              ErroreFTP::SenzaSessione);
  }
  SessioneFTP sessione;
  sessione.ApriSessioneFTP(Impostazioni(true));
  ASSERT_TRUE(sessione.attiva());
  EXPECT_EQ(AvvisiFTP(OperazioneFTP::CambiaCartella, sessione.CambiaCartellaFTP({}, QString())),
            AvvisiInvio{{AvvisoInvio::Tipo::CartellaFTPNonIndicata}});
  ControllaRifiuto(OperazioneFTP::CambiaCartella, sessione.CambiaCartellaFTP({}, QStringLiteral("manca")), 550);
  ControllaRifiuto(OperazioneFTP::InvioFile,
                   sessione.InviaFileFTP(Crea(QStringLiteral("a.jpg"), "a"), QStringLiteral("h/manca/a.jpg")), 550);
  sessione.CambiaCartellaFTP({}, QStringLiteral("/"));
  EXPECT_TRUE(sessione.CreaCartellaFTP(QStringLiteral("doppia")).riuscito());
  ControllaRifiuto(OperazioneFTP::CreaCartella, sessione.CreaCartellaFTP(QStringLiteral("doppia")), 550);
  // A file that cannot be read never reaches the server and has no server text.
  const EsitoFTP mancante = sessione.InviaFileFTP(Locale(QStringLiteral("assente.jpg")), QStringLiteral("h/doppia/x.jpg"));
  EXPECT_EQ(mancante.errore, ErroreFTP::FileLocale);
  EXPECT_TRUE(AvvisiFTP(OperazioneFTP::InvioFile, mancante).isEmpty());
}

TEST_F(SessioneFTPTest, NoServerMeansNoSessionAndNoServerText) {
  auto impostazioni = Impostazioni(true);
  server.reset();
  SessioneFTP sessione;
  const EsitoFTP esito = sessione.ApriSessioneFTP(impostazioni);
  EXPECT_FALSE(sessione.attiva());
  EXPECT_EQ(esito.errore, ErroreFTP::Connessione);
  EXPECT_EQ(esito.codice, 0);
  EXPECT_TRUE(AvvisiFTP(OperazioneFTP::Accesso, esito).isEmpty());
}

TEST_F(SessioneFTPTest, TheGuiThreadKeepsRunningAndHearsTheBytesWhileATaskUploads) {
  // A server that pauses 20 ms before each read makes the upload last a second or more.
  AvviaServer(20);
  const QByteArray contenuto(4 << 20, 'x');
  const QString foto = Crea(QStringLiteral("grande.jpg"), contenuto);
  std::atomic<bool> inViaggio{false};
  bool finito = false;
  EsitoFTP esito;
  int battitiInViaggio = 0;
  QList<qint64> sentiti;  // the byte counts, as the GUI thread heard them during the upload
  bool sentitiPrimaDellaFine = true;
  qint64 durata = 0;
  QTimer battito;
  QObject::connect(&battito, &QTimer::timeout, [&] { battitiInViaggio += inViaggio ? 1 : 0; });
  battito.start(5);
  QObject contesto;
  AvviaCompitoConPassi<qint64>(
      &contesto,
      [&](const std::function<void(const qint64&)>& riferisci) {
        SessioneFTP sessione;
        sessione.ApriSessioneFTP(Impostazioni(true));
        inViaggio = true;
        QElapsedTimer orologio;
        orologio.start();
        const EsitoFTP fatto = sessione.InviaFileFTP(foto, QStringLiteral("h/grande.jpg"), riferisci);
        durata = orologio.elapsed();
        inViaggio = false;
        return fatto;
      },
      [&](qint64 byte) {
        sentiti.append(byte);
        sentitiPrimaDellaFine = sentitiPrimaDellaFine && !finito;
      },
      [&](const EsitoFTP& fatto) {
        esito = fatto;
        finito = true;
      });
  ASSERT_TRUE(AttendiFinche([&] { return finito; }, 30000));
  EXPECT_TRUE(esito.riuscito());
  EXPECT_EQ(LeggiRemoto(QStringLiteral("grande.jpg")).size(), contenuto.size());
  // A GUI thread blocked in the transfer would not tick at all.
  EXPECT_GT(durata, 500);
  EXPECT_GT(battitiInViaggio, 50);
  // Every count arrived, in order, before the result.
  ASSERT_GT(sentiti.size(), 1);
  EXPECT_TRUE(std::is_sorted(sentiti.begin(), sentiti.end()));
  EXPECT_EQ(sentiti.last(), contenuto.size());
  EXPECT_TRUE(sentitiPrimaDellaFine);
}

TEST(NomeRemotoSicuro, RefusesNamesThatCouldLeaveTheFolderOrInjectCommands) {
  for (const char* buono : {"T20261208_17", "cartella/sotto", "foto 1.jpg", "a..b"})
    EXPECT_TRUE(NomeRemotoSicuro(QString::fromUtf8(buono))) << buono;
  for (const char* cattivo : {"", "/assoluto", "..", "a/../b", "x\r\nDELE y", "a\tb", "a\\b", "./a"})
    EXPECT_FALSE(NomeRemotoSicuro(QString::fromUtf8(cattivo))) << cattivo;
}

}  // namespace
