#include "mainwindow/frmScegliFoto.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "windows/ControlloPerNome.h"
#include "windows/PannelloSfumato.h"
#include "windows/AlberoCartelle.h"
#include "mainwindow/CampoNumeroFoto.h"
#include "mainwindow/DivisoreTrascinabile.h"
#include "mainwindow/FrecceNumero.h"
#include "mainwindow/GuidaInLinea.h"
#include "mainwindow/PosizioneDivisore.h"
#include "mainwindow/SelettoreFormato.h"
#include "thumbview/SuperficieDisegno.h"
#include "thumbview/ctrFotoView.h"
#include "windows/frmDatiUtente.h"
#include "windows/frmSplash.h"

namespace {

constexpr int kSpazio = 2;
const QString kDettaglioPrezzo = QStringLiteral("Dettaglio del prezzo");
constexpr int kAltezzaZoom = 190;

QLabel* NuovoTitolo(const QString& nome, const QString& testo, QWidget* genitore) {
  auto* titolo = new QLabel(testo, genitore);
  titolo->setObjectName(nome);
  titolo->setAccessibleName(testo);
  QFont carattere = titolo->font();
  carattere.setBold(true);
  titolo->setFont(carattere);
  return titolo;
}

}  // namespace

// The icons live in the static core library, whose resource registration the
// linker would otherwise drop.
static void CaricaIcone() { Q_INIT_RESOURCE(icone); }

frmScegliFoto::frmScegliFoto(const PercorsiProgramma& percorsi, const DatiServer& server, OrdineVelistra& ordine,
                             QWidget* genitore)
    : QWidget(genitore), percorsi_(percorsi), server_(server), ordine_(ordine), selettori_(ordine_.catalogo()) {
  CaricaIcone();
  setObjectName(QStringLiteral("frmScegliFoto"));
  setWindowTitle(QStringLiteral("Velistra"));
  setAccessibleName(QStringLiteral("Velistra"));
  CreaControlli();
  CollegaComandi();
  connect(&ordine_, &OrdineVelistra::importoCambiato, this, &frmScegliFoto::MostraImporto);
  connect(&ordine_, &OrdineVelistra::vociCambiate, this, &frmScegliFoto::MostraVoci);
  connect(&ordine_, &OrdineVelistra::albumNuovo, this, &frmScegliFoto::MostraAlbumNuovo);
}

frmScegliFoto::~frmScegliFoto() = default;

void frmScegliFoto::MostraAlbumNuovo() {
  fvFotoFormato_->CancellaThumbs();
  MostraNumeroFoto(sepNumFotoFormato_, 0);
  MostraConteggio(0, 0);
}

ControlliFinestra frmScegliFoto::Controlli() const {
  return {ftvFile_,          fvFotoCartella_,    fvFotoFormato_, tbCartella_,  tbGruppo_,
          tbOperazioni_,     txtNumFoto_,        cmbRidimensiona_, sepNumFotoDir_, sepNumFotoFormato_,
          pnlConteggio_,     pnlCosto_,          pbAvanzamento_, picResizer2_, sbStato_};
}

QAction* frmScegliFoto::Pulsante(const QToolBar* barra, const QString& chiave) {
  for (QAction* azione : barra->actions())
    if (azione->objectName() == chiave) return azione;
  return nullptr;
}

void frmScegliFoto::CreaControlli() {
  ftvFile_ = new AlberoCartelle(this);
  ftvFile_->ImpostaCartella(AlberoCartelle::CartellaIniziale());

  picZoom_ = new SuperficieDisegno(this);
  picZoom_->setObjectName(QStringLiteral("picZoom"));
  picZoom_->setAccessibleName(QStringLiteral("Anteprima della fotografia"));
  picZoom_->resize(LarghezzaColonnaSinistra(width()), kAltezzaZoom);

  picResizer1_ = new QFrame(this);
  picResizer1_->setObjectName(QStringLiteral("picResizer1"));
  picResizer1_->setAccessibleName(QStringLiteral("Bordo della colonna delle cartelle"));
  picResizer1_->setFrameShape(QFrame::VLine);
  picResizer1_->setFrameShadow(QFrame::Sunken);
  picResizer1_->resize(4, 100);

  picResizer2_ = new DivisoreTrascinabile(this);
  picResizer2_->ImpostaPosizioneScelta(500);

  CreaColonnaCartella();
  CreaColonnaFormato();
  CreaBarraStato();
  for (SelettoreFormato* selettore : {selettoreCopia_, selettoreFoto_, selettoreOperazioni_})
    connect(selettore, &SelettoreFormato::aggiornato, this, &frmScegliFoto::DisponiControlli);
}

