#pragma once
#include <QString>
#include <QStringList>

#include "ordine/EsitiOrdine.h"
#include "ordine/OperazioneAPassi.h"

class FoglioCliente;
class OrdineVelistra;

// Writes the order folder (an existing, empty folder ending in "/"), one step
// each: every copy verified, then every copy flushed (one flush after all the
// copies costs far less than one after each), then the customer sheet,
// "Condition.txt" and, last, "End.txt". The files are written by tasks;
// nothing is removed on failure: the window tells the user first.
class OperazioneCartella final : public OperazioneAPassi {
 public:
  OperazioneCartella(OrdineVelistra& ordine, QString cartella, FoglioCliente& foglio);

  QFuture<PassoOperazione> Avanza(QObject* contesto) override;
  void Interrompi() override { risultato_.esito = EsitoCartella::Interrotta; }
  // What came of it; the folder is recorded in the history once whole.
  RisultatoCartella Concludi();

 private:
  QFuture<PassoOperazione> Copia(QObject* contesto, int k);
  QFuture<PassoOperazione> Sincronizza(QObject* contesto, int k);
  QFuture<PassoOperazione> Chiudi(QObject* contesto);
  PassoOperazione Passo(int fatti) const;
  // True when scritto; otherwise notes which file was not written.
  bool Scritto(bool scritto, const QString& nome);

  OrdineVelistra& ordine_;
  const QString cartella_;
  FoglioCliente& foglio_;
  const QStringList copie_;
  QStringList nomi_;
  int passo_ = 0;
  RisultatoCartella risultato_;
};
