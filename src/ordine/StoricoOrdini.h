#pragma once
#include <QDateTime>
#include <QList>
#include <QString>
#include <cstdint>

enum class TipoOrdine { Cartella, Invio };

// One photo of a recorded order, enough to put it into a new album again.
struct FotoStorico {
  QString originale;  // the customer's file; the work copy when its origin is unknown
  QString copia;      // the copy's file name, as the lab received it
  QString titolo;
  QString formato;
  std::int32_t quantita = 1;
  QString ridimensionamento;
};

struct OrdineStorico {
  QDateTime quando;
  TipoOrdine tipo = TipoOrdine::Cartella;
  // The order folder, or the send's transaction id.
  QString destinazione;
  std::int32_t importo = 0;  // cents
  QList<FotoStorico> foto;
};

// The orders written to a folder or sent to the lab, kept in "Storico.xml".
class StoricoOrdini {
 public:
  explicit StoricoOrdini(QString percorso);

  // Newest first. A file that cannot be read as a history is set aside as
  // "Storico.xml.illeggibile" and the history starts again, empty.
  QList<OrdineStorico> Leggi() const;
  // Appends an order and saves atomically; false (old file intact) on failure.
  bool Aggiungi(const OrdineStorico& ordine) const;

 private:
  QString percorso_;
};
