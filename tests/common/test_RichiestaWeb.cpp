#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "ServerHttpsProva.h"
#include "common/DocumentoXML.h"
#include "common/RichiestaWeb.h"
#include "startup/ValoriProgramma.h"
#include "support/CartellaProgrammaProva.h"
#include "support/PiattaformaFinta.h"

namespace {

class RichiestaWebTest : public ::testing::Test {
 protected:
  void PuntaA(int porta) {
    Programma().DatiFTPBase = QStringLiteral("127.0.0.1:%1/").arg(porta);
    Programma().DatiFTPPrezzi = QStringLiteral("servizio/velistra.php");
  }
  // A failure comes back as a value; telling the user is the caller's part.
  void ControllaErrore(const RispostaWeb& risposta, ErroreRichiesta atteso) {
    EXPECT_EQ(risposta.errore, atteso) << risposta.dettaglio.toStdString();
    EXPECT_TRUE(risposta.corpo.isEmpty());
    EXPECT_TRUE(finta.messaggi().isEmpty());
  }

  CartellaProgrammaProva programma;
  PiattaformaFinta finta;
};

TEST_F(RichiestaWebTest, ReplyBodyComesBackWithTheLabsOwnAuthority) {
  ServerHttpsProva server(QStringLiteral("eco"));
  ASSERT_TRUE(server.avviato());
  PuntaA(server.porta());
  Programma().CertificatoCA = server.certificatoCA();

  const QString corpo = QStringLiteral("modo=7&user=a%26b&pwd=%C3%A8");
  const RispostaWeb risposta = InviaRichiestaWeb({}, corpo, true);

  EXPECT_TRUE(risposta.riuscita());
  EXPECT_EQ(risposta.statoHttp, 200);
  EXPECT_TRUE(finta.messaggi().isEmpty());
  auto documento = CreaDocumentoXML();
  ASSERT_TRUE(documento->caricaTesto(risposta.testo()));
  EXPECT_EQ(documento->selezionaNodo(QStringLiteral("/xml/corpo")).testo(), corpo);
  EXPECT_EQ(documento->selezionaNodo(QStringLiteral("/xml/tipo")).testo(),
            QStringLiteral("application/x-www-form-urlencoded"));
  EXPECT_EQ(QString::fromUtf8(risposta.corpo), risposta.testo());
}

TEST_F(RichiestaWebTest, UnknownAuthorityIsRefusedUnlessToleranceIsAskedFor) {
  ServerHttpsProva server(QStringLiteral("eco"));
  ASSERT_TRUE(server.avviato());
  PuntaA(server.porta());

  ControllaErrore(InviaRichiestaWeb({}, QStringLiteral("modo=1"), true), ErroreRichiesta::Certificato);

  Programma().VerificaCertificato = false;
  EXPECT_TRUE(InviaRichiestaWeb({}, QStringLiteral("modo=1"), true).riuscita());
  EXPECT_TRUE(finta.messaggi().isEmpty());
}

TEST_F(RichiestaWebTest, WrongHostNameIsRefusedEvenWithTheAuthority) {
  ServerHttpsProva server(QStringLiteral("eco"));
  ASSERT_TRUE(server.avviato());
  // The certificate names 127.0.0.1, not localhost.
  Programma().DatiFTPBase = QStringLiteral("localhost:%1/").arg(server.porta());
  Programma().CertificatoCA = server.certificatoCA();
  ControllaErrore(InviaRichiestaWeb({}, QStringLiteral("modo=1"), true), ErroreRichiesta::Certificato);
}

TEST_F(RichiestaWebTest, RefusedConnectionShowsTheMessageOnce) {
  // A port that was free a moment ago: nothing listens there.
  int porta = 0;
  {
    ServerHttpsProva server(QStringLiteral("eco"));
    ASSERT_TRUE(server.avviato());
    porta = server.porta();
  }
  PuntaA(porta);
  ControllaErrore(InviaRichiestaWeb({}, QStringLiteral("modo=1"), true), ErroreRichiesta::ConnessioneRifiutata);
}

TEST_F(RichiestaWebTest, TheTimeOutBoundsTheWholeRequestForALateAndASilentServer) {
  Programma().VerificaCertificato = false;
  Programma().TimeoutRichiestaMs = 1000;
  for (const QString& modo : {QStringLiteral("tardi"), QStringLiteral("muto")}) {
    SCOPED_TRACE(modo.toStdString());
    ServerHttpsProva server(modo, 1.5);
    ASSERT_TRUE(server.avviato());
    PuntaA(server.porta());

    QElapsedTimer orologio;
    orologio.start();
    const RispostaWeb risposta = InviaRichiestaWeb({}, QStringLiteral("modo=1"), true);
    EXPECT_LT(orologio.elapsed(), 2000);
    ControllaErrore(risposta, ErroreRichiesta::TempoScaduto);
  }
}

TEST_F(RichiestaWebTest, ConnectionValuesComeFromTheConnectionSettingsFile) {
  programma.Scrivi(QStringLiteral("VelistraFTP.ini"),
                   "[DatiFTP]\r\nServer=ftp.lab\r\nBase=lab.example/\r\nPrezzi=p.php\r\n"
                   "CertificatoCA=certificati/ca.pem\r\nVerificaCertificato=0\r\n");
  LeggiDatiFTP();
  EXPECT_EQ(Programma().DatiFTPServer, QStringLiteral("ftp.lab"));
  EXPECT_EQ(Programma().DatiFTPBase, QStringLiteral("lab.example/"));
  EXPECT_EQ(Programma().DatiFTPPrezzi, QStringLiteral("p.php"));
  EXPECT_EQ(Programma().CertificatoCA, programma.percorso() + QStringLiteral("certificati/ca.pem"));
  EXPECT_FALSE(Programma().VerificaCertificato);

  programma.Scrivi(QStringLiteral("VelistraFTP.ini"), "[DatiFTP]\r\nCertificatoCA=/etc/ca.pem\r\n");
  LeggiDatiFTP();
  EXPECT_EQ(Programma().CertificatoCA, QStringLiteral("/etc/ca.pem"));
  EXPECT_TRUE(Programma().VerificaCertificato);
  EXPECT_TRUE(Programma().DatiFTPServer.isEmpty());
}

}  // namespace
