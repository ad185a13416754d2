#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "BancoLaboratorio.h"
#include "send/SessioneFTP.h"
#include "support/CartellaProgrammaProva.h"
#include "support/ServerPythonProva.h"

// The FTP session against the lab stand-in with and without AUTH TLS, every
// connection through a relay that records what crosses the network.
namespace {

const QString kCartella = QStringLiteral("T1");
const QByteArray kCondizioni = "Cognome: Bellandi\r\nVia: Via dei Tigli 12\r\nCitta: Lucca\r\n";

class SessioneFTPCifrataTest : public ::testing::Test {
 protected:
  void Avvia(bool offreTLS) {
    banco = std::make_unique<BancoLaboratorio>(offreTLS);
    ASSERT_TRUE(banco->avviato()) << banco->errore().toStdString();
    relay = std::make_unique<ServerPythonProva>(
        QStringLiteral(VELISTRA_SORGENTI "/tests/send/relay_registratore.py"), QStringList{Registrazione()});
    ASSERT_TRUE(relay->avviato());
    foto = QByteArray(3 << 20, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(foto.data()), foto.size() / 4);
    Scrivi(QStringLiteral("Condition.txt"), kCondizioni);
    Scrivi(QStringLiteral("foto.jpg"), foto);
  }
  QString Registrazione() const { return cartella.filePath(QStringLiteral("traffico.bin")); }
  QString Locale(const QString& nome) const { return cartella.filePath(nome); }
  void Scrivi(const QString& nome, const QByteArray& byte) const { ASSERT_TRUE(ScriviFile(Locale(nome), byte)); }
  QByteArray Traffico() const { return LeggiFile(Registrazione()); }
  QByteArray SulServer(const QString& nome) const {
    return LeggiFile(banco->cartellaFTP() + QStringLiteral("/cliente/") + kCartella + u'/' + nome);
  }
  QStringList Comandi() const {
    QStringList comandi;
    for (const auto& voce : banco->RegistroFTP())
      if (voce.evento == QStringLiteral("comando")) comandi.append(voce.comando);
    return comandi;
  }
  SessioneFTP::Impostazioni Impostazioni() const {
    SessioneFTP::Impostazioni i;
    i.server = banco->serverFTP();
    i.utente = QStringLiteral("cliente");
    i.password = banco->utente(QStringLiteral("cliente")).passwordFTP;
    i.proxy = QStringLiteral("127.0.0.1:%1").arg(relay->porta());
    i.passivo = true;
    i.timeoutMs = 10000;
    i.certificatoCA = banco->certificatoCA();
    return i;
  }
  // The order's text and a photo, the photo cut once half-way and sent again.
  void InviaConUnTaglio(SessioneFTP& sessione) {
    ASSERT_TRUE(sessione.CreaCartellaFTP(kCartella).riuscito());
    ASSERT_TRUE(sessione.CambiaCartellaFTP(QString(), kCartella).riuscito());
    ASSERT_TRUE(sessione.InviaFileFTP(Locale("Condition.txt"), "T1/Condition.txt").riuscito());
    ASSERT_TRUE(banco->TaglioFTP(foto.size() / 2, QStringLiteral("foto.jpg")));
    EXPECT_FALSE(sessione.InviaFileFTP(Locale("foto.jpg"), "T1/foto.jpg").riuscito());
    EXPECT_FALSE(sessione.FileGiaTrasferito(Locale("foto.jpg")));
    ASSERT_TRUE(sessione.InviaFileFTP(Locale("foto.jpg"), "T1/foto.jpg").riuscito());
    EXPECT_TRUE(sessione.FileGiaTrasferito(Locale("foto.jpg")));
    EXPECT_EQ(SulServer(QStringLiteral("Condition.txt")), kCondizioni);
    EXPECT_TRUE(SulServer(QStringLiteral("foto.jpg")) == foto);
  }
  // What an eavesdropper must not read: the secrets, and any slice of the photo.
  QList<QByteArray> Segreti() const {
    return {banco->utente(QStringLiteral("cliente")).passwordFTP.toUtf8(), "USER cliente",
            kCondizioni.left(24), foto.mid(1000, 32), foto.mid(foto.size() - 64, 32)};
  }

