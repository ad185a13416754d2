#pragma once
#include <QString>
#include <memory>

#include "ordine/OrdineVelistra.h"
#include "support/FoglioProva.h"
#include "support/SvolgiOperazione.h"

// The order folder written to its end, or stopped before its first step.
inline RisultatoCartella ScriviCartella(OrdineVelistra& ordine, const QString& cartella, FoglioCliente& foglio,
                                        bool interrotta = false) {
  const std::unique_ptr<OperazioneCartella> scrittura = ordine.ScriviCartellaOrdine(cartella, foglio);
  Svolgi(*scrittura, {}, [interrotta](int) { return interrotta; });
  return scrittura->Concludi();
}
