// The print-quality warning: the format view's papers and the question asked
// before the order leaves for the lab.
#include <memory>

#include "common/Lavoro.h"
#include "common/NumeriCliente.h"
#include "windows/Piattaforma.h"
#include "mainwindow/frmScegliFoto.h"
#include "ordine/QualitaAlbum.h"
#include "thumbview/ctrFotoView.h"

namespace {

bool ConfermaStampeSgranate(int sgranate, QWidget* finestra) {
  return MsgBox(TestoIntero(sgranate) +
                    QStringLiteral(" fotografie potrebbero risultare sgranate nella stampa. Continuare comunque?"),
                IconaMessaggio::Domanda, PulsantiMessaggio::SiNo, RispostaMessaggio::Si,
                finestra) == RispostaMessaggio::Si;
}

}  // namespace

void frmScegliFoto::CollegaQualitaStampa() {
  fvFotoFormato_->ImpostaCartaStampa([this](const QString& formato, const QString& ridimensionamento) {
    return CartaDelFormato(ordine_.catalogo(), formato, ridimensionamento);
  });
}

void frmScegliFoto::RicaricaCatalogo() {
  selettori_.CaricaFormatiFotografici(true);
  // The papers may have changed with the catalogue: the marks follow them.
  fvFotoFormato_->RidisegnaPagina();
}

void frmScegliFoto::ConfermaQualitaStampa(std::function<void()> poi) {
  const QList<VoceDaStampare> voci = VociDaStampare(ordine_.album(), ordine_.catalogo());
  if (voci.isEmpty()) return poi();
  auto sgranate = std::make_shared<int>(0);
  IniziaOperazione();
  AvviaLavoro(
      this, [voci, sgranate] { *sgranate = ContaStampeSgranate(voci); },
      [this, sgranate, poi = std::move(poi)] {
        // Closed first: what follows may open the send window, which can close the program.
        FinisciOperazione();
        if (*sgranate == 0 || ConfermaStampeSgranate(*sgranate, this)) poi();
      });
}
