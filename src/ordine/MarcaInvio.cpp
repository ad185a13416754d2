#include "ordine/MarcaInvio.h"

#include "settings/Impostazioni.h"

void MarcaInvio::Leggi() { inCorso_ = Impostazioni(percorsi_).FTPInCorso(); }

bool MarcaInvio::Imposta(bool inCorso) {
  inCorso_ = inCorso;
  return Impostazioni(percorsi_).ScriviFTPInCorso(inCorso);
}
