#include <gtest/gtest.h>

#include <QFile>

#include "settings/Impostazioni.h"
#include "support/CartellaProgrammaProva.h"

namespace {

TEST(Impostazioni, MissingFilesGiveEveryDefaultAndAreNotCreated) {
  CartellaProgrammaProva programma(false);
  const Impostazioni impostazioni(programma.percorsi());
  // Defaults whose opposite would raise a false alarm, resume a send or drop the certificate check.
  EXPECT_TRUE(impostazioni.ChiusuraOk());
  EXPECT_FALSE(impostazioni.FTPInCorso());
  EXPECT_TRUE(impostazioni.LeggiDatiServer().VerificaCertificato);
  EXPECT_EQ(impostazioni.ContatoreFoto(), 0);
  EXPECT_FALSE(QFile::exists(programma.percorsi().PercorsoIni));
  EXPECT_FALSE(QFile::exists(programma.percorsi().PercorsoIniFTP));
}

TEST(Impostazioni, EachTypeHasOneParseRule) {
  CartellaProgrammaProva programma(false);
  const Impostazioni impostazioni(programma.percorsi());
  // Flags are whole numbers: anything but 0 is set, a text that is no number is 0.
  const struct {
    const char* righe;
    bool ftpInCorso, chiusuraOk;
    std::int32_t contatore;
  } casi[] = {{"ftpincorso= 1 \r\nChiusuraOk=no\r\n", true, false, 0},
              {"FTPInCorso=2\r\nContatoreFoto=-5\r\n", true, true, 0},
              {"FTPInCorso=0\r\nContatoreFoto=12x\r\n", false, true, 0},
              {"ContatoreFoto=2147483647\r\n", false, true, 2147483647}};
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.righe);
    programma.Scrivi(QStringLiteral("Velistra.ini"), QByteArray("[Opzioni]\r\n") + caso.righe);
    EXPECT_EQ(impostazioni.FTPInCorso(), caso.ftpInCorso);
    EXPECT_EQ(impostazioni.ChiusuraOk(), caso.chiusuraOk);
    EXPECT_EQ(impostazioni.ContatoreFoto(), caso.contatore);
  }

  // Geometry beyond 16 bits is kept; a value that is no number reads as its default.
  programma.Scrivi(QStringLiteral("Velistra.ini"), "[DimForm]\r\nLarghezzaForm=40000\r\nTopForm=alto\r\nFormMassimizzata=0\r\n");
  const DimensioniFinestra d = impostazioni.Dimensioni();
  EXPECT_EQ(d.LarghezzaForm, 40000);
  EXPECT_EQ(d.TopForm, 50);
  EXPECT_FALSE(d.FormMassimizzata);

  // Only "0" turns the certificate check off; a relative authority lies in the program folder.
  programma.Scrivi(QStringLiteral("VelistraFTP.ini"),
                   "[DatiFTP]\r\nServer=ftp.lab\r\nBase=lab.example/\r\nPrezzi=p.php\r\n"
                   "CertificatoCA=certificati/ca.pem\r\nVerificaCertificato=0\r\nFTPPassivo=1\r\n"
                   "FTPSicuro=1\r\n");
  DatiServer server = impostazioni.LeggiDatiServer();
  EXPECT_TRUE(server.FTPSicuro);
  EXPECT_EQ(server.DatiFTPServer, QStringLiteral("ftp.lab"));
  EXPECT_EQ(server.DatiFTPBase + server.DatiFTPPrezzi, QStringLiteral("lab.example/p.php"));
  EXPECT_EQ(server.CertificatoCA, programma.percorso() + QStringLiteral("certificati/ca.pem"));
  EXPECT_FALSE(server.VerificaCertificato);
  EXPECT_TRUE(impostazioni.LeggiConnessione().FTPPassivo);
  programma.Scrivi(QStringLiteral("VelistraFTP.ini"), "[DatiFTP]\r\nCertificatoCA=/etc/ca.pem\r\nVerificaCertificato=no\r\n");
  server = impostazioni.LeggiDatiServer();
  EXPECT_EQ(server.CertificatoCA, QStringLiteral("/etc/ca.pem"));
  EXPECT_TRUE(server.VerificaCertificato);
  EXPECT_TRUE(server.DatiFTPServer.isEmpty());
  EXPECT_FALSE(server.FTPSicuro);
}

TEST(Impostazioni, WritesKeepTheInstalledFormatByteForByte) {
  CartellaProgrammaProva programma;
  const PercorsiProgramma percorsi = programma.percorsi();
  const Impostazioni impostazioni(percorsi);
  const QByteArray installato = programma.Leggi(QStringLiteral("Velistra.ini"));
  const QByteArray installatoFTP = programma.Leggi(QStringLiteral("VelistraFTP.ini"));

  // Writing every key at its installed value changes no byte.
  ASSERT_TRUE(impostazioni.ScriviContatoreFoto(0));
  ASSERT_TRUE(impostazioni.ScriviChiusuraOk(true));
  ASSERT_TRUE(impostazioni.ScriviNonMostrareMessaggio(false));
  ASSERT_TRUE(impostazioni.ScriviFTPInCorso(false));
  ASSERT_TRUE(impostazioni.ScriviDimensioni(DimensioniFinestra{}, true));
  ASSERT_TRUE(impostazioni.ScriviConnessione(DatiConnessione{}));
  EXPECT_EQ(programma.Leggi(QStringLiteral("Velistra.ini")), installato);
  EXPECT_EQ(programma.Leggi(QStringLiteral("VelistraFTP.ini")), installatoFTP);

  // Other values land in place, as the plain writer puts them, and read back.
  ASSERT_TRUE(impostazioni.ScriviContatoreFoto(42));
  ASSERT_TRUE(impostazioni.ScriviFTPInCorso(true));
  ASSERT_TRUE(impostazioni.ScriviDatiUtente({QStringLiteral("Rossi"), QStringLiteral("Anna"),
                                            QStringLiteral("Forlì"), QStringLiteral("Via Roma 1")}));
  ASSERT_TRUE(impostazioni.ScriviDimensioni({7000, 9500, 10, 20, 600, false}, false));
  QByteArray atteso = installato;
  atteso.replace("ContatoreFoto=0", "ContatoreFoto=42")
      .replace("FTPInCorso=0", "FTPInCorso=1")
      .replace("DatiUtenteOk=0", "DatiUtenteOk=1")
      .replace("picResizer2=500", "picResizer2=600")
      .replace("FormMassimizzata=1", "FormMassimizzata=0")
      .replace("Cognome=\r\nNome=\r\nCitta=\r\nVia=", "Cognome=Rossi\r\nNome=Anna\r\nCitta=Forl\xec\r\nVia=Via Roma 1");
  EXPECT_EQ(programma.Leggi(QStringLiteral("Velistra.ini")), atteso);
  EXPECT_EQ(impostazioni.ContatoreFoto(), 42);
  EXPECT_TRUE(impostazioni.FTPInCorso());
  EXPECT_TRUE(impostazioni.DatiUtenteOk());
  EXPECT_EQ(impostazioni.LeggiDatiUtente().Citta, QStringLiteral("Forlì"));
  // A maximised close keeps the last normal size.
  EXPECT_EQ(impostazioni.Dimensioni().AltezzaForm, 6000);
  EXPECT_FALSE(impostazioni.Dimensioni().FormMassimizzata);
}

}  // namespace