QToolBar* frmScegliFoto::NuovaBarra(const QString& nome, const QString& nomeAccessibile) {
  auto* barra = new QToolBar(this);
  barra->setObjectName(nome);
  barra->setAccessibleName(nomeAccessibile);
  barra->setIconSize(QSize(24, 24));
  barra->setToolButtonStyle(Qt::ToolButtonIconOnly);
  return barra;
}

QAction* frmScegliFoto::NuovoPulsante(QToolBar* barra, const QString& chiave, const QString& toolTip,
                                      std::function<void()> comando) {
  QAction* pulsante = barra->addAction(QIcon(QStringLiteral(":/icone/%1.svg").arg(chiave)), toolTip);
  pulsante->setObjectName(chiave);
  pulsante->setToolTip(toolTip);
  if (QWidget* bottone = barra->widgetForAction(pulsante)) {
    bottone->setObjectName(barra->objectName() + chiave);
    bottone->setAccessibleName(toolTip);
  }
  // A toggle button reacts to its state, whatever changed it: assistive
  // technology toggles it without triggering it.
  connect(pulsante, &QAction::toggled, this, comando);
  connect(pulsante, &QAction::triggered, this, [pulsante, comando = std::move(comando)] {
    if (!pulsante->isCheckable()) comando();
  });
  return pulsante;
}

QWidget* frmScegliFoto::NuovoSeparatore(const QString& nome) {
  QWidget* separatore =
      CreaControlloPerNome(QStringLiteral("Kelmora.KvSeparatore"), percorsi_, this);
  if (!separatore) return nullptr;
  separatore->setObjectName(nome);
  separatore->setAccessibleName(QStringLiteral("Fotografie"));
  MostraNumeroFoto(separatore, 0);
  return separatore;
}

void frmScegliFoto::CreaColonnaCartella() {
  lblTitoloFotoCartella_ =
      NuovoTitolo(QStringLiteral("lblTitoloFotoCartella"), QStringLiteral("SELEZIONA LE IMMAGINI DA STAMPARE"), this);

  tbCartella_ = NuovaBarra(QStringLiteral("tbCartella"), QStringLiteral("Comandi sulle fotografie della cartella"));
  selettoreCopia_ = new SelettoreFormato(selettori_.Copia(), this);
  tbCartella_->addWidget(selettoreCopia_);
  NuovoPulsante(tbCartella_, QStringLiteral("CopiaIn"), QStringLiteral("Copia nel formato"),
                [this] { OperazioneLunga([this] { CopiaInFormato(); }); });
  tbCartella_->addSeparator();
  NuovoPulsante(tbCartella_, QStringLiteral("Annulla"), QStringLiteral("Annulla caricamento"),
                [this] { AnnullaOperazione(); });
  tbCartella_->addSeparator();
  NuovoPulsante(tbCartella_, QStringLiteral("SelezionaTutto"), QStringLiteral("Seleziona tutto"),
                [this] { OperazioneLunga([this] { fvFotoCartella_->CheckaTutto(true); }); });
  NuovoPulsante(tbCartella_, QStringLiteral("DeSelezionaTutto"), QStringLiteral("Deseleziona tutto"),
                [this] { OperazioneLunga([this] { fvFotoCartella_->CheckaTutto(false); }); });
  NuovoPulsante(tbCartella_, QStringLiteral("Aggiorna"), QStringLiteral("Aggiorna"),
                [this] { ConPuntatoreOccupato([this] { RefreshFoto(); }); });
  tbCartella_->addSeparator();
  NuovoPulsante(tbCartella_, QStringLiteral("Utente"), QStringLiteral("Visualizza i tuoi dati"), [this] {
    frmDatiUtente finestra(percorsi_, this);
    MostraFinestraModale(finestra);
  });
  NuovoPulsante(tbCartella_, QStringLiteral("Guida"), QStringLiteral("Guida in linea"),
                [this] { ApriGuidaInLinea(percorsi_, this); });
  NuovoPulsante(tbCartella_, QStringLiteral("Info"), QStringLiteral("Informazioni"), [this] {
    frmSplash finestra(percorsi_, this);
    MostraFinestraModale(finestra);
  });

  sepNumFotoDir_ = NuovoSeparatore(QStringLiteral("sepNumFotoDir"));
  fvFotoCartella_ = new ctrFotoView(percorsi_, this);
  fvFotoCartella_->setObjectName(QStringLiteral("fvFotoCartella"));
  fvFotoCartella_->setAccessibleName(QStringLiteral("Fotografie della cartella"));
}

