// The print-quality warning: the format view's papers and the question asked
// before the order leaves for the lab.
#include "common/Compito.h"
#include "mainwindow/Messaggi.h"
#include "mainwindow/frmScegliFoto.h"
#include "ordine/QualitaAlbum.h"
#include "thumbview/ctrFotoView.h"

void frmScegliFoto::CollegaQualitaStampa() {
  controlli_.fvFotoFormato->ImpostaCartaStampa([this](const QString& formato, const QString& ridimensionamento) {
    return CartaDelFormato(ordine_.catalogo(), formato, ridimensionamento);
  });
}

void frmScegliFoto::RicaricaCatalogo() {
  selettori_.CaricaFormatiFotografici(true);
  // The papers may have changed with the catalogue: the marks follow them.
  controlli_.fvFotoFormato->RidisegnaPagina();
}

QFuture<bool> frmScegliFoto::ConfermaQualitaStampa() {
  const QList<VoceDaStampare> voci = VociDaStampare(ordine_.album(), ordine_.catalogo());
  if (voci.isEmpty()) return QtFuture::makeReadyFuture(true);
  cornice_.Inizia();
  return AvviaCompito(this, [voci] { return ContaStampeSgranate(voci); }, [this](int sgranate) {
    // Closed first: what follows may open the send window, which can close the program.
    cornice_.Finisci();
    return sgranate == 0 || ConfermaStampeSgranate(sgranate, this);
  });
}