  QTemporaryDir cartella;
  std::unique_ptr<BancoLaboratorio> banco;
  std::unique_ptr<ServerPythonProva> relay;
  QByteArray foto;
};

TEST_F(SessioneFTPCifrataTest, WithTlsOfferedNothingCrossesInClearAndACutUploadIsSentAgainWhole) {
  Avvia(true);
  SessioneFTP sessione;
  SessioneFTP::Impostazioni impostazioni = Impostazioni();
  impostazioni.passivo = false;  // asked for, but data connections under TLS are passive
  ASSERT_TRUE(sessione.ApriSessioneFTP(impostazioni).riuscito());
  EXPECT_TRUE(sessione.cifrata());
  InviaConUnTaglio(sessione);
  EXPECT_TRUE(sessione.ElencaCartellaCorrente());

  const QByteArray traffico = Traffico();
  EXPECT_GT(traffico.size(), foto.size());
  for (const QByteArray& segreto : Segreti()) EXPECT_FALSE(traffico.contains(segreto)) << segreto.left(24).toHex().toStdString();
  const QStringList comandi = Comandi();
  EXPECT_EQ(comandi.first(), QStringLiteral("AUTH"));
  EXPECT_FALSE(comandi.contains(QStringLiteral("PORT")) || comandi.contains(QStringLiteral("EPRT")));
  EXPECT_EQ(banco->Caricamenti(QStringLiteral("cliente/T1/foto.jpg")), 2);
}

TEST_F(SessioneFTPCifrataTest, WithoutTlsTheSessionGoesOnInClear) {
  Avvia(false);
  SessioneFTP sessione;
  ASSERT_TRUE(sessione.ApriSessioneFTP(Impostazioni()).riuscito());
  EXPECT_FALSE(sessione.cifrata());
  InviaConUnTaglio(sessione);
  // The relay does see what it carries: the check above is no empty proof.
  const QByteArray traffico = Traffico();
  for (const QByteArray& segreto : Segreti()) EXPECT_TRUE(traffico.contains(segreto));
}

TEST_F(SessioneFTPCifrataTest, TlsRequiredButNotOfferedStopsBeforeTheLogin) {
  Avvia(false);
  SessioneFTP sessione;
  SessioneFTP::Impostazioni impostazioni = Impostazioni();
  impostazioni.tlsObbligatorio = true;
  EXPECT_EQ(sessione.ApriSessioneFTP(impostazioni).errore, ErroreFTP::TLSNonOfferto);
  EXPECT_FALSE(sessione.attiva());
  EXPECT_FALSE(sessione.InviaFileFTP(Locale(QStringLiteral("foto.jpg")), QStringLiteral("T1/foto.jpg")).riuscito());
  const QStringList comandi = Comandi();
  EXPECT_FALSE(comandi.contains(QStringLiteral("USER")) || comandi.contains(QStringLiteral("PASS")) ||
               comandi.contains(QStringLiteral("STOR")))
      << comandi.join(u' ').toStdString();
  EXPECT_FALSE(Traffico().contains(Impostazioni().password.toUtf8()));
}

TEST_F(SessioneFTPCifrataTest, ACertificateTheLabsAuthorityDidNotSignIsRefusedUnlessTheCheckIsOff) {
  Avvia(true);
  // Another authority, made as the stand-in makes its own.
  const QString altra = cartella.filePath(QStringLiteral("altra"));
  QDir().mkpath(altra);
  ASSERT_EQ(QProcess::execute(QStringLiteral("/usr/bin/python3"),
                              {QStringLiteral("-B"), QStringLiteral("-c"),
                               QStringLiteral("import sys; sys.path.insert(0, sys.argv[1]); import certificati; "
                                              "certificati.prepara_certificati(sys.argv[2])"),
                               QStringLiteral(VELISTRA_SORGENTI "/tools/lab"), altra}),
            0);
  struct Caso {
    QString ca;
    bool verifica;
    bool accede;
  };
  const QList<Caso> casi{{altra + QStringLiteral("/ca.pem"), true, false},
                         {QString(), true, false},
                         {altra + QStringLiteral("/ca.pem"), false, true},
                         {banco->certificatoCA(), true, true}};
  for (const Caso& caso : casi) {
    SessioneFTP sessione;
    SessioneFTP::Impostazioni impostazioni = Impostazioni();
    impostazioni.certificatoCA = caso.ca;
    impostazioni.verificaCertificato = caso.verifica;
    EXPECT_EQ(sessione.ApriSessioneFTP(impostazioni).riuscito(), caso.accede) << caso.ca.toStdString();
  }
  // The password went out only over the trusted connections.
  EXPECT_EQ(Comandi().count(QStringLiteral("PASS")), 2);
}

}  // namespace
