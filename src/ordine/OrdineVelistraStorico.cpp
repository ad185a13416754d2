// The history of the orders and the repeat of one of them.
#include <QFileInfo>
#include <algorithm>

#include "album/TabellaRidimensionamento.h"
#include "common/Percorsi.h"
#include "ordine/OrdineVelistra.h"

bool OrdineVelistra::RegistraNelloStorico(TipoOrdine tipo, const QString& destinazione) {
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

RisultatoRipeti OrdineVelistra::RipetiOrdine(const OrdineStorico& ordine, const CicloPassi& ciclo) {
  RisultatoRipeti risultato;
  const int n = static_cast<int>(ordine.foto.size());
  risultato.interrotta = !ciclo(n, [&](int k) {
    const FotoStorico& foto = ordine.foto[k - 1];
    // Left out whether its file is there or not: the lab would not print it.
    if (!catalogo_.OffreFormato(foto.formato)) {
      if (!risultato.formatiNonOfferti.contains(foto.formato)) risultato.formatiNonOfferti.append(foto.formato);
      return true;
    }
    if (!FileEsiste(foto.originale)) {
      risultato.nonTrovate.append(foto.originale);
      return true;
    }
    const RisultatoFoto copia = CopiaNelFormato(foto.formato, foto.originale, foto.titolo);
    if (copia.esito != EsitoFoto::Fatto) {
      risultato.esito = copia.esito;
      risultato.foto = foto.originale;
      risultato.formato = foto.formato;
      return false;
    }
    // The prints as the quantity box admits them.
    ImpostaQuantita(foto.formato, copia.copia, static_cast<std::int16_t>(std::clamp(foto.quantita, 1, 999)));
    if (!DescrizioneRidimensionamento(foto.ridimensionamento).isEmpty())
      ImpostaRidimensionamento(foto.formato, copia.copia, foto.ridimensionamento);
    return true;
  });
  CalcolaImportoVelistra();
  return risultato;
}
