#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "ServerHttpsProva.h"
#include "common/DocumentoXML.h"
#include "common/RichiestaWeb.h"
#include "support/PiattaformaFinta.h"

namespace {

const QString kFallita = QStringLiteral("</xml>");
const QString kNonConnesso = QStringLiteral("Impossibile connettersi.");

class RichiestaWebTest : public ::testing::Test {
 protected:
  void PuntaA(int porta) {
    server_.DatiFTPBase = QStringLiteral("127.0.0.1:%1/").arg(porta);
    server_.DatiFTPPrezzi = QStringLiteral("servizio/velistra.php");
  }
  void ControllaUnSoloErrore() {
    ASSERT_EQ(finta.messaggi().size(), 1);
    EXPECT_EQ(finta.messaggi()[0].testo, kNonConnesso);
    EXPECT_EQ(finta.messaggi()[0].icona, IconaMessaggio::Critica);
    EXPECT_EQ(finta.messaggi()[0].pulsanti, PulsantiMessaggio::OK);
  }

  DatiServer server_;
  PiattaformaFinta finta;
};

TEST_F(RichiestaWebTest, ReplyBodyComesBackWithTheLabsOwnAuthority) {
  ServerHttpsProva server(QStringLiteral("eco"));
  ASSERT_TRUE(server.avviato());
  PuntaA(server.porta());
  server_.CertificatoCA = server.certificatoCA();

  QByteArray grezzi;
  const QString corpo = QStringLiteral("modo=7&user=a%26b&pwd=%C3%A8");
  const QString risposta = InviaRichiestaWeb(server_, corpo, true, &grezzi);

  EXPECT_TRUE(finta.messaggi().isEmpty());
  auto documento = CreaDocumentoXML();
  ASSERT_TRUE(documento->caricaTesto(risposta));
  EXPECT_EQ(documento->selezionaNodo(QStringLiteral("/xml/corpo")).testo(), corpo);
  EXPECT_EQ(documento->selezionaNodo(QStringLiteral("/xml/tipo")).testo(),
            QStringLiteral("application/x-www-form-urlencoded"));
  EXPECT_EQ(QString::fromUtf8(grezzi), risposta);
}

TEST_F(RichiestaWebTest, UnknownAuthorityIsRefusedUnlessToleranceIsAskedFor) {
  ServerHttpsProva server(QStringLiteral("eco"));
  ASSERT_TRUE(server.avviato());
  PuntaA(server.porta());

  EXPECT_EQ(InviaRichiestaWeb(server_, QStringLiteral("modo=1"), true), kFallita);
  ControllaUnSoloErrore();

  finta.Azzera();
  server_.VerificaCertificato = false;
  EXPECT_NE(InviaRichiestaWeb(server_, QStringLiteral("modo=1"), true), kFallita);
  EXPECT_TRUE(finta.messaggi().isEmpty());
}

TEST_F(RichiestaWebTest, WrongHostNameIsRefusedEvenWithTheAuthority) {
  ServerHttpsProva server(QStringLiteral("eco"));
  ASSERT_TRUE(server.avviato());
  // The certificate names 127.0.0.1, not localhost.
  server_.DatiFTPBase = QStringLiteral("localhost:%1/").arg(server.porta());
  server_.CertificatoCA = server.certificatoCA();
  EXPECT_EQ(InviaRichiestaWeb(server_, QStringLiteral("modo=1"), true), kFallita);
  ControllaUnSoloErrore();
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
  EXPECT_EQ(InviaRichiestaWeb(server_, QStringLiteral("modo=1"), true), kFallita);
  ControllaUnSoloErrore();
}

TEST_F(RichiestaWebTest, TheTimeOutBoundsTheWholeRequestForALateAndASilentServer) {
  server_.VerificaCertificato = false;
  server_.TimeoutRichiestaMs = 1000;
  for (const QString& modo : {QStringLiteral("tardi"), QStringLiteral("muto")}) {
    SCOPED_TRACE(modo.toStdString());
    finta.Azzera();
    ServerHttpsProva server(modo, 1.5);
    ASSERT_TRUE(server.avviato());
    PuntaA(server.porta());

    QElapsedTimer orologio;
    orologio.start();
    EXPECT_EQ(InviaRichiestaWeb(server_, QStringLiteral("modo=1"), true), kFallita);
    EXPECT_LT(orologio.elapsed(), 2000);
    ControllaUnSoloErrore();
  }
}

}  // namespace
