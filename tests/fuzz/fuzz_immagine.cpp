// Any bytes opened as a photo: the thumbnail and the preview, with and without
// the camera's embedded thumbnail.
#include <QBuffer>

#include "AmbienteFuzz.h"
#include "thumbview/DecodificaRidotta.h"
#include "thumbview/GeometriaThumb.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
  PreparaAmbienteFuzz();
  QByteArray byte = ByteFuzz(dati, quanti);
  for (const MisuraDestinazione misura : {&MisuraMiniatura, &MisuraAnteprima}) {
    for (const bool incorporata : {true, false}) {
      QBuffer dispositivo(&byte);
      dispositivo.open(QIODevice::ReadOnly);
      const ImmagineRidotta letta = DecodificaRidotta(dispositivo, misura, incorporata);
      if (letta.stato != kStatoRiuscito) {
        VERIFICA_FUZZ(letta.immagine.isNull());
        continue;
      }
      VERIFICA_FUZZ(!letta.originale.isEmpty());
      VERIFICA_FUZZ(letta.immagine.size() == misura(letta.originale));
      VERIFICA_FUZZ(letta.immagine.depth() == 24);
    }
  }
  return 0;
}
