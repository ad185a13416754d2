#pragma once
#include <QPointer>
#include <QString>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "album/SelettoriFormato.h"
#include "mainwindow/ElencoFoto.h"
#include "mainwindow/RicaricaVista.h"
#include "ordine/FoglioCliente.h"
#include "ordine/OrdineVelistra.h"
#include "settings/DatiImpostazioni.h"
#include "settings/PercorsiProgramma.h"

class AlberoCartelle;
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
// It wires them to the order, which it owns from its load to its unload.
class frmScegliFoto : public QWidget, public FoglioCliente {
  Q_OBJECT

 public:
  frmScegliFoto(const PercorsiProgramma& percorsi, const DatiServer& server, QWidget* genitore = nullptr);
  ~frmScegliFoto() override;

  // Title, settings, geometry, format lists, unclean-stop check and album.
  void CaricaFinestra();
  // The steps of the first activation of the run; later calls do nothing.
  void EseguiPrimaAttivazione();
  // The layout of every control for the window's inner size.
  void DisponiControlli();
  // "ChiusuraOk", the counter, the geometry and the splitter.
  void SalvaDimensioniFinestra();

  // Photo operations.
  // The reloads run on a worker; poi, when given, runs on the GUI thread once
  // the view is filled and the commands are back.
  void RefreshFoto(std::function<void()> poi = {});
  void RefreshFotoFormato(std::function<void()> poi = {});
  void CopiaInFormato();
  void CopiaTraFormati();
  void SpostaTraFormati();
  void CancellaThumbSelezionate();
  void ImpostaNumeroFoto(std::int16_t numero);
  // The decimal code of a resize mode: "0", "1" or "2".
  void ImpostaRidimensionamento(const QString& codice);
  void ConfermaNuovoVelistra();
  void ScaricaPrezziario();
  // The price breakdown window; nothing while an operation changes the album.
  void MostraDettaglioPrezzo();
  void ApriInvio();
  void CreaCartellaOrdine();
  // The history window; an order chosen there is repeated in a new album.
  void ApriStoricoOrdini();
  void RipetiOrdine(const OrdineStorico& ordine);
  // Enables or disables every command that could start a second operation; the
  // folder tree may stay usable. Behind a modal window of the program they all
  // stay off, "Annulla" too.
  void AbilitaComandi(bool valore, bool alberoUsabile = false);

  // The customer sheet of the order folder and of the send.
  QString getDatiUtente() const override;
  bool CreaFotografiaTesto(const QString& percorso, const QString& testo) override;
  void CreaNuovoVelistra();

  // The parts, for the toolkit and for tests.
  OrdineVelistra& ordine() { return ordine_; }
  AlbumVelistra& album() { return ordine_.album(); }
  CatalogoFormati& catalogo() { return ordine_.catalogo(); }
  SelettoriFormato& selettori() { return selettori_; }
  AlberoCartelle* ftvFile() const { return ftvFile_; }
  ctrFotoView* fvFotoCartella() const { return fvFotoCartella_; }
  ctrFotoView* fvFotoFormato() const { return fvFotoFormato_; }
  QToolBar* tbCartella() const { return tbCartella_; }
  QToolBar* tbGruppo() const { return tbGruppo_; }
  QToolBar* tbOperazioni() const { return tbOperazioni_; }
  // The button of a toolbar by its key; nullptr when there is none.
  static QAction* Pulsante(const QToolBar* barra, const QString& chiave);
  CampoNumeroFoto* txtNumFoto() const { return txtNumFoto_; }
  QComboBox* cmbRidimensiona() const { return cmbRidimensiona_; }
  QWidget* sepNumFotoDir() const { return sepNumFotoDir_; }
  QWidget* sepNumFotoFormato() const { return sepNumFotoFormato_; }
  PannelloSfumato* pannelloConteggio() const { return pnlConteggio_; }
  PannelloSfumato* pannelloCosto() const { return pnlCosto_; }
  QProgressBar* pbAvanzamento() const { return pbAvanzamento_; }
  DivisoreTrascinabile* picResizer2() const { return picResizer2_; }
  QStatusBar* sbStato() const { return sbStato_; }
  bool FinestraAttivata() const { return FinestraAttivata_; }
  bool FiltroPremuto() const;
  // A long operation runs: the commands are disabled until it ends.
  bool OperazioneInCorso() const { return operazioniInCorso_ > 0; }
  // The "Annulla" buttons.
  void AnnullaOperazione() { ContinuaOperazione_ = false; }

