#include "mainwindow/ControlliScegliFoto.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "album/SelettoriFormato.h"
#include "common/NumeriCliente.h"
#include "mainwindow/CampoNumeroFoto.h"
#include "mainwindow/DivisoreTrascinabile.h"
#include "mainwindow/FrecceNumero.h"
#include "mainwindow/PosizioneDivisore.h"
#include "mainwindow/SelettoreFormato.h"
#include "thumbview/SuperficieDisegno.h"
#include "thumbview/ctrFotoView.h"
#include "windows/AlberoCartelle.h"
#include "windows/CampiInput.h"
#include "windows/ControlloPerNome.h"
#include "windows/PannelloSfumato.h"

namespace {

constexpr int kSpazio = 2;
constexpr int kAltezzaZoom = 190;
const QString kDettaglioPrezzo = QStringLiteral("Dettaglio del prezzo");
// The status panels' shading, which the progress bar wears too.
const QColor kSfumaturaSinistra = ColoreBGR(0xC0C000);
const QColor kSfumaturaDestra = ColoreBGR(0xFFFFC0);

QLabel* NuovoTitolo(const QString& nome, const QString& testo, QWidget* genitore) {
  auto* titolo = new QLabel(testo, genitore);
  titolo->setObjectName(nome);
  titolo->setAccessibleName(testo);
  QFont carattere = titolo->font();
  carattere.setBold(true);
  titolo->setFont(carattere);
  return titolo;
}

void MostraNumeroFoto(QWidget* separatore, int numero) {
  if (separatore) separatore->setProperty("Caption", QStringLiteral("Fotografie: ") + TestoIntero(numero));
}

}  // namespace

// The icons live in the static core library, whose resource registration the
// linker would otherwise drop.
static void CaricaIcone() { Q_INIT_RESOURCE(icone); }

ControlliScegliFoto::ControlliScegliFoto(QWidget& finestra, const PercorsiProgramma& percorsi,
                                         SelettoriFormato& selettori)
    : finestra_(finestra), percorsi_(percorsi), selettori_(selettori) {
  CaricaIcone();
  ftvFile = new AlberoCartelle(&finestra_);
  ftvFile->ImpostaCartella(AlberoCartelle::CartellaIniziale());

  picZoom = new SuperficieDisegno(&finestra_);
  picZoom->setObjectName(QStringLiteral("picZoom"));
  picZoom->setAccessibleName(QStringLiteral("Anteprima della fotografia"));
  picZoom->resize(LarghezzaColonnaSinistra(finestra_.width()), kAltezzaZoom);

  picResizer1 = new QFrame(&finestra_);
  picResizer1->setObjectName(QStringLiteral("picResizer1"));
  picResizer1->setAccessibleName(QStringLiteral("Bordo della colonna delle cartelle"));
  picResizer1->setFrameShape(QFrame::VLine);
  picResizer1->setFrameShadow(QFrame::Sunken);
  picResizer1->resize(4, 100);

  picResizer2 = new DivisoreTrascinabile(&finestra_);
  picResizer2->ImpostaPosizioneScelta(500);

  CreaColonnaCartella();
  CreaColonnaFormato();
  CreaBarraStato();
  for (SelettoreFormato* selettore : {selettoreCopia, selettoreFoto, selettoreOperazioni})
    QObject::connect(selettore, &SelettoreFormato::aggiornato, &finestra_, [this] { Disponi(); });
  QObject::connect(picResizer2, &DivisoreTrascinabile::rilasciato, &finestra_, [this] { Disponi(); });
}

ControlliFinestra ControlliScegliFoto::Controlli() const {
  return {ftvFile,         fvFotoCartella,     fvFotoFormato,     tbCartella,     tbGruppo,
          tbOperazioni,    txtNumFoto,         cmbRidimensiona,   sepNumFotoDir_, sepNumFotoFormato_,
          pannelloConteggio, pannelloCosto,    pbAvanzamento,     picResizer2,    sbStato};
}

