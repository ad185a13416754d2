// The album's look-ups by copy path against a scan of its entries, through
// every way the album changes.
#include <gtest/gtest.h>

#include <optional>

#include "AlbumDiProva.h"
#include "album/AlbumVelistra.h"
#include "support/CartellaProgrammaProva.h"

namespace {

// The first entry in album order, as a scan finds it.
std::optional<VoceTrovata> Riferimento(const AlbumVelistra& album, const QString& formato, const QString& copia) {
  for (const FormatoAlbum& f : album.Formati())
    if (formato.isEmpty() || f.id == formato)
      for (const VoceAlbum& voce : f.voci)
        if (voce.copia == copia) return VoceTrovata{f.id, voce};
  return std::nullopt;
}

class IndiceAlbum : public ::testing::Test {
 protected:
  CartellaProgrammaProva cartella{false};
  const QStringList formati{"13x9", "15x10", "15x10P"};
  AlbumVelistra album{cartella.percorsi()};
  // Paths once in the album, so that removed ones are asked for too.
  QStringList copie;

  void Aggiungi(const QString& formato, const QString& copia) {
    ASSERT_TRUE(album.AggiungiFileVelistra(formato, copia, copia, QStringLiteral("FILLIN")));
    copie.append(copia);
  }

  // Every path ever used, in every format and in none, answers as the scan does.
  void ConcordaConLaScansione(const char* dopo) {
    SCOPED_TRACE(dopo);
    for (const VoceAlbum& voce : album.Voci(QString())) copie.append(voce.copia);
    copie.removeDuplicates();
    const QStringList ids = {QString(), "13x9", "15x10", "15x10P", "vecchio", "nessuno"};
    for (const QString& copia : copie)
      for (const QString& id : ids)
        EXPECT_EQ(album.TrovaFileVelistra(id, copia), Riferimento(album, id, copia))
            << qPrintable(copia) << " in '" << qPrintable(id) << "'";
  }
};

TEST_F(IndiceAlbum, AgreesWithAScanThroughAddsRemovalsReloadAndANewAlbum) {
  // A hand-edited album: a format that left the catalogue, a path twice in one
  // format, an entry with no path and an entry with two (found by the first).
  cartella.Scrivi(QStringLiteral("Velistra.xml"),
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xml><formato id=\"vecchio\"><files>"
                  "<file><nomecompleto>/l/d.jpg</nomecompleto></file>"
                  "<file><nomecompleto>/l/d.jpg</nomecompleto><titolo>secondo</titolo></file>"
                  "<file><titolo>senza</titolo></file>"
                  "<file><nomecompleto>/l/e.jpg</nomecompleto><nomecompleto>/l/f.jpg</nomecompleto></file>"
                  "</files></formato><formato id=\"15x10\"><files><file><nomecompleto>/l/e.jpg</nomecompleto>"
                  "</file></files></formato></xml>\n");
  ASSERT_TRUE(album.CaricaVelistra(formati));
  ConcordaConLaScansione("load");

  // Added to a later format first: in any format the earlier one still wins.
  Aggiungi(QStringLiteral("15x10P"), QStringLiteral("/l/a.jpg"));
  Aggiungi(QStringLiteral("13x9"), QStringLiteral("/l/a.jpg"));
  for (int i = 0; i < 30; ++i) Aggiungi(i % 2 ? QStringLiteral("13x9") : QStringLiteral("15x10"), ChiaveThumb(i));
  ConcordaConLaScansione("adds");

  // Removals before and after other entries of their formats, one of two equal paths first.
  for (const auto& [formato, copia] : {std::pair{"", "/l/a.jpg"}, {"vecchio", "/l/d.jpg"}, {"vecchio", "/l/e.jpg"},
                                       {"15x10", "imgVE_000004"}, {"13x9", "imgVE_000029"}, {"15x10", "imgVE_000000"}})
    EXPECT_TRUE(album.RimuoviFileVelistra(formato, copia)) << formato << copia;
  EXPECT_FALSE(album.RimuoviFileVelistra(QStringLiteral("15x10"), ChiaveThumb(4)));
  ConcordaConLaScansione("removals");
  Aggiungi(QStringLiteral("15x10"), ChiaveThumb(4));
  ASSERT_TRUE(album.ImpostaQuantitaFile(QStringLiteral("13x9"), ChiaveThumb(3), 7));
  ConcordaConLaScansione("a move and a quantity set");

  ASSERT_TRUE(album.SalvaVelistra());
  ASSERT_TRUE(album.CaricaVelistra(formati));
  ConcordaConLaScansione("reload");

  album.EliminaCartellaERicreaXML(formati);
  for (const QString& copia : copie) EXPECT_FALSE(album.TrovaFileVelistra(QString(), copia)) << qPrintable(copia);
  Aggiungi(QStringLiteral("15x10"), ChiaveThumb(1));
  ConcordaConLaScansione("a new album");
}

}  // namespace
