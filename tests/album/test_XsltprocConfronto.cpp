#include <gtest/gtest.h>

#include <QProcess>

#include "AlbumDiProva.h"
#include "album/AlbumVelistra.h"
#include "album/FiltroFormato.h"
#include "common/DocumentoXML.h"
#include "support/CartellaProgrammaProva.h"

namespace {

// What xsltproc makes of the same stylesheet text on the saved album file.
QString ConXsltproc(const CartellaProgrammaProva& cartella, const QString& formato) {
  cartella.Scrivi(QStringLiteral("filtro.xsl"), FoglioFiltraFormato(formato).toUtf8());
  QProcess xsltproc;
  xsltproc.start(QStringLiteral("xsltproc"),
                 {cartella.file(QStringLiteral("filtro.xsl")), cartella.file(QStringLiteral("Velistra.xml"))});
  if (!xsltproc.waitForFinished(30000) || xsltproc.exitCode() != 0) return {};
  auto risultato = CreaDocumentoXML();
  risultato->caricaByte(xsltproc.readAllStandardOutput());
  return risultato->radice().xml();
}

TEST(XsltprocConfronto, FilterGivesWhatXsltprocGivesForEveryFormatAndForAll) {
  CartellaProgrammaProva cartella(false);
  const QStringList formati{"13x9", "15x10", "d'Arte \"grande\" & <bella>", "15x10P"};
  auto catalogo = CreaDocumentoXML();
  QStringList voci;
  for (const QString& f : formati) voci.append(f + QStringLiteral("|d|1|10"));
  ASSERT_TRUE(catalogo->caricaByte(TestoCatalogo(voci)));
  AlbumVelistra album{cartella.percorsi()};
  ASSERT_TRUE(album.CaricaVelistra(*catalogo));
  RiempiAlbum(album, 300, formati, cartella.percorsi().CartellaLavoro);
  ASSERT_TRUE(album.SalvaVelistra());

  for (const QString& formato : QStringList{QString()} + formati) {
    const auto nostro = album.XMLFiltraFormato(formato);
    const QString atteso = ConXsltproc(cartella, formato);
    ASSERT_FALSE(atteso.isEmpty()) << formato.toStdString();
    EXPECT_EQ(nostro->radice().xml(), atteso) << formato.toStdString();
    EXPECT_EQ(nostro->selezionaNodi("files/*").size(), formato.isEmpty() ? 300 : 75);
  }
}

}  // namespace