QAction* ControlliScegliFoto::Pulsante(const QToolBar* barra, const QString& chiave) {
  for (QAction* azione : barra->actions())
    if (azione->objectName() == chiave) return azione;
  return nullptr;
}

void ControlliScegliFoto::Collega(const QToolBar* barra, const QString& chiave, QObject* contesto,
                                  std::function<void()> comando) {
  QAction* pulsante = Pulsante(barra, chiave);
  // A toggle button reacts to its state, whatever changed it: assistive
  // technology toggles it without triggering it.
  QObject::connect(pulsante, &QAction::toggled, contesto, comando);
  QObject::connect(pulsante, &QAction::triggered, contesto, [pulsante, comando = std::move(comando)] {
    if (!pulsante->isCheckable()) comando();
  });
}

QToolBar* ControlliScegliFoto::NuovaBarra(const QString& nome, const QString& nomeAccessibile) {
  auto* barra = new QToolBar(&finestra_);
  barra->setObjectName(nome);
  barra->setAccessibleName(nomeAccessibile);
  barra->setIconSize(QSize(24, 24));
  barra->setToolButtonStyle(Qt::ToolButtonIconOnly);
  return barra;
}

void ControlliScegliFoto::NuovoPulsante(QToolBar* barra, const QString& chiave, const QString& toolTip) {
  QAction* pulsante = barra->addAction(QIcon(QStringLiteral(":/icone/%1.svg").arg(chiave)), toolTip);
  pulsante->setObjectName(chiave);
  pulsante->setToolTip(toolTip);
  if (QWidget* bottone = barra->widgetForAction(pulsante)) {
    bottone->setObjectName(barra->objectName() + chiave);
    bottone->setAccessibleName(toolTip);
  }
}

QWidget* ControlliScegliFoto::NuovoSeparatore(const QString& nome) {
  QWidget* separatore = CreaControlloPerNome(QStringLiteral("Kelmora.KvSeparatore"), percorsi_, &finestra_);
  if (!separatore) return nullptr;
  separatore->setObjectName(nome);
  separatore->setAccessibleName(QStringLiteral("Fotografie"));
  MostraNumeroFoto(separatore, 0);
  return separatore;
}

void ControlliScegliFoto::CreaColonnaCartella() {
  lblTitoloFotoCartella = NuovoTitolo(QStringLiteral("lblTitoloFotoCartella"),
                                      QStringLiteral("SELEZIONA LE IMMAGINI DA STAMPARE"), &finestra_);

  tbCartella = NuovaBarra(QStringLiteral("tbCartella"), QStringLiteral("Comandi sulle fotografie della cartella"));
  selettoreCopia = new SelettoreFormato(selettori_.Copia(), &finestra_);
  tbCartella->addWidget(selettoreCopia);
  NuovoPulsante(tbCartella, QStringLiteral("CopiaIn"), QStringLiteral("Copia nel formato"));
  tbCartella->addSeparator();
  NuovoPulsante(tbCartella, QStringLiteral("Annulla"), QStringLiteral("Annulla caricamento"));
  tbCartella->addSeparator();
  NuovoPulsante(tbCartella, QStringLiteral("SelezionaTutto"), QStringLiteral("Seleziona tutto"));
  NuovoPulsante(tbCartella, QStringLiteral("DeSelezionaTutto"), QStringLiteral("Deseleziona tutto"));
  NuovoPulsante(tbCartella, QStringLiteral("Aggiorna"), QStringLiteral("Aggiorna"));
  tbCartella->addSeparator();
  NuovoPulsante(tbCartella, QStringLiteral("Utente"), QStringLiteral("Visualizza i tuoi dati"));
  NuovoPulsante(tbCartella, QStringLiteral("Guida"), QStringLiteral("Guida in linea"));
  NuovoPulsante(tbCartella, QStringLiteral("Info"), QStringLiteral("Informazioni"));

  sepNumFotoDir_ = NuovoSeparatore(QStringLiteral("sepNumFotoDir"));
  fvFotoCartella = new ctrFotoView(percorsi_, &finestra_);
  fvFotoCartella->setObjectName(QStringLiteral("fvFotoCartella"));
  fvFotoCartella->setAccessibleName(QStringLiteral("Fotografie della cartella"));
}

