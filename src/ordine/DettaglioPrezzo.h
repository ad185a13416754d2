#pragma once
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "album/VoceAlbum.h"

class CatalogoFormati;

// One format that holds photos: its prints and what they cost.
struct RigaPrezzo {
  QString formato;
  QString descrizione;
  std::int64_t stampe = 0;
  std::int32_t prezzo = 0;
  std::int32_t subtotale = 0;
};

// What the amount of an album is made of, for the customer to read and to
// send to the lab.
struct DettaglioPrezzo {
  // Catalogue order; formats the catalogue no longer has come last.
  QList<RigaPrezzo> righe;
  // The amount, added up entry by entry as the amount is.
  std::int32_t totale = 0;
  // Where the prices come from.
  QString listino;
};

// listinoScaricato: when the price list was last downloaded, if ever.
DettaglioPrezzo CalcolaDettaglioPrezzo(const QList<FormatoAlbum>& album, const CatalogoFormati& catalogo,
                                       const std::optional<QDateTime>& listinoScaricato);
QString OrigineListino(const std::optional<QDateTime>& listinoScaricato);
// The column titles of the rows.
QStringList IntestazioniDettaglio();
// A row's cells under those titles, amounts as euro text.
QStringList CelleRiga(const RigaPrezzo& riga);
QString TestoTotale(std::int32_t totale);
// The breakdown as plain text, one tab-separated line a row.
QString TestoDettaglioPrezzo(const DettaglioPrezzo& dettaglio);
