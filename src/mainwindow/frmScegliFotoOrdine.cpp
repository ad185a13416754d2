// The order folder for the lab.
#include <QDateTime>
#include <memory>

#include "common/Percorsi.h"
#include "windows/Piattaforma.h"
#include "mainwindow/CicloOperazione.h"
#include "mainwindow/Messaggi.h"
#include "mainwindow/frmScegliFoto.h"
#include "ordine/CartellaOrdine.h"

namespace {

// Removes what was written and tells the user.
void AnnullaCartellaOrdine(const QString& cartella, QWidget* finestra) {
  EliminaCartellaOrdine(cartella);
  AvvisaOperazioneAnnullata(finestra);
}

// The steps up to an empty order folder: its path, or empty when the
// operation stopped (with its message).
QString ApriCartellaOrdine(QWidget* finestra) {
  const QString scelta = piattaforma().SfogliaCartella(
      finestra,
      QStringLiteral("Selezionare la directory dove inserire le fotografie ed i relativi formati e quantità:"), true);
  if (scelta.isEmpty()) {
    AvvisaNessunaCartella(finestra);
    return {};
  }
  const QString base = AggiungiBarra(scelta);
  const QString nome = base + NomeCartellaOrdine(QDateTime::currentDateTime());
  if (IsCartella(nome) && !ConfermaEliminazioneCartella(base, finestra)) {
    AvvisaOperazioneAnnullata(finestra);
    return {};
  }
  const QString cartella = AggiungiBarra(nome);
  if (PreparaCartellaOrdine(cartella)) return cartella;
  AvvisaCartellaNonCreata(cartella, finestra);
  AnnullaCartellaOrdine(cartella, finestra);
  return {};
}

}  // namespace

void frmScegliFoto::CreaCartellaOrdine() {
  ConfermaQualitaStampa().then(this, [this](bool avanti) {
    if (avanti) ScriviCartellaOrdine();
  });
}

void frmScegliFoto::ScriviCartellaOrdine() {
  const QString cartella = ApriCartellaOrdine(this);
  if (cartella.isEmpty()) return;
  if (ordine_.NumeroVoci({}) == 0) return AvvisaVelistraSenzaFoto(this);
  const std::shared_ptr<OperazioneCartella> scrittura = ordine_.ScriviCartellaOrdine(cartella, *this);
  CicloOperazione* ciclo = cornice_.NuovoCiclo(scrittura, DomandaInterruzioneCartella(cartella));
  connect(ciclo, &CicloOperazione::passoFatto, this, [this](const PassoOperazione& passo) {
    if (passo.fotoTotali > 0) controlli_.MostraConteggio(passo.foto, passo.fotoTotali);
  });
  connect(ciclo, &CicloOperazione::finito, this, [this, scrittura, cartella] {
    if (!AvvisaCartellaOrdine(scrittura->Concludi(), cartella, percorsi_, this)) AnnullaCartellaOrdine(cartella, this);
    cornice_.Finisci();
  });
  ciclo->Avvia();
}