void ControlliScegliFoto::CreaColonnaFormato() {
  lblTitoloFotoFormato = NuovoTitolo(QStringLiteral("lblTitoloFotoFormato"),
                                     QStringLiteral("MODIFICA IL FORMATO O LA QUANTITA'"), &finestra_);

  tbGruppo = NuovaBarra(QStringLiteral("tbGruppo"), QStringLiteral("Comandi sulle fotografie del Velistra"));
  NuovoPulsante(tbGruppo, QStringLiteral("Filtro"), QStringLiteral("Filtro formato"));
  Pulsante(tbGruppo, QStringLiteral("Filtro"))->setCheckable(true);
  selettoreFoto = new SelettoreFormato(selettori_.Foto(), &finestra_);
  tbGruppo->addWidget(selettoreFoto);
  tbGruppo->addSeparator();
  NuovoPulsante(tbGruppo, QStringLiteral("Nuovo"), QStringLiteral("Nuovo Velistra"));
  NuovoPulsante(tbGruppo, QStringLiteral("Annulla"), QStringLiteral("Annulla caricamento"));
  NuovoPulsante(tbGruppo, QStringLiteral("Cancella"), QStringLiteral("Cancella dal formato"));
  tbGruppo->addSeparator();
  NuovoPulsante(tbGruppo, QStringLiteral("SelezionaTutto"), QStringLiteral("Seleziona tutto"));
  NuovoPulsante(tbGruppo, QStringLiteral("DeSelezionaTutto"), QStringLiteral("Deseleziona tutto"));
  NuovoPulsante(tbGruppo, QStringLiteral("Aggiorna"), QStringLiteral("Aggiorna"));
  tbGruppo->addSeparator();
  NuovoPulsante(tbGruppo, QStringLiteral("ScaricaPrezziario"), QStringLiteral("Scarica il prezziario da internet"));
  NuovoPulsante(tbGruppo, QStringLiteral("DettaglioPrezzo"), kDettaglioPrezzo);
  NuovoPulsante(tbGruppo, QStringLiteral("Storico"), QStringLiteral("Storico ordini"));

  tbOperazioni =
      NuovaBarra(QStringLiteral("tbOperazioni"), QStringLiteral("Operazioni sulle fotografie del Velistra"));
  selettoreOperazioni = new SelettoreFormato(selettori_.Operazioni(), &finestra_);
  tbOperazioni->addWidget(selettoreOperazioni);
  NuovoPulsante(tbOperazioni, QStringLiteral("CopiaIn"), QStringLiteral("Copia nel formato"));
  NuovoPulsante(tbOperazioni, QStringLiteral("SpostaIn"), QStringLiteral("Sposta nel formato"));
  tbOperazioni->addSeparator();
  txtNumFoto = new CampoNumeroFoto(&finestra_);
  udNumFoto = new FrecceNumero(txtNumFoto, &finestra_);
  tbOperazioni->addWidget(txtNumFoto);
  tbOperazioni->addWidget(udNumFoto);
  NuovoPulsante(tbOperazioni, QStringLiteral("NumFoto"), QStringLiteral("Assegna il numero di fotografie"));
  tbOperazioni->addSeparator();
  cmbRidimensiona = new QComboBox(&finestra_);
  cmbRidimensiona->setObjectName(QStringLiteral("cmbRidimensiona"));
  cmbRidimensiona->setAccessibleName(QStringLiteral("Tipo di ridimensionamento"));
  cmbRidimensiona->setToolTip(QStringLiteral("Tipo di ridimensionamento"));
  // Sized by its entries before the first show too: the splitter's place depends on it.
  cmbRidimensiona->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  tbOperazioni->addWidget(cmbRidimensiona);
  NuovoPulsante(tbOperazioni, QStringLiteral("Ridimensiona"), QStringLiteral("Assegna il tipo ridimensionamento"));
  tbOperazioni->addSeparator();
  NuovoPulsante(tbOperazioni, QStringLiteral("C8"), QStringLiteral("Crea cartella da consegnare al fotografo"));
  NuovoPulsante(tbOperazioni, QStringLiteral("FTP"), QStringLiteral("Paga ed invia le fotografie tramite internet"));

  sepNumFotoFormato_ = NuovoSeparatore(QStringLiteral("sepNumFotoFormato"));
  fvFotoFormato = new ctrFotoView(percorsi_, &finestra_);
  fvFotoFormato->setObjectName(QStringLiteral("fvFotoFormato"));
  fvFotoFormato->setAccessibleName(QStringLiteral("Fotografie del Velistra"));
  fvFotoFormato->Aspetto().ImpostaMostraNumeroFoto(true);
  fvFotoFormato->Aspetto().ImpostaMostraFormatoFotografico(true);
}