void frmScegliFoto::CreaColonnaFormato() {
  lblTitoloFotoFormato_ =
      NuovoTitolo(QStringLiteral("lblTitoloFotoFormato"), QStringLiteral("MODIFICA IL FORMATO O LA QUANTITA'"), this);

  tbGruppo_ = NuovaBarra(QStringLiteral("tbGruppo"), QStringLiteral("Comandi sulle fotografie del Velistra"));
  QAction* filtro = NuovoPulsante(tbGruppo_, QStringLiteral("Filtro"), QStringLiteral("Filtro formato"),
                                  [this] { RefreshFotoFormato(); });
  filtro->setCheckable(true);
  selettoreFoto_ = new SelettoreFormato(selettori_.Foto(), this);
  tbGruppo_->addWidget(selettoreFoto_);
  tbGruppo_->addSeparator();
  NuovoPulsante(tbGruppo_, QStringLiteral("Nuovo"), QStringLiteral("Nuovo Velistra"),
                [this] { ConPuntatoreOccupato([this] { ChiediNuovoVelistra(); }); });
  NuovoPulsante(tbGruppo_, QStringLiteral("Annulla"), QStringLiteral("Annulla caricamento"),
                [this] { AnnullaOperazione(); });
  NuovoPulsante(tbGruppo_, QStringLiteral("Cancella"), QStringLiteral("Cancella dal formato"),
                [this] { ConPuntatoreOccupato([this] { CancellaThumbSelezionate(); }); });
  tbGruppo_->addSeparator();
  NuovoPulsante(tbGruppo_, QStringLiteral("SelezionaTutto"), QStringLiteral("Seleziona tutto"),
                [this] { ConPuntatoreOccupato([this] { fvFotoFormato_->CheckaTutto(true); }); });
  NuovoPulsante(tbGruppo_, QStringLiteral("DeSelezionaTutto"), QStringLiteral("Deseleziona tutto"),
                [this] { ConPuntatoreOccupato([this] { fvFotoFormato_->CheckaTutto(false); }); });
  NuovoPulsante(tbGruppo_, QStringLiteral("Aggiorna"), QStringLiteral("Aggiorna"),
                [this] { ConPuntatoreOccupato([this] { RefreshFotoFormato(); }); });
  tbGruppo_->addSeparator();
  NuovoPulsante(tbGruppo_, QStringLiteral("ScaricaPrezziario"), QStringLiteral("Scarica il prezziario da internet"),
                [this] { ConPuntatoreOccupato([this] { ScaricaPrezziario(); }); });
  NuovoPulsante(tbGruppo_, QStringLiteral("DettaglioPrezzo"), kDettaglioPrezzo, [this] { MostraDettaglioPrezzo(); });
  NuovoPulsante(tbGruppo_, QStringLiteral("Storico"), QStringLiteral("Storico ordini"),
                [this] { ApriStoricoOrdini(); });

  tbOperazioni_ =
      NuovaBarra(QStringLiteral("tbOperazioni"), QStringLiteral("Operazioni sulle fotografie del Velistra"));
  selettoreOperazioni_ = new SelettoreFormato(selettori_.Operazioni(), this);
  tbOperazioni_->addWidget(selettoreOperazioni_);
  NuovoPulsante(tbOperazioni_, QStringLiteral("CopiaIn"), QStringLiteral("Copia nel formato"),
                [this] { OperazioneLunga([this] { CopiaTraFormati(); }); });
  NuovoPulsante(tbOperazioni_, QStringLiteral("SpostaIn"), QStringLiteral("Sposta nel formato"),
                [this] { OperazioneLunga([this] { SpostaTraFormati(); }); });
  tbOperazioni_->addSeparator();
  txtNumFoto_ = new CampoNumeroFoto(this);
  udNumFoto_ = new FrecceNumero(txtNumFoto_, this);
  tbOperazioni_->addWidget(txtNumFoto_);
  tbOperazioni_->addWidget(udNumFoto_);
  NuovoPulsante(tbOperazioni_, QStringLiteral("NumFoto"), QStringLiteral("Assegna il numero di fotografie"), [this] {
    std::int16_t numero = 0;
    if (txtNumFoto_->NumeroValido(numero)) OperazioneLunga([this, numero] { ImpostaNumeroFoto(numero); });
  });
  tbOperazioni_->addSeparator();
  cmbRidimensiona_ = new QComboBox(this);
  cmbRidimensiona_->setObjectName(QStringLiteral("cmbRidimensiona"));
  cmbRidimensiona_->setAccessibleName(QStringLiteral("Tipo di ridimensionamento"));
  cmbRidimensiona_->setToolTip(QStringLiteral("Tipo di ridimensionamento"));
  // Sized by its entries before the first show too: the splitter's place depends on it.
  cmbRidimensiona_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  tbOperazioni_->addWidget(cmbRidimensiona_);
  NuovoPulsante(tbOperazioni_, QStringLiteral("Ridimensiona"), QStringLiteral("Assegna il tipo ridimensionamento"),
                [this] {
                  const QString codice = QString::number(cmbRidimensiona_->currentData().toInt());
                  OperazioneLunga([this, codice] { ImpostaRidimensionamento(codice); });
                });
  tbOperazioni_->addSeparator();
  NuovoPulsante(tbOperazioni_, QStringLiteral("C8"), QStringLiteral("Crea cartella da consegnare al fotografo"),
                [this] { OperazioneLunga([this] { CreaCartellaOrdine(); }); });
  NuovoPulsante(tbOperazioni_, QStringLiteral("FTP"), QStringLiteral("Paga ed invia le fotografie tramite internet"),
                [this] { ApriInvio(); });

  sepNumFotoFormato_ = NuovoSeparatore(QStringLiteral("sepNumFotoFormato"));
  fvFotoFormato_ = new ctrFotoView(percorsi_, this);
  fvFotoFormato_->setObjectName(QStringLiteral("fvFotoFormato"));
  fvFotoFormato_->setAccessibleName(QStringLiteral("Fotografie del Velistra"));
  fvFotoFormato_->ImpostaMostraNumeroFoto(true);
  fvFotoFormato_->ImpostaMostraFormatoFotografico(true);
}

