#include "ordine/DettaglioPrezzo.h"

#include <QHash>
#include <algorithm>

#include "album/CatalogoFormati.h"
#include "common/NumeriCliente.h"

DettaglioPrezzo CalcolaDettaglioPrezzo(const QList<FormatoAlbum>& album, const CatalogoFormati& catalogo,
                                       const std::optional<QDateTime>& listinoScaricato) {
  DettaglioPrezzo dettaglio;
  dettaglio.listino = OrigineListino(listinoScaricato);
  QHash<QString, qsizetype> posizioni;
  for (const VocePrezzata& voce : VociPrezzate(album, catalogo.Prezzi())) {
    // An entry the amount cannot add is in no row either, so the rows add up to it.
    if (!SommaCentesimi(dettaglio.totale, std::int64_t{voce.prezzo} * voce.quantita)) continue;
    auto posizione = posizioni.constFind(voce.formato);
    if (posizione == posizioni.constEnd()) {
      posizione = posizioni.insert(voce.formato, dettaglio.righe.size());
      dettaglio.righe.append({voce.formato, catalogo.getDescrizioneFormato(voce.formato), 0, voce.prezzo, 0});
    }
    RigaPrezzo& riga = dettaglio.righe[*posizione];
    riga.stampe += voce.quantita;
    riga.subtotale += voce.prezzo * voce.quantita;
  }
  QHash<QString, qsizetype> ordine;
  for (const QString& id : catalogo.TuttiGliIdFormati()) ordine.insert(id, ordine.size());
  std::stable_sort(dettaglio.righe.begin(), dettaglio.righe.end(), [&](const RigaPrezzo& a, const RigaPrezzo& b) {
    return ordine.value(a.formato, ordine.size()) < ordine.value(b.formato, ordine.size());
  });
  return dettaglio;
}

QString OrigineListino(const std::optional<QDateTime>& listinoScaricato) {
  if (!listinoScaricato) return QStringLiteral("Listino predefinito del programma");
  return QStringLiteral("Listino scaricato il %1 alle %2")
      .arg(listinoScaricato->toString(QStringLiteral("dd/MM/yyyy")), listinoScaricato->toString(QStringLiteral("HH:mm")));
}

QStringList IntestazioniDettaglio() {
  return {QStringLiteral("Formato"), QStringLiteral("Descrizione"), QStringLiteral("Stampe"),
          QStringLiteral("Prezzo unitario"), QStringLiteral("Subtotale")};
}

QStringList CelleRiga(const RigaPrezzo& riga) {
  return {riga.formato, riga.descrizione, TestoIntero(riga.stampe), ImportoInEuro(riga.prezzo),
          ImportoInEuro(riga.subtotale)};
}

QString TestoTotale(std::int32_t totale) { return QStringLiteral("Totale: ") + ImportoInEuro(totale); }

QString TestoDettaglioPrezzo(const DettaglioPrezzo& dettaglio) {
  QStringList righe{IntestazioniDettaglio().join(u'\t')};
  for (const RigaPrezzo& riga : dettaglio.righe) righe.append(CelleRiga(riga).join(u'\t'));
  righe.append(TestoTotale(dettaglio.totale));
  righe.append(dettaglio.listino);
  return righe.join(u'\n') + u'\n';
}
