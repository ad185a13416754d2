// Any "Velistra.xml": the album load with its alignment to the catalogue, the
// format filter and the look-ups and amount over what it holds.
#include <QFile>

#include "AmbienteFuzz.h"
#include "album/AlbumVelistra.h"
#include "album/CatalogoFormati.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
  PreparaAmbienteFuzz();
  static const PercorsiProgramma v = PercorsiFuzz();
  static CatalogoFormati catalogo(v);
  static const bool caricato = (catalogo.CaricaFormati(), true);
  (void)caricato;
  ScriviFileFuzz(v.PercorsoVelistraXML, ByteFuzz(dati, quanti));

  AlbumVelistra album(v);
  VERIFICA_FUZZ(album.CaricaVelistra(catalogo.XMLDOMFormati()));
  // Whatever was read, the file left behind is an album with every format.
  auto salvato = CreaDocumentoXML(v.PercorsoVelistraXML);
  VERIFICA_FUZZ(salvato->caricato());
  QStringList formati = catalogo.IdFormati(0) + catalogo.IdFormati(1);
  for (const QString& id : formati)
    VERIFICA_FUZZ(salvato->selezionaNodo(QStringLiteral("/xml/formato[@id=") + LetteraleXPath(id) +
                                         QStringLiteral("]/files")));

  formati.prepend(QString());
  for (const QString& formato : formati) {
    const auto filtrati = album.XMLFiltraFormato(formato);
    for (const NodoXML& voce : filtrati->selezionaNodi(QStringLiteral("/files/*"))) {
      NodoXML trovato;
      album.TrovaFileVelistra(formato, voce.selezionaNodo(QStringLiteral("nomecompleto")).testo(),
                              trovato);
      QuantitaFile(voce);
    }
  }
  catalogo.CalcolaImportoVelistra(album);
  QFile::remove(v.PercorsoVelistraXML + QStringLiteral(".illeggibile"));
  return 0;
}
