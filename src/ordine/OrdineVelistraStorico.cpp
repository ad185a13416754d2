// The history of the orders and the repeat of one of them.
#include <QFileInfo>
#include <algorithm>

#include "album/TabellaRidimensionamento.h"
#include "common/Compito.h"
#include "ordine/OrdineVelistra.h"

bool OrdineVelistra::RegistraNelloStorico(TipoOrdine tipo, const QString& destinazione) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  OrdineStorico ordine;
  ordine.quando = QDateTime::currentDateTime();
  ordine.tipo = tipo;
  ordine.destinazione = destinazione;
  ordine.importo = importo_;
  for (const FormatoAlbum& formato : album_.Formati())
    for (const VoceAlbum& voce : formato.voci) {
      FotoStorico foto;
      const QString originale = origini_.Originale(voce.copia);
      foto.originale = originale.isEmpty() ? voce.copia : originale;
      foto.copia = QFileInfo(voce.copia).fileName();
      foto.titolo = voce.titolo;
      // The format that holds the entry, as the order text names it.
      foto.formato = formato.id;
      foto.quantita = voce.quantita;
      foto.ridimensionamento = voce.ridimensionamento;
      ordine.foto.append(foto);
    }
  return StoricoOrdini(percorsi_.PercorsoStorico).Aggiungi(ordine);
}

std::unique_ptr<OperazioneCopia> OrdineVelistra::RipetiOrdine(const OrdineStorico& ordine) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  QList<FotoDaCopiare> foto;
  for (const FotoStorico& una : ordine.foto) {
    // The prints as the quantity box admits them; a fit mode only when it is one.
    const QString ridimensionamento =
        DescrizioneRidimensionamento(una.ridimensionamento).isEmpty() ? QString() : una.ridimensionamento;
    foto.append({una.originale, una.titolo, una.formato, std::clamp(una.quantita, 1, 999), ridimensionamento});
  }
  return std::make_unique<OperazioneCopia>(*this, std::move(foto), RegoleCopia{std::nullopt, false, true});
}