void ControlliScegliFoto::CreaBarraStato() {
  sbStato = new QStatusBar(&finestra_);
  sbStato->setObjectName(QStringLiteral("sbStato"));
  sbStato->setAccessibleName(QStringLiteral("Stato"));
  auto* scorrimento = new QWidget(sbStato);
  scorrimento->setObjectName(QStringLiteral("Scroll"));
  scorrimento->setAccessibleName(QStringLiteral("Avanzamento"));
  pbAvanzamento = new QProgressBar(scorrimento);
  pbAvanzamento->setObjectName(QStringLiteral("pbAvanzamento"));
  pbAvanzamento->setAccessibleName(QStringLiteral("Avanzamento dell'operazione"));
  pbAvanzamento->setTextVisible(false);
  pbAvanzamento->setValue(0);
  // The bar lies over its panel, one pixel short of the right edge.
  auto* riga = new QHBoxLayout(scorrimento);
  riga->setContentsMargins(0, 3, 1, 1);
  riga->addWidget(pbAvanzamento);
  pannelloConteggio = new PannelloSfumato(QStringLiteral("Conteggio"), sbStato);
  pannelloCosto = new PannelloSfumato(QStringLiteral("Costo"), sbStato);
  pannelloCosto->setToolTip(kDettaglioPrezzo);
  pannelloCosto->setCursor(Qt::PointingHandCursor);
  sbStato->addWidget(scorrimento, 2);
  sbStato->addWidget(pannelloConteggio, 1);
  sbStato->addWidget(pannelloCosto, 1);
}

