#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QTemporaryDir>

#include "CartellaOrdineProva.h"
#include "ordine/CartellaOrdine.h"
#include "ordine/OrdineVelistra.h"
#include "support/SvolgiOperazione.h"
#include "support/CartellaProgrammaProva.h"
#include "support/FotoProva.h"
#include "support/SupportoRimovibile.h"

namespace {

QStringList File(const QString& cartella) { return QDir(cartella).entryList(QDir::Files, QDir::Name); }

class CartellaOrdineEstratta : public ::testing::TestWithParam<FileSystemProva> {};

// The customer pulls the stick out as soon as the success message appears: the
// image is copied right after the operation returns, with nothing unmounted or
// flushed, and the copy must be a sound file system holding the whole order.
TEST_P(CartellaOrdineEstratta, EveryFileIsWholeAndNamedWhenTheSuccessMessageAppears) {
  SupportoRimovibile chiavetta(GetParam());
  if (!chiavetta.montato()) GTEST_SKIP() << chiavetta.motivo().toStdString();
  CartellaProgrammaProva programma;
  OrdineVelistra ordine{programma.percorsi()};
  QDir().mkpath(programma.percorsi().CartellaLavoro);
  ordine.catalogo().CaricaFormati();
  ASSERT_TRUE(ordine.album().CaricaVelistra(ordine.catalogo().TuttiGliIdFormati()));
  QTemporaryDir cliente;
  constexpr int kFoto = 8;
  for (int k = 0; k < kFoto; ++k) {
    const QString foto = cliente.filePath(QStringLiteral("%1.jpg").arg(k));
    ASSERT_TRUE(ScriviFoto(foto, Codifica(ImmagineADueBande({1200, 900}, QColor::fromHsv(k * 40, 200, 200), Qt::white),
                                          "jpeg")));
    ASSERT_EQ(Copia(ordine.CopiaNelFormato(QStringLiteral("15x10"), DaCopiare({foto}))).risultato.esito,
              EsitoFoto::Fatto);
  }
  // The same order on the local disk is what the stick must hold.
  FoglioProva foglio;
  QTemporaryDir locale;
  const QString nome = QStringLiteral("VE2612071530/");
  ASSERT_TRUE(PreparaCartellaOrdine(locale.filePath(nome)));
  ASSERT_EQ(ScriviCartella(ordine, locale.filePath(nome), foglio).esito, EsitoCartella::Creata);
  const QStringList nomi = File(locale.filePath(nome));
  ASSERT_EQ(nomi.size(), kFoto + 3);
  ASSERT_TRUE(nomi.contains(QStringLiteral("End.txt")));

  ASSERT_TRUE(PreparaCartellaOrdine(chiavetta.percorso() + nome));
  ASSERT_EQ(ScriviCartella(ordine, chiavetta.percorso() + nome, foglio).esito, EsitoCartella::Creata);
  const QString immagine = chiavetta.Estrai();
  ASSERT_FALSE(immagine.isEmpty());

  EXPECT_EQ(SupportoRimovibile::Controlla(GetParam(), immagine).toStdString(), "");
  SupportoRimovibile estratta(GetParam(), immagine);
  ASSERT_TRUE(estratta.montato()) << estratta.motivo().toStdString();
  EXPECT_EQ(File(estratta.percorso() + nome), nomi);
  for (const QString& file : nomi)
    EXPECT_EQ(LeggiDalSupporto(estratta.percorso() + nome + file), LeggiDalSupporto(locale.filePath(nome) + file)) << file.toStdString();
}

INSTANTIATE_TEST_SUITE_P(FileSystem, CartellaOrdineEstratta,
                         ::testing::Values(FileSystemProva::Ext2, FileSystemProva::ExFat),
                         [](const auto& info) {
                           return std::string(info.param == FileSystemProva::Ext2 ? "ext2" : "exFAT");
                         });

}  // namespace