void frmScegliFoto::CreaBarraStato() {
  sbStato_ = new QStatusBar(this);
  sbStato_->setObjectName(QStringLiteral("sbStato"));
  sbStato_->setAccessibleName(QStringLiteral("Stato"));
  auto* scorrimento = new QWidget(sbStato_);
  scorrimento->setObjectName(QStringLiteral("Scroll"));
  scorrimento->setAccessibleName(QStringLiteral("Avanzamento"));
  pbAvanzamento_ = new QProgressBar(scorrimento);
  pbAvanzamento_->setObjectName(QStringLiteral("pbAvanzamento"));
  pbAvanzamento_->setAccessibleName(QStringLiteral("Avanzamento dell'operazione"));
  pbAvanzamento_->setTextVisible(false);
  pbAvanzamento_->setValue(0);
  // The bar lies over its panel, one pixel short of the right edge.
  auto* riga = new QHBoxLayout(scorrimento);
  riga->setContentsMargins(0, 3, 1, 1);
  riga->addWidget(pbAvanzamento_);
  pnlConteggio_ = new PannelloSfumato(QStringLiteral("Conteggio"), sbStato_);
  pnlCosto_ = new PannelloSfumato(QStringLiteral("Costo"), sbStato_);
  pnlCosto_->setToolTip(kDettaglioPrezzo);
  pnlCosto_->setCursor(Qt::PointingHandCursor);
  connect(pnlCosto_, &PannelloSfumato::cliccato, this, &frmScegliFoto::MostraDettaglioPrezzo);
  sbStato_->addWidget(scorrimento, 2);
  sbStato_->addWidget(pnlConteggio_, 1);
  sbStato_->addWidget(pnlCosto_, 1);
}

