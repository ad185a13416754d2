// Any "Formati.xml": the catalogue load, the format lists filled from it and
// the prices and amounts read from it.
#include "AmbienteFuzz.h"
#include "album/AlbumVelistra.h"
#include "album/CatalogoFormati.h"
#include "album/SelettoriFormato.h"
#include "send/Prezziario.h"

namespace {

void VerificaScelta(const SceltaFormato& scelta) {
  VERIFICA_FUZZ(scelta.formato().isEmpty() || scelta.formati().contains(scelta.formato()));
  scelta.testoEtichetta();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
  PreparaAmbienteFuzz();
  const PercorsiProgramma percorsi = PercorsiFuzz();
  ScriviFileFuzz(percorsi.PercorsoFormati, ByteFuzz(dati, quanti));
  CatalogoFormati catalogo(percorsi);
  catalogo.CaricaFormati();
  CatalogoValido(*CreaDocumentoXML(percorsi.PercorsoFormati));
  for (const std::int16_t amatoriale : {std::int16_t{0}, std::int16_t{1}}) {
    for (const QString& id : catalogo.IdFormati(amatoriale)) {
      catalogo.getDescrizioneFormato(id);
      const std::int32_t prezzo = catalogo.getPrezzoFormato(id);
      VERIFICA_FUZZ(ImportoInEuro(prezzo).startsWith(QStringLiteral("€ ")));
      if (const auto carta = catalogo.getDimensioniFormato(id))
        VERIFICA_FUZZ(carta->width() > 0 && carta->height() > 0);
    }
  }

  SelettoriFormato selettori(catalogo);
  for (const bool mantieni : {false, true}) {
    selettori.CaricaFormatiFotografici(mantieni);
    VerificaScelta(selettori.Copia());
    VerificaScelta(selettori.Foto());
    VerificaScelta(selettori.Operazioni());
  }

  // An album aligned to this catalogue, priced by it.
  AlbumVelistra album(percorsi);
  album.AllineaVelistraAiFormati(catalogo.TuttiGliIdFormati());
  for (const QString& id : catalogo.IdFormati(1))
    album.AggiungiFileVelistra(id, percorsi.CartellaLavoro + QStringLiteral("imgVE_000001.jpg"),
                               QStringLiteral("mare.jpg"), QStringLiteral("FILLIN"));
  ImportoAlbum(album.Formati(), catalogo.Prezzi());
  return 0;
}
