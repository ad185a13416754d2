// Any "Velistra.xml": the album load with its alignment to the catalogue, the
// format filter and the look-ups and amount over what it holds.
#include <QFile>

#include "AmbienteFuzz.h"
#include "album/AlbumVelistra.h"
#include "album/CatalogoFormati.h"
#include "album/FiltroFormato.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
  PreparaAmbienteFuzz();
  static const PercorsiProgramma v = PercorsiFuzz();
  static CatalogoFormati catalogo(v);
  static const bool caricato = (catalogo.CaricaFormati(), true);
  (void)caricato;
  ScriviFileFuzz(v.PercorsoVelistraXML, ByteFuzz(dati, quanti));

  AlbumVelistra album(v);
  VERIFICA_FUZZ(album.CaricaVelistra(catalogo.TuttiGliIdFormati()));
  // Whatever was read, the file left behind is the album as it stands, with every format.
  AlbumVelistra salvato(v);
  VERIFICA_FUZZ(salvato.CaricaVelistra({}));
  VERIFICA_FUZZ(salvato.Formati() == album.Formati());
  QStringList formati = catalogo.TuttiGliIdFormati();
  for (const QString& id : formati) VERIFICA_FUZZ(album.HaFormato(id));

  formati.prepend(QString());
  for (const QString& formato : formati)
    for (const VoceAlbum& voce : OrdinaPerTitolo(album.Voci(formato)))
      VERIFICA_FUZZ(album.TrovaFileVelistra(formato, voce.copia).has_value());
  ImportoAlbum(album.Formati(), catalogo.Prezzi());
  QFile::remove(v.PercorsoVelistraXML + QStringLiteral(".illeggibile"));
  return 0;
}
