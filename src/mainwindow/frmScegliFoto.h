#pragma once
#include <QFuture>
#include <QString>
#include <QWidget>

#include "album/SelettoriFormato.h"
#include "mainwindow/ComandiAlbum.h"
#include "mainwindow/ControlliFinestra.h"
#include "mainwindow/ControlliScegliFoto.h"
#include "mainwindow/CorniceOperazioni.h"
#include "mainwindow/RicaricaViste.h"
#include "ordine/FoglioCliente.h"
#include "ordine/OrdineVelistra.h"
#include "settings/DatiImpostazioni.h"
#include "settings/PercorsiProgramma.h"

class QAction;
class QDialog;
class QToolBar;

// The program's main window: the folder tree, the photos of the browsed folder,
// the album's photos of one format, the commands on them and the status bar.
// It wires its controls to the order, which the program builds and hands to it,
// and runs the window's life: load, first activation and close.
class frmScegliFoto : public QWidget, public FoglioCliente {
  Q_OBJECT

 public:
  frmScegliFoto(const PercorsiProgramma& percorsi, const DatiServer& server, OrdineVelistra& ordine,
                QWidget* genitore = nullptr);
  ~frmScegliFoto() override;

  // Title, settings, geometry, format lists, unclean-stop check and album.
  void CaricaFinestra();
  // The steps of the first activation of the run; later calls do nothing.
  void EseguiPrimaAttivazione();

  // Commands that other windows start too.
  void CopiaTraFormati() { comandi_.CopiaTraFormati(); }
  // The decimal code of a resize mode: "0", "1" or "2".
  void ImpostaRidimensionamento(const QString& codice) { comandi_.ImpostaRidimensionamento(codice); }
  void ScaricaPrezziario();
  void RipetiOrdine(const OrdineStorico& ordine) { comandi_.RipetiOrdine(ordine); }
  void CreaNuovoVelistra() { ordine_.CreaNuovoVelistra(); }

  // The customer sheet of the order folder and of the send.
  QString getDatiUtente() const override;
  bool CreaFotografiaTesto(const QString& percorso, const QString& testo) override;

  // The parts, for the toolkit and for tests.
  OrdineVelistra& ordine() { return ordine_; }
  SelettoriFormato& selettori() { return selettori_; }
  ControlliFinestra Controlli() const { return controlli_.Controlli(); }
  // The button of a toolbar by its key; nullptr when there is none.
  static QAction* Pulsante(const QToolBar* barra, const QString& chiave) {
    return ControlliScegliFoto::Pulsante(barra, chiave);
  }
  bool FinestraAttivata() const { return FinestraAttivata_; }
  // A long operation runs (the commands are disabled until it ends), or the
  // album is still being saved.
  bool OperazioneInCorso() const { return cornice_.InCorso() || ordine_.SalvataggioInCorso(); }

 Q_SIGNALS:
  // The last reload asked of a view is done.
  void vistaCartellaCaricata();
  void vistaFormatoCaricata();

 protected:
  // Shows a window of the program modally, the commands behind it off meanwhile.
  void MostraFinestraModale(QDialog& finestra);
  // Runs the modal window; tests play its user instead.
  virtual void EseguiFinestraModale(QDialog& finestra);

  void changeEvent(QEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
  // The commands of the toolbars, the tree and the order's news.
  void CollegaComandi();
  void CollegaCartella();
  void CollegaFormato();
  void CollegaOperazioni();
  void ImpostaTitolo();
  void SalvaAllaChiusura();
  // poi runs once the album's saves have ended; meanwhile the commands are
  // off under the busy pointer.
  void DopoISalvataggi(const std::function<void()>& poi);
  // "ChiusuraOk", the counter, the geometry and the splitter.
  void SalvaDimensioniFinestra();
  // The first activation's steps once both views are filled.
  void DopoLeVisteIniziali();
  // The window counts as activated: the notice, and the send left pending.
  void FinisciAttivazione();

  // The price breakdown window; nothing while an operation changes the album.
  void MostraDettaglioPrezzo();
  void ApriInvio();
  void MostraInvio();
  // The history window; an order chosen there is repeated in a new album.
  void ApriStoricoOrdini();
  void CreaCartellaOrdine();
  void ScriviCartellaOrdine();
  // The format view judges its prints by the catalogue's papers.
  void CollegaQualitaStampa();
  // The catalogue read again after the send window, keeping the user's choices.
  void RicaricaCatalogo();
  // Reads the album's photos in a task; true when none would print grainy or
  // the user goes on anyway.
  QFuture<bool> ConfermaQualitaStampa();

  const PercorsiProgramma percorsi_;
  const DatiServer server_;
  OrdineVelistra& ordine_;
  SelettoriFormato selettori_;
  ControlliScegliFoto controlli_;
  CorniceOperazioni cornice_;
  RicaricaViste ricarica_;
  ComandiAlbum comandi_;

  bool DatiUtenteOk_ = false;
  bool NonMostrareMessaggio_ = false;
  bool FinestraAttivata_ = false;
  bool primaAttivazioneFatta_ = false;
  bool scaricata_ = false;
};
