#include "ordine/SalvataggioAlbum.h"

#include <utility>

#include "common/Compito.h"
#include "common/ScritturaAtomica.h"
#include "common/SincronizzaDisco.h"
#include "settings/Impostazioni.h"

namespace {

EsitoSalvataggio Scrivi(const PercorsiProgramma& percorsi, const IstantaneaAlbum& istantanea) {
  // A crash must not leave an album that lists copies the disk never got.
  // The flush is the whole cost of a batch's save; copying leaves the
  // writing of the data to the system, as cp does.
  for (const QString& copia : istantanea.copie) SincronizzaFile(copia);
  if (!istantanea.copie.isEmpty()) SincronizzaCartella(percorsi.CartellaLavoro);
  if (!ScriviFileAtomico(percorsi.PercorsoVelistraXML, istantanea.album, LettoriNuovoFile::SoloUtente))
    return EsitoSalvataggio::AlbumNonSalvato;
  // Only a later repeat of the order needs the origins; the order itself is whole without them.
  ScriviFileAtomico(percorsi.PercorsoOriginali, istantanea.origini, LettoriNuovoFile::SoloUtente);
  if (istantanea.contatore && !Impostazioni(percorsi).ScriviContatoreFoto(*istantanea.contatore))
    return EsitoSalvataggio::ContatoreNonSalvato;
  return EsitoSalvataggio::Salvato;
}

}  // namespace

SalvataggioAlbum::SalvataggioAlbum(const PercorsiProgramma& percorsi, QObject* genitore)
    : QObject(genitore), percorsi_(percorsi) {}

void SalvataggioAlbum::Richiedi(IstantaneaAlbum istantanea) {
  if (!inCorso_) return Avvia(std::move(istantanea));
  // What the request replaced asked for besides its album still gets done.
  if (inAttesa_) {
    if (!istantanea.contatore) istantanea.contatore = inAttesa_->contatore;
    istantanea.copie = inAttesa_->copie + istantanea.copie;
  }
  inAttesa_ = std::move(istantanea);
}

EsitoSalvataggio SalvataggioAlbum::ScriviOra(const IstantaneaAlbum& istantanea) const {
  return Scrivi(percorsi_, istantanea);
}

void SalvataggioAlbum::Avvia(IstantaneaAlbum istantanea) {
  inCorso_ = true;
  AvviaCompito(
      this, [percorsi = percorsi_, istantanea = std::move(istantanea)] { return Scrivi(percorsi, istantanea); },
      [this](EsitoSalvataggio esito) {
        inCorso_ = false;
        if (std::optional<IstantaneaAlbum> prossima = std::exchange(inAttesa_, std::nullopt))
          Avvia(std::move(*prossima));
        Q_EMIT scritto(esito);
        if (!inCorso_) Q_EMIT finiti();
      });
}