 protected:
  // Shows a window of the program modally, the commands behind it off meanwhile.
  void MostraFinestraModale(QDialog& finestra);
  // Runs the modal window; tests play its user instead.
  virtual void EseguiFinestraModale(QDialog& finestra);

  void changeEvent(QEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
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
  // The same frame around work on a worker thread; fine runs on the GUI thread
  // when it has ended, before the commands come back.
  void OperazioneSulLavoro(std::function<void()> lavoro, std::function<void()> fine);
  // The frame of the short ones: the busy pointer only.
  void ConPuntatoreOccupato(const std::function<void()>& comando);
  bool Esegui(int n, const QString& domanda, const std::function<bool(int)>& passo);

  void MostraConteggio(int k, int n);
  void MostraVoci(const QString& formato, int voci, int vociTotali);
  void MostraImporto(const QString& importoEuro);
  // A new, empty album: no format photos and no counts.
  void MostraAlbumNuovo();
  // Refuses (with its message) while a send is not finished: its album must stay.
  bool NessunInvioInSospeso();
  void MostraNumeroFoto(QWidget* separatore, int numero);
  // The format of the commands on the format view: the filter's, or any.
  QString FormatoVista();
  // An operation of the order on each checked photo of the format view, until
  // one has no entry ("Fotografia non trovata.").
  // Nothing when no photo is checked, else whether every one was found.
  std::optional<bool> PerOgniSelezionata(const std::function<EsitoFoto(const QString& foto)>& azione);
  // The checked thumbnails leave the format view once their entries are gone;
  // poi follows when the view shows the album again.
  void TogliSelezionateDallaVista(bool tutteRiuscite, std::function<void()> poi);
  // Saves the album (and the counter); a failure is shown to the user.
  void SalvaAlbum(bool conContatore = false);
  // After a copy into the format: the filter follows the copy's format.
  void FiltroSulFormatoCopiato(const QString& formato, std::function<void()> poi);
  // Adds thumbnails 1 to n from a worker, aggiungi on the GUI thread, inside
  // the frame the reload opened (false from it stops there); fine runs on the
  // GUI thread after the last.
  void CaricaMiniature(int n, std::function<bool(int k)> aggiungi, std::function<void()> fine);
  // Closes a reload's frame, then starts the request that waited or runs what follows.
  void FineRicarica(RicaricaVista& ricarica, const std::function<void()>& ancora);
  // The steps of the first activation after the two views are filled.
  void FinisciAttivazione();
  // The format view judges its prints by the catalogue's papers.
  void CollegaQualitaStampa();
  // The catalogue read again after the send window, keeping the user's choices.
  void RicaricaCatalogo();
  // Reads the album's photos on a worker; poi follows when none would print
  // grainy or the user goes on anyway.
  void ConfermaQualitaStampa(std::function<void()> poi);
  void ScriviCartellaOrdine();
  void MostraInvio();

  const PercorsiProgramma percorsi_;
  const DatiServer server_;
  OrdineVelistra ordine_;
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
  std::atomic<bool> ContinuaOperazione_ = true;
  bool scaricata_ = false;
  int operazioniInCorso_ = 0;
  int finestreModaliAperte_ = 0;
  // Busy pointers of short commands that outlived them, cleared with the operation's.
  int puntatoriDaRilasciare_ = 0;
  ElencoFotoInSottofondo elencoFoto_{this};
  bool elencoCartellaInCorso_ = false;
  RicaricaVista ricaricaCartella_;
  RicaricaVista ricaricaFormato_;
};