namespace {

// Places a widget where the layout wants it; a size that came out negative in a
// very small window leaves it where it was.
void Colloca(QWidget* controllo, int sinistra, int alto, int larghezza, int altezza) {
  if (!controllo || larghezza < 0 || altezza < 0) return;
  controllo->setGeometry(sinistra, alto, larghezza, altezza);
}

// Stacks the widgets of a column from the top, each below the previous one;
// the last reaches down to the bottom.
void Impila(const QList<QWidget*>& colonna, int sinistra, int larghezza, int fondo) {
  int alto = kSpazio;
  for (qsizetype i = 0; i < colonna.size(); ++i) {
    QWidget* controllo = colonna[i];
    if (!controllo) continue;
    const bool ultimo = i == colonna.size() - 1;
    // A wrapping label takes the lines its text needs at this width.
    int altezza = controllo->sizeHint().height();
    if (ultimo) altezza = fondo - alto;
    else if (controllo->hasHeightForWidth()) altezza = controllo->heightForWidth(larghezza);
    Colloca(controllo, sinistra, alto, larghezza, altezza);
    alto += controllo->height() + kSpazio;
  }
}

int LarghezzaRichiesta(const QList<QWidget*>& controlli) {
  int larghezza = 0;
  for (QWidget* controllo : controlli) {
    // A toolbar works out its size again only once it handles its layout
    // request, and a list in it may have just been filled.
    if (QLayout* disposizione = controllo->layout()) disposizione->invalidate();
    larghezza = std::max(larghezza, controllo->sizeHint().width());
  }
  return larghezza;
}

}  // namespace

void frmScegliFoto::DisponiControlli() {
  const int H = height();
  const int W = width();
  const int S = sbStato_->sizeHint().height();
  Colloca(sbStato_, 0, H - S, W, S);

  const int sinistra = LarghezzaColonnaSinistra(W);
  Colloca(ftvFile_, kSpazio, kSpazio, sinistra, H - S - picZoom_->height() - 6);
  Colloca(picZoom_, kSpazio, ftvFile_->y() + ftvFile_->height() + kSpazio, sinistra, picZoom_->height());
  Colloca(picResizer1_, picZoom_->x() + picZoom_->width() + kSpazio, kSpazio, picResizer1_->width(), H - S - 4);

  const int destraResizer1 = picResizer1_->x() + picResizer1_->width();
  MisureColonne misure;
  misure.inizioCentrale = destraResizer1 + kSpazio;
  misure.minimoCentrale = LarghezzaRichiesta({lblTitoloFotoCartella_, tbCartella_});
  misure.minimoDestra = LarghezzaRichiesta({lblTitoloFotoFormato_, tbGruppo_, tbOperazioni_});
  misure.larghezzaDivisore = picResizer2_->width();
  picResizer2_->AdattaALarghezza(W, misure);

  Impila({lblTitoloFotoCartella_, tbCartella_, selettoreCopia_->etichetta(), sepNumFotoDir_, fvFotoCartella_},
         misure.inizioCentrale, picResizer2_->x() - destraResizer1 - 4, H - S - kSpazio);

  Colloca(picResizer2_, picResizer2_->x(), kSpazio, picResizer2_->width(), H - S - 4);

  const int destraResizer2 = picResizer2_->x() + picResizer2_->width();
  Impila({lblTitoloFotoFormato_, tbGruppo_, selettoreFoto_->etichetta(), tbOperazioni_,
          selettoreOperazioni_->etichetta(), sepNumFotoFormato_, fvFotoFormato_},
         destraResizer2 + kSpazio, W - destraResizer2 - 4, H - S - kSpazio);
}

void frmScegliFoto::resizeEvent(QResizeEvent* evento) {
  QWidget::resizeEvent(evento);
  DisponiControlli();
}
