#pragma once
#include <QFuture>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "album/SelettoriFormato.h"
#include "mainwindow/ControlliFinestra.h"
#include "mainwindow/Messaggi.h"
#include "ordine/FoglioCliente.h"
#include "ordine/OrdineVelistra.h"
#include "settings/DatiImpostazioni.h"
#include "settings/PercorsiProgramma.h"

class AlberoCartelle;
class CicloOperazione;
class CampoNumeroFoto;
class ctrFotoView;
class DivisoreTrascinabile;
class FrecceNumero;
class PannelloSfumato;
class QAction;
class QComboBox;
class QDialog;
class QFrame;
class QLabel;
class QProgressBar;
class QStatusBar;
class QToolBar;
class SelettoreFormato;
class SuperficieDisegno;

// The program's main window: the folder tree, the photos of the browsed folder,
// the album's photos of one format, the commands on them and the status bar.
// It wires them to the order, which the program builds and hands to it.
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
  void CopiaTraFormati();
  // The decimal code of a resize mode: "0", "1" or "2".
  void ImpostaRidimensionamento(const QString& codice);
  void ScaricaPrezziario();
  void RipetiOrdine(const OrdineStorico& ordine);
  void CreaNuovoVelistra();

  // The customer sheet of the order folder and of the send.
  QString getDatiUtente() const override;
  bool CreaFotografiaTesto(const QString& percorso, const QString& testo) override;

  // The parts, for the toolkit and for tests.
  OrdineVelistra& ordine() { return ordine_; }
  SelettoriFormato& selettori() { return selettori_; }
  ControlliFinestra Controlli() const;
  // The button of a toolbar by its key; nullptr when there is none.
  static QAction* Pulsante(const QToolBar* barra, const QString& chiave);
  bool FinestraAttivata() const { return FinestraAttivata_; }
  // A long operation runs: the commands are disabled until it ends.
  bool OperazioneInCorso() const { return operazioniInCorso_ > 0; }

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
  // The layout of every control for the window's inner size.
  void DisponiControlli();
  // "ChiusuraOk", the counter, the geometry and the splitter.
  void SalvaDimensioniFinestra();
  // The reloads end with vistaCartellaCaricata / vistaFormatoCaricata, once
  // the view is filled and the commands are back.
  void RefreshFoto();
  void RefreshFotoFormato();
  // The commands of the toolbars.
  void CopiaInFormato();
  void SpostaTraFormati();
  void CancellaThumbSelezionate();
  void ImpostaNumeroFoto(std::int16_t numero);
  void ChiediNuovoVelistra();
  // The price breakdown window; nothing while an operation changes the album.
  void MostraDettaglioPrezzo();
  void ApriInvio();
  void CreaCartellaOrdine();
  // The history window; an order chosen there is repeated in a new album.
  void ApriStoricoOrdini();
  // Enables or disables every command that could start a second operation; the
  // folder tree may stay usable. Behind a modal window of the program they all
  // stay off, "Annulla" too.
  void AbilitaComandi(bool valore, bool alberoUsabile = false);
  bool FiltroPremuto() const;
  // The "Annulla" buttons.
  void AnnullaOperazione() { annulla_ = true; }

  void CreaControlli();
  void CreaColonnaCartella();
  void CreaColonnaFormato();
  void CreaBarraStato();
  QToolBar* NuovaBarra(const QString& nome, const QString& nomeAccessibile);
  QAction* NuovoPulsante(QToolBar* barra, const QString& chiave, const QString& toolTip,
                         std::function<void()> comando);
  QWidget* NuovoSeparatore(const QString& nome);
  void CollegaComandi();
  void ImpostaTitolo();
  void SalvaAllaChiusura();

  // The frame of the long operations: commands disabled and the busy pointer.
  // The folder's own reload leaves the tree usable: a new choice replaces it.
  void IniziaOperazione(bool alberoUsabile = false);
  void FinisciOperazione();
  void OperazioneLunga(const std::function<void()>& comando);
  // The same frame around an operation run step by step; its finito closes it.
  CicloOperazione* NuovoCiclo(std::shared_ptr<OperazioneAPassi> operazione, const DomandaMessaggio& interruzione);
  // The frame of the short ones: the busy pointer only.
  void ConPuntatoreOccupato(const std::function<void()>& comando);

  void MostraConteggio(int k, int n);
  void MostraVoci(const QString& formato, int voci, int vociTotali);
  // A copy's new entry, in a format view that shows its format.
  void MostraCopia(const PassoOperazione& passo);
  void MostraImporto(const QString& importoEuro);
  // A new, empty album: no format photos and no counts.
  void MostraAlbumNuovo();
  // Refuses (with its message) while a send is not finished: its album must stay.
  bool NessunInvioInSospeso();
  void MostraNumeroFoto(QWidget* separatore, int numero);
  // The format of the commands on the format view: the filter's, or any.
  QString FormatoVista();
  // The checked thumbnails leave the format view once their entries are gone.
  void TogliSelezionateDallaVista(bool tutteRiuscite);
  // avviso runs once the next (or the running) reload of the format view is done.
  void DopoLaVistaFormato(std::function<void()> avviso);
  // The filter set on formato, and the view reloaded.
  void FiltraSulFormato(const QString& formato);
  // Close a reload's frame and tell that the view is filled.
  void FineRicaricaCartella();
  void FineRicaricaFormato();
  // The first activation's steps once both views are filled.
  void DopoLeVisteIniziali();
  // The steps of the first activation after the two views are filled.
  void FinisciAttivazione();
  // The format view judges its prints by the catalogue's papers.
  void CollegaQualitaStampa();
  // The catalogue read again after the send window, keeping the user's choices.
  void RicaricaCatalogo();
  // Reads the album's photos in a task; true when none would print grainy or
  // the user goes on anyway.
  QFuture<bool> ConfermaQualitaStampa();
  void ScriviCartellaOrdine();
  void MostraInvio();

  const PercorsiProgramma percorsi_;
  const DatiServer server_;
  OrdineVelistra& ordine_;
  SelettoriFormato selettori_;

  AlberoCartelle* ftvFile_ = nullptr;
  SuperficieDisegno* picZoom_ = nullptr;
  QFrame* picResizer1_ = nullptr;
  DivisoreTrascinabile* picResizer2_ = nullptr;
  QLabel* lblTitoloFotoCartella_ = nullptr;
  QToolBar* tbCartella_ = nullptr;
  SelettoreFormato* selettoreCopia_ = nullptr;
  QPointer<QWidget> sepNumFotoDir_;
  ctrFotoView* fvFotoCartella_ = nullptr;
  QLabel* lblTitoloFotoFormato_ = nullptr;
  QToolBar* tbGruppo_ = nullptr;
  SelettoreFormato* selettoreFoto_ = nullptr;
  QToolBar* tbOperazioni_ = nullptr;
  SelettoreFormato* selettoreOperazioni_ = nullptr;
  CampoNumeroFoto* txtNumFoto_ = nullptr;
  FrecceNumero* udNumFoto_ = nullptr;
  QComboBox* cmbRidimensiona_ = nullptr;
  QPointer<QWidget> sepNumFotoFormato_;
  ctrFotoView* fvFotoFormato_ = nullptr;
  QStatusBar* sbStato_ = nullptr;
  QProgressBar* pbAvanzamento_ = nullptr;
  PannelloSfumato* pnlConteggio_ = nullptr;
  PannelloSfumato* pnlCosto_ = nullptr;

  bool DatiUtenteOk_ = false;
  bool NonMostrareMessaggio_ = false;
  bool FinestraAttivata_ = false;
  bool primaAttivazioneFatta_ = false;
  // "Annulla" was clicked; read by the running operation before its next step.
  bool annulla_ = false;
  bool scaricata_ = false;
  int operazioniInCorso_ = 0;
  int finestreModaliAperte_ = 0;
  // Busy pointers of short commands that outlived them, cleared with the operation's.
  int puntatoriDaRilasciare_ = 0;
  // The latest reload asked of each view, and whether one runs.
  quint64 richiestaCartella_ = 0;
  quint64 richiestaFormato_ = 0;
  bool ricaricaCartellaInCorso_ = false;
  bool ricaricaFormatoInCorso_ = false;
};
