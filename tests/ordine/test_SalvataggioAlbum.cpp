#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "ordine/SalvataggioAlbum.h"
#include "settings/Impostazioni.h"
#include "support/Attesa.h"
#include "support/CartellaProgrammaProva.h"

namespace {

// Requests made while a write runs: the files end as the last one has them,
// the counter of a replaced request is not lost, and the writes are told.
TEST(SalvataggioAlbum, RequestsDuringAWriteEndAsTheLastWithTheCounterOfAReplacedOne) {
  CartellaProgrammaProva programma;
  SalvataggioAlbum salvataggio(programma.percorsi());
  QList<EsitoSalvataggio> esiti;
  int finiti = 0;
  QObject::connect(&salvataggio, &SalvataggioAlbum::scritto, [&](EsitoSalvataggio esito) { esiti.append(esito); });
  QObject::connect(&salvataggio, &SalvataggioAlbum::finiti, [&] { ++finiti; });

  salvataggio.Richiedi({"<xml>1</xml>", "<originali/>", 1});
  salvataggio.Richiedi({"<xml>2</xml>", "<originali/>", 2});
  salvataggio.Richiedi({"<xml>3</xml>", "<originali>3</originali>", std::nullopt});
  EXPECT_TRUE(salvataggio.InCorso());
  ASSERT_TRUE(AttendiFinche([&] { return finiti > 0; }));

  EXPECT_FALSE(salvataggio.InCorso());
  EXPECT_EQ(esiti, (QList<EsitoSalvataggio>{EsitoSalvataggio::Salvato, EsitoSalvataggio::Salvato}));
  EXPECT_EQ(finiti, 1);
  EXPECT_EQ(programma.Leggi(QStringLiteral("Velistra.xml")), "<xml>3</xml>");
  EXPECT_EQ(programma.Leggi(QFileInfo(programma.percorsi().PercorsoOriginali).fileName()), "<originali>3</originali>");
  EXPECT_EQ(Impostazioni(programma.percorsi()).ContatoreFoto(), 2);
}

TEST(SalvataggioAlbum, AnAlbumThatCannotBeWrittenIsToldAndNothingElseIsWritten) {
  CartellaProgrammaProva programma;
  QDir().mkpath(programma.percorsi().PercorsoVelistraXML);  // a folder where the file should be
  SalvataggioAlbum salvataggio(programma.percorsi());
  std::optional<EsitoSalvataggio> esito;
  QObject::connect(&salvataggio, &SalvataggioAlbum::scritto, [&](EsitoSalvataggio e) { esito = e; });
  salvataggio.Richiedi({"<xml/>", "<originali/>", 7});
  ASSERT_TRUE(AttendiFinche([&] { return esito.has_value(); }));
  EXPECT_EQ(*esito, EsitoSalvataggio::AlbumNonSalvato);
  EXPECT_EQ(Impostazioni(programma.percorsi()).ContatoreFoto(), 0);
}

}  // namespace