void ControlliScegliFoto::Prepara(int posizioneDivisore) {
  fvFotoCartella->setpicPreview(picZoom);
  fvFotoFormato->setpicPreview(picZoom);
  ColoreBarraProgresso(pbAvanzamento, kSfumaturaDestra);
  ColoreSfondoProgresso(pbAvanzamento, kSfumaturaSinistra);
  for (SelettoreFormato* selettore : {selettoreCopia, selettoreFoto, selettoreOperazioni})
    selettore->CambiaToolTipFormatoAmatoriale(selettore->casella());
  // Placed once the lists are filled: their widths decide where the splitter fits.
  picResizer2->ImpostaPosizioneScelta(posizioneDivisore);
  Disponi();
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

void ControlliScegliFoto::Disponi() {
  const int H = finestra_.height();
  const int W = finestra_.width();
  const int S = sbStato->sizeHint().height();
  Colloca(sbStato, 0, H - S, W, S);

  const int sinistra = LarghezzaColonnaSinistra(W);
  Colloca(ftvFile, kSpazio, kSpazio, sinistra, H - S - picZoom->height() - 6);
  Colloca(picZoom, kSpazio, ftvFile->y() + ftvFile->height() + kSpazio, sinistra, picZoom->height());
  Colloca(picResizer1, picZoom->x() + picZoom->width() + kSpazio, kSpazio, picResizer1->width(), H - S - 4);

  const int destraResizer1 = picResizer1->x() + picResizer1->width();
  MisureColonne misure;
  misure.inizioCentrale = destraResizer1 + kSpazio;
  misure.minimoCentrale = LarghezzaRichiesta({lblTitoloFotoCartella, tbCartella});
  misure.minimoDestra = LarghezzaRichiesta({lblTitoloFotoFormato, tbGruppo, tbOperazioni});
  misure.larghezzaDivisore = picResizer2->width();
  picResizer2->AdattaALarghezza(W, misure);

  Impila({lblTitoloFotoCartella, tbCartella, selettoreCopia->etichetta(), sepNumFotoDir_, fvFotoCartella},
         misure.inizioCentrale, picResizer2->x() - destraResizer1 - 4, H - S - kSpazio);

  Colloca(picResizer2, picResizer2->x(), kSpazio, picResizer2->width(), H - S - 4);

  const int destraResizer2 = picResizer2->x() + picResizer2->width();
  Impila({lblTitoloFotoFormato, tbGruppo, selettoreFoto->etichetta(), tbOperazioni,
          selettoreOperazioni->etichetta(), sepNumFotoFormato_, fvFotoFormato},
         destraResizer2 + kSpazio, W - destraResizer2 - 4, H - S - kSpazio);
}

void ControlliScegliFoto::Abilita(bool valore, bool alberoUsabile, bool dietroFinestraModale) {
  if (dietroFinestraModale) valore = alberoUsabile = false;
  for (QToolBar* barra : {tbCartella, tbGruppo})
    Pulsante(barra, QStringLiteral("Annulla"))->setEnabled(!dietroFinestraModale);
  ftvFile->setEnabled(valore || alberoUsabile);
  fvFotoCartella->Aspetto().ImpostaEnabled(valore);
  fvFotoFormato->Aspetto().ImpostaEnabled(valore);
  picResizer2->setEnabled(valore);
  const QStringList annulla{QStringLiteral("Annulla")};
  AbilitaPulsantiToolbar(tbCartella, valore, annulla);
  AbilitaPulsantiToolbar(tbGruppo, valore, annulla);
  AbilitaPulsantiToolbar(tbOperazioni, valore);
  selettoreOperazioni->lista()->setEnabled(valore);
  selettoreCopia->lista()->setEnabled(valore);
  cmbRidimensiona->setEnabled(valore);
  txtNumFoto->setEnabled(valore);
  udNumFoto->setEnabled(valore);
  selettoreFoto->lista()->setEnabled(valore && FiltroPremuto());
  // A check box changed mid-operation would refill its list and could reload a view.
  for (SelettoreFormato* selettore : {selettoreCopia, selettoreFoto, selettoreOperazioni})
    selettore->casella()->setEnabled(valore);
}

bool ControlliScegliFoto::FiltroPremuto() const { return Pulsante(tbGruppo, QStringLiteral("Filtro"))->isChecked(); }

QString ControlliScegliFoto::FormatoVista() const {
  return FiltroPremuto() ? selettori_.Foto().formato() : QString();
}

void ControlliScegliFoto::MostraConteggio(int k, int n) {
  pannelloConteggio->Disegna(QStringLiteral("Foto: %1/%2").arg(TestoIntero(k), TestoIntero(n)), kSfumaturaSinistra,
                             kSfumaturaDestra);
}

void ControlliScegliFoto::MostraImporto(const QString& importoEuro) {
  pannelloCosto->Disegna(importoEuro, kSfumaturaSinistra, kSfumaturaDestra);
}

void ControlliScegliFoto::MostraNumeroFotoCartella(int numero) { MostraNumeroFoto(sepNumFotoDir_, numero); }

void ControlliScegliFoto::MostraNumeroFotoFormato(int numero) { MostraNumeroFoto(sepNumFotoFormato_, numero); }

void ControlliScegliFoto::MostraVoci(const QString& formato, int voci, int vociTotali) {
  const QString vista = FormatoVista();
  if (vista.isEmpty())
    MostraNumeroFotoFormato(vociTotali);
  else if (vista == formato)
    MostraNumeroFotoFormato(voci);
}

void ControlliScegliFoto::MostraAlbumNuovo() {
  fvFotoFormato->CancellaThumbs();
  MostraNumeroFotoFormato(0);
  MostraConteggio(0, 0);
}
