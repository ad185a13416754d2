// The album's look-ups by copy path against the XPath query they replace,
// through every way the album changes.
#include <gtest/gtest.h>

#include "AlbumDiProva.h"
#include "album/AlbumVelistra.h"
#include "common/DocumentoXML.h"
#include "support/CartellaProgrammaProva.h"

namespace {

// The first entry in document order, as the album's query has always found it.
NodoXML Riferimento(const DocumentoXML& album, const QString& formato, const QString& copia) {
  const QString formati = formato.isEmpty() ? QStringLiteral("/xml/formato")
                                            : QStringLiteral("/xml/formato[@id=") + LetteraleXPath(formato) + u']';
  return album.selezionaNodo(formati + QStringLiteral("/files/file[nomecompleto=") + LetteraleXPath(copia) + u']');
}

class IndiceAlbum : public ::testing::Test {
 protected:
  CartellaProgrammaProva cartella{false};
  std::unique_ptr<DocumentoXML> formati = CreaDocumentoXML();
  AlbumVelistra album{cartella.percorsi()};
  // Paths once in the album, so that removed ones are asked for too.
  QStringList copie;

  void SetUp() override { formati->caricaByte(CatalogoTreFormati()); }

  void Aggiungi(const QString& formato, const QString& copia) {
    ASSERT_TRUE(album.AggiungiFileVelistra(formato, copia, copia, QStringLiteral("FILLIN")));
    copie.append(copia);
  }

  NodoXML Trova(const QString& formato, const QString& copia) {
    NodoXML nodo;
    const bool trovato = album.TrovaFileVelistra(formato, copia, nodo);
    EXPECT_EQ(trovato, nodo.valido());
    return nodo;
  }

  // Every path ever used, in every format and in none, answers as the query does.
  void ConcordaConLaQuery(const char* dopo) {
    SCOPED_TRACE(dopo);
    for (const NodoXML& f : album.Documento().selezionaNodi(QStringLiteral("/xml/formato/files/file")))
      copie.append(f.selezionaNodo(QStringLiteral("nomecompleto")).testo());
    copie.removeDuplicates();
    const QStringList ids = {QString(), QStringLiteral("13x9"), QStringLiteral("15x10"), QStringLiteral("15x10P"),
                             QStringLiteral("vecchio"), QStringLiteral("nessuno")};
    for (const QString& copia : copie)
      for (const QString& id : ids)
        EXPECT_TRUE(Trova(id, copia) == Riferimento(album.Documento(), id, copia))
            << qPrintable(copia) << " in '" << qPrintable(id) << "'";
  }
};

TEST_F(IndiceAlbum, AgreesWithTheQueryThroughAddsMovesRemovalsOutsideChangesReloadAndANewAlbum) {
  // A hand-edited album: a format that left the catalogue, a path twice in one
  // format, an entry with no path and an entry with two.
  cartella.Scrivi(QStringLiteral("Velistra.xml"),
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xml><formato id=\"vecchio\"><files>"
                  "<file><nomecompleto>/l/d.jpg</nomecompleto></file>"
                  "<file><nomecompleto>/l/d.jpg</nomecompleto><titolo>secondo</titolo></file>"
                  "<file><titolo>senza</titolo></file>"
                  "<file><nomecompleto>/l/e.jpg</nomecompleto><nomecompleto>/l/f.jpg</nomecompleto></file>"
                  "</files></formato><formato id=\"15x10\"><files><file><nomecompleto>/l/e.jpg</nomecompleto>"
                  "</file></files></formato></xml>\n");
  ASSERT_TRUE(album.CaricaVelistra(*formati));
  ConcordaConLaQuery("load");

  // Added to a later format first: in any format the earlier one still wins.
  Aggiungi(QStringLiteral("15x10P"), QStringLiteral("/l/a.jpg"));
  Aggiungi(QStringLiteral("13x9"), QStringLiteral("/l/a.jpg"));
  for (int i = 0; i < 30; ++i) Aggiungi(i % 2 ? QStringLiteral("13x9") : QStringLiteral("15x10"), ChiaveThumb(i));
  ConcordaConLaQuery("adds");

  // A move appends to the destination, then removes from the origin.
  NodoXML spostata = Trova(QStringLiteral("15x10"), ChiaveThumb(4));
  Aggiungi(QStringLiteral("15x10P"), ChiaveThumb(4));
  ConcordaConLaQuery("a move half done");
  album.RimuoviFileVelistra(spostata);
  EXPECT_EQ(Trova(QStringLiteral("15x10"), ChiaveThumb(4)), NodoXML());
  for (const auto& [formato, copia] : {std::pair{"", "/l/a.jpg"}, {"vecchio", "/l/d.jpg"}, {"vecchio", "/l/f.jpg"}})
    album.RimuoviFileVelistra(Trova(formato, copia));
  ConcordaConLaQuery("removals");
  album.ImpostaQuantitaFile(Trova(QStringLiteral("13x9"), ChiaveThumb(3)), 7);
  ConcordaConLaQuery("a quantity set");

  // Changes made on the document itself, behind the album's back.
  DocumentoXML& doc = album.Documento();
  NodoXML formato = doc.selezionaNodo(QStringLiteral("/xml/formato[@id='13x9']"));
  formato.genitore().rimuoviFiglio(formato);
  ConcordaConLaQuery("a format removed");
  doc.selezionaNodo(QStringLiteral("/xml/formato[@id='15x10']/files/file/nomecompleto")).impostaTesto("/l/rinominata.jpg");
  copie.append(QStringLiteral("/l/rinominata.jpg"));
  doc.selezionaNodo(QStringLiteral("/xml/formato[@id='15x10P']")).impostaAttributo("id", "vecchio");
  doc.radice().aggiungiFiglio(formato);
  ConcordaConLaQuery("a path renamed, a format renamed and one put back at the end");
  formato.impostaTesto(QString());  // frees every entry the format held
  ConcordaConLaQuery("a format emptied");

  ASSERT_TRUE(album.SalvaVelistra());
  ASSERT_TRUE(album.CaricaVelistra(*formati));
  ConcordaConLaQuery("reload");

  album.EliminaCartellaERicreaXML(*formati);
  for (const QString& copia : copie) EXPECT_FALSE(Trova(QString(), copia).valido()) << qPrintable(copia);
  Aggiungi(QStringLiteral("15x10"), ChiaveThumb(1));
  ConcordaConLaQuery("a new album");
}

}  // namespace
