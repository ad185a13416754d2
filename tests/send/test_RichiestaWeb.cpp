#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "ServerHttpsProva.h"
#include "common/DocumentoXML.h"
#include "send/RichiestaWeb.h"

namespace {

class RichiestaWebTest : public ::testing::Test {
 protected:
  void PuntaA(int porta) {
    server_.DatiFTPBase = QStringLiteral("127.0.0.1:%1/").arg(porta);
    server_.DatiFTPPrezzi = QStringLiteral("servizio/velistra.php");
  }
  void ControllaErrore(const RispostaWeb& risposta, ErroreRichiesta atteso) {
    EXPECT_EQ(risposta.errore, atteso) << risposta.dettaglio.toStdString();
    EXPECT_TRUE(risposta.corpo.isEmpty());
  }

  DatiServer server_;
};

// Only the lab's own authority and the name its certificate gives (127.0.0.1,
// not localhost) are trusted, unless tolerance is asked for.
TEST_F(RichiestaWebTest, ReplyBodyComesBackOnlyWithTheLabsOwnAuthorityAndName) {
  ServerHttpsProva server(QStringLiteral("eco"));
  ASSERT_TRUE(server.avviato());
  PuntaA(server.porta());
  ControllaErrore(InviaRichiestaWeb(server_, QStringLiteral("modo=1"), true), ErroreRichiesta::Certificato);
  server_.CertificatoCA = server.certificatoCA();
  server_.DatiFTPBase = QStringLiteral("localhost:%1/").arg(server.porta());
  ControllaErrore(InviaRichiestaWeb(server_, QStringLiteral("modo=1"), true), ErroreRichiesta::Certificato);
  PuntaA(server.porta());

  const QString corpo = QStringLiteral("modo=7&user=a%26b&pwd=%C3%A8");
  const RispostaWeb risposta = InviaRichiestaWeb(server_, corpo, true);

  EXPECT_TRUE(risposta.riuscita());
  EXPECT_EQ(risposta.statoHttp, 200);
  auto documento = CreaDocumentoXML();
  ASSERT_TRUE(documento->caricaTesto(risposta.testo()));
  EXPECT_EQ(documento->selezionaNodo(QStringLiteral("/xml/corpo")).testo(), corpo);
  EXPECT_EQ(documento->selezionaNodo(QStringLiteral("/xml/tipo")).testo(),
            QStringLiteral("application/x-www-form-urlencoded"));
  EXPECT_EQ(QString::fromUtf8(risposta.corpo), risposta.testo());

  server_.CertificatoCA.clear();
  server_.VerificaCertificato = false;
  EXPECT_TRUE(InviaRichiestaWeb(server_, QStringLiteral("modo=1"), true).riuscita());
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
  ControllaErrore(InviaRichiestaWeb(server_, QStringLiteral("modo=1"), true), ErroreRichiesta::ConnessioneRifiutata);
}

TEST_F(RichiestaWebTest, TheTimeOutBoundsTheWholeRequestForALateAndASilentServer) {
  server_.VerificaCertificato = false;
  server_.TimeoutRichiestaMs = 1000;
  for (const QString& modo : {QStringLiteral("tardi"), QStringLiteral("muto")}) {
    SCOPED_TRACE(modo.toStdString());
    ServerHttpsProva server(modo, 1.5);
    ASSERT_TRUE(server.avviato());
    PuntaA(server.porta());

    QElapsedTimer orologio;
    orologio.start();
    const RispostaWeb risposta = InviaRichiestaWeb(server_, QStringLiteral("modo=1"), true);
    EXPECT_LT(orologio.elapsed(), 2000);
    ControllaErrore(risposta, ErroreRichiesta::TempoScaduto);
  }
}

}  // namespace
