// The format view's order: by title as the XSLT sort of the album file gave it.
#include <gtest/gtest.h>

#include <QProcess>

#include "AlbumDiProva.h"
#include "album/AlbumVelistra.h"
#include "album/FiltroFormato.h"
#include "support/CartellaProgrammaProva.h"

namespace {

QList<VoceAlbum> ConTitoli(const QStringList& titoli) {
  QList<VoceAlbum> voci;
  for (qsizetype i = 0; i < titoli.size(); ++i) voci.append({QString::number(i), titoli[i], 1, "f", "FILLIN"});
  return voci;
}

TEST(OrdinaPerTitolo, SortsByCodePointKeepingEqualTitlesInOrder) {
  const struct {
    const char* regola;
    QStringList titoli;
    QStringList ordine;  // positions in the input
  } casi[] = {
      {"empty first, then spaces and digits as text", {"b", "10", "", "9", " a"}, {"2", "4", "1", "3", "0"}},
      {"capitals before small letters", {"b", "B", "a", "A", "Z", "z"}, {"3", "1", "4", "2", "0", "5"}},
      {"a trailing space after the bare title", {"a ", "a"}, {"1", "0"}},
      {"equal titles keep their order", {"b", "a", "b", "a"}, {"1", "3", "0", "2"}},
      {"accents after every plain letter", {"É", "e", "z", "é"}, {"1", "2", "0", "3"}},
      // UTF-16 would put the surrogate pair of U+1F600 before U+F900.
      {"beyond the basic plane last", {"😀", "豈", "ÿ"}, {"2", "1", "0"}},
  };
  for (const auto& caso : casi) EXPECT_EQ(Copie(OrdinaPerTitolo(ConTitoli(caso.titoli))), caso.ordine) << caso.regola;
}

// The stylesheet the view's filter once ran, and xsltproc running it on the
// saved album file, as the reference for an album of many accented titles.
QStringList ConXsltproc(const CartellaProgrammaProva& cartella) {
  cartella.Scrivi(QStringLiteral("filtro.xsl"),
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?><xsl:stylesheet "
                  "xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" version=\"1.0\"><xsl:output method=\"text\"/>"
                  "<xsl:template match=\"/\"><xsl:for-each select=\"xml/formato/files/file\"><xsl:sort "
                  "select=\"titolo\"/><xsl:value-of select=\"nomecompleto\"/><xsl:text>&#10;</xsl:text>"
                  "</xsl:for-each></xsl:template></xsl:stylesheet>");
  QProcess xsltproc;
  xsltproc.start(QStringLiteral("xsltproc"),
                 {cartella.file(QStringLiteral("filtro.xsl")), cartella.file(QStringLiteral("Velistra.xml"))});
  if (!xsltproc.waitForFinished(30000) || xsltproc.exitCode() != 0) return {};
  return QString::fromUtf8(xsltproc.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

TEST(OrdinaPerTitolo, GivesTheOrderOfTheAlbumsOldXsltSort) {
  CartellaProgrammaProva cartella(false);
  const QStringList formati{"13x9", "15x10", "d'Arte \"grande\" & <bella>", "15x10P"};
  AlbumVelistra album{cartella.percorsi()};
  ASSERT_TRUE(album.CaricaVelistra(formati));
  RiempiAlbum(album, 300, formati, cartella.percorsi().CartellaLavoro);
  ASSERT_TRUE(album.SalvaVelistra());
  const QStringList atteso = ConXsltproc(cartella);
  ASSERT_EQ(atteso.size(), 300);
  EXPECT_EQ(Copie(OrdinaPerTitolo(album.Voci(QString()))), atteso);
}

}  // namespace
