#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

#include "ordine/CopiaNelLavoro.h"
#include "ordine/EsitiOrdine.h"
#include "ordine/OperazioneAPassi.h"

class OrdineVelistra;

// A photo to copy into the album as a new entry.
struct FotoDaCopiare {
  QString foto;
  QString titolo;
  QString formato;
  std::int32_t quantita = 1;
  // A fit mode's key; empty for the default.
  QString ridimensionamento;
};

// How an operation treats its photos.
struct RegoleCopia {
  // Each photo must be an entry of this format (a copy between formats).
  std::optional<QString> origine;
  // A photo whose content its format already holds is added only on a yes.
  bool controllaDoppie = true;
  // A repeat: photos of formats the catalogue no longer offers and files that
  // are gone are left out and named, instead of stopping the operation.
  bool tralasciaMancanti = false;
};

// Photos copied into the album one step each: the order names the copy, a
// task copies the file (and digests it when it may be a duplicate), the order
// adds the entry. Made by the order, run by the window, concluded once.
class OperazioneCopia final : public OperazioneAPassi {
 public:
  OperazioneCopia(OrdineVelistra& ordine, QList<FotoDaCopiare> foto, RegoleCopia regole);

  QFuture<PassoOperazione> Avanza(QObject* contesto) override;
  PassoOperazione Rispondi(bool aggiungere) override;
  void Interrompi() override { risultato_.interrotta = true; }
  // Starts the save of the album with the counter and the new copies; what
  // was done, whether or not every step ran.
  RisultatoOperazione Concludi();

 private:
  // The next photo's file work, or nothing when the operation is over.
  std::optional<CopiaDaFare> Prepara();
  // A format's copies, listed from the album once: while the operation runs,
  // only its own steps add to them.
  const QStringList& CopieDelFormato(const QString& formato);
  PassoOperazione Applica(const CopiaFatta& fatta);
  PassoOperazione Aggiungi(const ImprontaFile& impronta);
  PassoOperazione Passo(bool ultimo) const;
  void Ferma(EsitoFoto esito);

  OrdineVelistra& ordine_;
  const QList<FotoDaCopiare> foto_;
  const RegoleCopia regole_;
  // The photo of the step under way.
  int corrente_ = -1;
  QString copia_;
  // The counter before the step's copy was named.
  std::int32_t contatorePrima_ = 0;
  // The digest of a copy that waits for the duplicate's answer.
  ImprontaFile impronta_;
  RisultatoOperazione risultato_;
  QStringList copieFatte_;
  QHash<QString, QStringList> copieDeiFormati_;
  bool ferma_ = false;
};
