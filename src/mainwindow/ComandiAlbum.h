#pragma once
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

#include "settings/PercorsiProgramma.h"

class ControlliScegliFoto;
class CorniceOperazioni;
class OrdineVelistra;
class QWidget;
class RicaricaViste;
class SelettoriFormato;
struct OrdineStorico;
struct PassoOperazione;

// The main window's commands on the photos of the album: each is one operation
// of the order on the checked thumbnails, its result shown in the format view
// and told through the messages' mapping.
class ComandiAlbum : public QObject {
  Q_OBJECT

 public:
  ComandiAlbum(QWidget& finestra, OrdineVelistra& ordine,
               SelettoriFormato& selettori, ControlliScegliFoto& controlli, CorniceOperazioni& cornice,
               RicaricaViste& ricarica);

  // The folder's checked photos into the copy list's format.
  void CopiaInFormato();
  // The format view's checked photos from the filter's format into the operations list's one.
  void CopiaTraFormati();
  void SpostaTraFormati();
  void CancellaSelezionate();
  void ImpostaNumeroFoto(std::int16_t numero);
  // The decimal code of a resize mode: "0", "1" or "2".
  void ImpostaRidimensionamento(const QString& codice);
  // A new album, once confirmed and when no send is pending.
  void ChiediNuovoVelistra();
  // An order of the history again, in a new album.
  void RipetiOrdine(const OrdineStorico& ordine);

 private:
  // Refuses (with its message) while a send is not finished: its album must stay.
  bool NessunInvioInSospeso();
  // A copy's new entry, in a format view that shows its format.
  void MostraCopia(const PassoOperazione& passo);
  // The checked thumbnails leave the format view once their entries are gone.
  void TogliSelezionateDallaVista(bool tutteRiuscite);
  // avviso runs once the next (or the running) reload of the format view is done.
  void DopoLaVistaFormato(std::function<void()> avviso);
  // The filter set on formato, and the view reloaded.
  void FiltraSulFormato(const QString& formato);

  QWidget& finestra_;
  OrdineVelistra& ordine_;
  SelettoriFormato& selettori_;
  ControlliScegliFoto& controlli_;
  CorniceOperazioni& cornice_;
  RicaricaViste& ricarica_;
};
