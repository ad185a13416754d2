#include <gtest/gtest.h>

#include <algorithm>

#include "thumbview/ElencoThumbs.h"

namespace {

// Ten records f0.jpg ... f9.jpg, each with attributes of its own.
ElencoThumbs Dieci() {
  ElencoThumbs thumbs;
  for (int i = 0; i < 10; ++i)
    thumbs.Aggiungi(ElencoThumbs::Nuova(QStringLiteral("/foto/f%1.jpg").arg(i), QStringLiteral("Titolo %1").arg(i),
                                        std::int16_t(i), QStringLiteral("F%1").arg(i), QStringLiteral("R%1").arg(i)));
  return thumbs;
}

QStringList Nomi(const ElencoThumbs& thumbs) {
  QStringList nomi;
  for (const DatiThumb& thumb : thumbs.Voci()) nomi << thumb.NomeFile;
  return nomi;
}

TEST(ElencoThumbs, ANewRecordSplitsThePathAtTheLastSeparator) {
  const struct {
    QString percorso, titolo, cartella, nome, mostrato;
  } casi[] = {
      {"/foto/mare/a.jpg", "", "/foto/mare/", "a.jpg", "a.jpg"},
      {"/foto/mare/a.jpg", "Mare", "/foto/mare/", "a.jpg", "Mare"},
      {"senza_cartella.jpg", "", "", "senza_cartella.jpg", "senza_cartella.jpg"},
  };
  for (const auto& caso : casi) {
    const DatiThumb thumb = ElencoThumbs::Nuova(caso.percorso, caso.titolo, 3, "15x10", "Fill-In");
    EXPECT_EQ(QStringList({thumb.Cartella, thumb.NomeFile, thumb.NomeFileToolTip}),
              QStringList({caso.cartella, caso.nome, caso.mostrato}));
  }
}

TEST(ElencoThumbs, CheckedPhotosComeInIndexOrderAndRemovingThemMovesWholeRecordsDown) {
  const struct {
    QList<int> spuntati;
    QStringList rimasti;
  } casi[] = {
      {{7, 1, 2, 3}, {"f0.jpg", "f4.jpg", "f5.jpg", "f6.jpg", "f8.jpg", "f9.jpg"}},
      {{9, 8}, {"f0.jpg", "f1.jpg", "f2.jpg", "f3.jpg", "f4.jpg", "f5.jpg", "f6.jpg", "f7.jpg"}},
      {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {}},
  };
  for (const auto& caso : casi) {
    ElencoThumbs thumbs = Dieci();
    for (const int i : caso.spuntati) EXPECT_TRUE(thumbs.ImpostaSelezione(i, true));
    QList<int> ordinati = caso.spuntati;
    std::sort(ordinati.begin(), ordinati.end());
    const QList<FotoSelezionata> elenco = thumbs.FotoSelezionate();
    ASSERT_EQ(elenco.size(), ordinati.size());
    for (int k = 0; k < elenco.size(); ++k) {
      EXPECT_EQ(elenco[k].NomeCompleto, QStringLiteral("/foto/f%1.jpg").arg(ordinati[k]));
      EXPECT_EQ(elenco[k].Titolo, QStringLiteral("Titolo %1").arg(ordinati[k]));
    }
    EXPECT_TRUE(thumbs.RimuoviSelezionate());
    EXPECT_EQ(Nomi(thumbs), caso.rimasti);
    for (const DatiThumb& thumb : thumbs.Voci()) {  // whole records, none of them checked
      EXPECT_EQ(thumb.NomeFileToolTip, QStringLiteral("Titolo ") + thumb.NomeFile.mid(1, 1));
      EXPECT_EQ(thumb.Selezionata, 0);
    }
  }
}

}  // namespace
