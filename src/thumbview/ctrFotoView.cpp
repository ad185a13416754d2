#include "thumbview/ctrFotoView.h"

#include <QCheckBox>
#include <QFrame>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>
#include <limits>
#include <optional>

#include "thumbview/CaselleSelezione.h"
#include "thumbview/Didascalie.h"
#include "thumbview/GeometriaThumb.h"
#include "thumbview/LivelloImmagine.h"
#include "thumbview/SuperficieDisegno.h"
#include "thumbview/VistaAccessibile.h"

namespace {
constexpr int kLarghezzaBarra = 17;
constexpr int kAltoImmagineInCella = 18;
constexpr int kPrioritaPagina = 1;
constexpr int kPrioritaPaginaSeguente = 0;

QFont CarattereDa(const QFont& origine, int pixel) {
  QFont carattere(origine.family());
  carattere.setPixelSize(pixel);
  return carattere;
}
}  // namespace

ctrFotoView::ctrFotoView(const PercorsiProgramma& percorsi, QWidget* genitore)
    : QWidget(genitore),
      percorsoNonDisponibile_(percorsi.PercorsoNonDisponibile),
      picFrame_(new QFrame(this)),
      picSlide_(new SuperficieDisegno(picFrame_)),
      vsbSlide_(new QScrollBar(Qt::Vertical, picFrame_)),
      chkFotoSelezionata_(new CaselleSelezione(picSlide_)),
      aspetto_(*this, *picSlide_),
      spunte_(*this, thumbs_, *chkFotoSelezionata_,
              {[this] { DopoRimozione(); }, [this] { RidisegnaModificate(); },
               [this] { AggiornaAnteprima(); }}) {
  InstallaAccessibilitaVista();
  setAccessibleName(QStringLiteral("Miniature delle fotografie"));
  setFocusPolicy(Qt::StrongFocus);
  picFrame_->setObjectName(QStringLiteral("picFrame"));
  picFrame_->setFrameShape(QFrame::NoFrame);
  picSlide_->setObjectName(QStringLiteral("picSlide"));
  picSlide_->setAccessibleName(QStringLiteral("Miniature"));
  picSlide_->setMouseTracking(true);
  picSlide_->installEventFilter(this);
  vsbSlide_->setObjectName(QStringLiteral("vsbSlide"));
  vsbSlide_->setAccessibleName(QStringLiteral("Scorrimento delle miniature"));
  vsbSlide_->setMinimum(0);
  vsbSlide_->setSingleStep(1);
  vsbSlide_->resize(kLarghezzaBarra, vsbSlide_->height());
  connect(vsbSlide_, &QScrollBar::valueChanged, this, [this] { Esegui_vsbSlideChange(); });
  connect(&decodifica_, &CodaDecodifica::copiaAttesa, this,
          [this](const QString& percorso, const ImmagineRidotta& copia) { CopiaArrivata(percorso, copia); });

  inizializzato_ = true;
  caratteriDidascalia_ = CarattereDa(font(), kAltezzaCarattereDidascalia);
  aspetto_.ImpostaBackColor(palette().color(QPalette::Base));
  CancellaThumbs();
  scorrimentoAttivo_ = true;
}

ctrFotoView::~ctrFotoView() {
  CancellaThumbs();
  inizializzato_ = false;
}

bool ctrFotoView::ThumbVisibile(int NumThumb) const {
  return primaVisibile_ <= NumThumb && NumThumb <= ultimaVisibile_;
}

void ctrFotoView::CalcolaColonne() {
  numeroColonne_ = ::CalcolaColonne(picSlide_->width(), picFrame_->contentsRect().width());
}

void ctrFotoView::AggiornaScorrimento(int n) {
  const int massimo = MassimoScorrimento(n, numeroColonne_, picSlide_->height(), aspetto_.AltezzaCella());
  scorrimentoAttivo_ = false;
  vsbSlide_->setMaximum(massimo);
  vsbSlide_->setPageStep(std::max(1, picSlide_->height() / (aspetto_.AltezzaCella() + 6)));
  scorrimentoAttivo_ = true;
}

void ctrFotoView::CalcolaThumbVisibili() {
  const PaginaThumb pagina = CalcolaPagina(vsbSlide_->value(), numeroColonne_, picSlide_->height(),
                                           aspetto_.AltezzaCella(), TotFile());
  primaVisibile_ = pagina.prima;
  ultimaVisibile_ = pagina.ultima;
}

bool ctrFotoView::AggiungiThumbs(const QString& NomeFileCompleto, bool Disegna,
                                 const QString& NomeFileToolTip, std::int16_t NumeroFoto,
                                 const QString& FormatoFotografico,
                                 const QString& Ridimensionamento) {
  if (caricamentoInCorso_ || NomeFileCompleto.isEmpty()) return false;
  caricamentoInCorso_ = true;
  AllineaRapporto();
  const int i = TotFile();
  DatiThumb thumb =
      ElencoThumbs::Nuova(NomeFileCompleto, NomeFileToolTip, NumeroFoto, FormatoFotografico, Ridimensionamento);
  if (ThumbVisibile(i) && !PreparaCellaNuova(thumb, i)) {
    caricamentoInCorso_ = false;
    return false;
  }
  thumbs_.Aggiungi(std::move(thumb));
  if (Disegna) DisegnaThumb(i - primaVisibile_, i);
  CalcolaThumbVisibili();
  AggiornaScorrimento(TotFile());
  caricamentoInCorso_ = false;
  return true;
}

bool ctrFotoView::PreparaCellaNuova(DatiThumb& thumb, int i) {
  const QString percorso = thumb.PercorsoCompleto();
  // Only the header is read here; the picture is decoded in a task.
  if (!ImmagineLeggibile(percorso)) return false;
  std::optional<ImmagineRidotta> copia = decodifica_.Chiedi(percorso, kPrioritaPagina);
  if (copia && copia->stato != kStatoRiuscito) return false;
  if (copia) ElencoThumbs::ImpostaCopia(thumb, std::move(*copia));
  // A folder is usually added file after file in name order: while the page
  // has room, the tasks start on the files that follow this one.
  const PaginaThumb piena = CalcolaPagina(vsbSlide_->value(), numeroColonne_, picSlide_->height(),
                                          aspetto_.AltezzaCella(), std::numeric_limits<int>::max());
  for (const QString& seguente : elencoAnticipato_.Seguenti(percorso, piena.ultima - i))
    decodifica_.Anticipa(seguente, kPrioritaPagina);
  return true;
}

void ctrFotoView::DisegnaThumb(int posizione, int indice) {
  if (!ThumbVisibile(indice) || indice >= TotFile()) return;
  DatiThumb& thumb = thumbs_[indice];
  SenzaCopia senzaCopia = SenzaCopia::InArrivo;
  if (thumb.Miniatura.isNull()) {
    if (std::optional<ImmagineRidotta> copia = decodifica_.Chiedi(thumb.PercorsoCompleto(), kPrioritaPagina)) {
      if (copia->stato == kStatoRiuscito) ElencoThumbs::ImpostaCopia(thumb, std::move(*copia));
      senzaCopia = SenzaCopia::NonDisponibile;
    }
  }
  DisegnaCella(posizione, indice, senzaCopia);
}

void ctrFotoView::DisegnaCella(int posizione, int indice, SenzaCopia senzaCopia) {
  DatiThumb& thumb = thumbs_[indice];
  QCheckBox* casella = chkFotoSelezionata_->Casella(indice);
  const RettangoliCella r =
      CalcolaRettangoliCella(posizione, numeroColonne_, aspetto_.AltezzaCella(), casella->width());
  {
    QPainter superficie(&picSlide_->immagine());
    ImpostaQualita(superficie, QualitaVelocita, QualitaVelocita);
    ContornaRettangolo(superficie, r.cella, coloreDidascalia_);
    DisegnaTesto(superficie, r.riga1, thumb.NomeFileToolTip, caratteriDidascalia_,
                 coloreDidascalia_, false);
    if (aspetto_.MostraNumeroFoto())
      DisegnaTesto(superficie, r.riga2, TestoNumeroFoto(thumb), caratteriDidascalia_,
                   coloreDidascalia_, false);
    const int altoImmagine = r.alto + kAltoImmagineInCella;
    thumb.AreaSegnoQualita = QRect();
    if (!thumb.Miniatura.isNull()) {
      const QRect immagine(SinistraImmagineInCella(r.sinistra, thumb.LarghezzaMiniatura), altoImmagine,
                           thumb.LarghezzaMiniatura, thumb.AltezzaMiniatura);
      superficie.drawImage(immagine.topLeft(), thumb.Miniatura);
      if (const std::optional<AvvisoQualita> avviso = AvvisoThumb(indice)) {
        thumb.AreaSegnoQualita = RettangoloSegnoQualita(immagine);
        DisegnaSegnoQualita(superficie, thumb.AreaSegnoQualita, avviso->livello);
      }
    } else if (senzaCopia == SenzaCopia::NonDisponibile)
      DisegnaSegnaposto(superficie, r.sinistra, altoImmagine);
    if (aspetto_.MostraFormatoFotografico())
      DisegnaTesto(superficie, r.riga3, TestoFormatoFotografico(thumb), caratteriDidascalia_,
                   coloreDidascalia_, true);
  }
  thumb.AreaCella = r.cella;
  casella->setChecked(thumb.Selezionata == 1);
  casella->move(r.sinistra + 2, r.alto + 2);
  casella->setToolTip(thumb.PercorsoCompleto());
  casella->setAccessibleName(thumb.PercorsoCompleto());
  casella->show();
  casella->raise();
  vsbSlide_->show();
  picSlide_->show();
  picSlide_->Aggiorna();
}

std::optional<CartaStampa> ctrFotoView::CartaThumb(const DatiThumb& thumb) const {
  if (!cartaStampa_) return std::nullopt;
  return cartaStampa_(thumb.FormatoFotografico, thumb.Ridimensionamento);
}

std::optional<AvvisoQualita> ctrFotoView::AvvisoThumb(int indice) const {
  if (indice < 0 || indice >= TotFile()) return std::nullopt;
  const DatiThumb& thumb = thumbs_[indice];
  if (thumb.MisuraOriginale.isEmpty()) return std::nullopt;
  return ValutaAvviso(thumb.MisuraOriginale, CartaThumb(thumb));
}

void ctrFotoView::RidisegnaPagina() {
  if (caricamentoInCorso_ || TotFile() == 0) return;
  NascondiPagina();
  DisegnaThumbTutto(primaVisibile_);
  AggiornaAnteprima();
}

void ctrFotoView::DisegnaSegnaposto(QPainter& superficie, int sinistraCella, int altoImmagine) {
  QImage segnaposto;
  if (ApriImmagine(percorsoNonDisponibile_, segnaposto) != kStatoRiuscito) return;
  superficie.drawImage(SinistraImmagineInCella(sinistraCella, segnaposto.width()), altoImmagine,
                       segnaposto);
}

// A copy a cell waits for: every record of that file takes it, and the cells
// drawn without it are drawn again whole.
void ctrFotoView::CopiaArrivata(const QString& percorso, const ImmagineRidotta& copia) {
  for (const int i : thumbs_.AssegnaCopia(percorso, copia)) {
    const QRect cella = thumbs_[i].AreaCella;
    if (cella.isEmpty() || !ThumbVisibile(i)) continue;
    {
      QPainter superficie(&picSlide_->immagine());
      // The outline covers the right and bottom edge too.
      superficie.fillRect(cella.adjusted(0, 0, 1, 1), Qt::white);
    }
    DisegnaCella(i - primaVisibile_, i, SenzaCopia::NonDisponibile);
  }
}

void ctrFotoView::AnticipaDecodifica(int da, int a, int priorita) {
  for (int i = std::max(0, da); i <= std::min(a, TotFile() - 1); ++i)
    if (thumbs_[i].Miniatura.isNull())
      decodifica_.Anticipa(thumbs_[i].PercorsoCompleto(), priorita);
}

// Copies are made at the pixel ratio of the screen the grid is on.
void ctrFotoView::AllineaRapporto() { decodifica_.ImpostaRapporto(picSlide_->devicePixelRatioF()); }

bool ctrFotoView::DisegnaThumbTutto(int PrimaThumb) {
  if (PrimaThumb == -1) PrimaThumb = primaVisibile_;
  if (caricamentoInCorso_) return false;
  caricamentoInCorso_ = true;
  AllineaRapporto();
  const int ultimaDaDisegnare = std::min(ultimaVisibile_, TotFile() - 1);
  // Both cores decode this page while the cells are drawn in order, then the
  // next page ahead of the scrolling.
  AnticipaDecodifica(PrimaThumb, ultimaDaDisegnare, kPrioritaPagina);
  for (int k = 0;; ++k) {
    const int i = PrimaThumb + k;
    if (i >= TotFile() || !ThumbVisibile(i)) break;
    DisegnaThumb(k, i);
  }
  const int pagina = ultimaVisibile_ - primaVisibile_ + 1;
  AnticipaDecodifica(ultimaDaDisegnare + 1, ultimaDaDisegnare + pagina, kPrioritaPaginaSeguente);
  MostraFuoco();
  caricamentoInCorso_ = false;
  return true;
}

void ctrFotoView::PulisciSuperficie() {
  QPainter superficie(&picSlide_->immagine());
  ::PulisciSuperficie(superficie, Qt::white);
  superficie.end();
  picSlide_->Aggiorna();
}

void ctrFotoView::NascondiPagina(PaginaThumb pagina) {
  PulisciSuperficie();
  for (int i = pagina.prima; i <= std::min(pagina.ultima, TotFile() - 1); ++i) {
    chkFotoSelezionata_->Nascondi(i);
    thumbs_[i].AreaCella = QRect();
  }
}

void ctrFotoView::Esegui_vsbSlideChange() {
  if (!scorrimentoAttivo_) return;
  scorrimentoAttivo_ = false;
  NascondiPagina();
  CalcolaThumbVisibili();
  DisegnaThumbTutto(vsbSlide_->value() * numeroColonne_);
  scorrimentoAttivo_ = true;
}

void ctrFotoView::resizeEvent(QResizeEvent* evento) {
  QWidget::resizeEvent(evento);
  picFrame_->setGeometry(0, 0, width(), height());
  const QRect interno = picFrame_->contentsRect();
  const int larghezzaBarra = vsbSlide_->width();
  vsbSlide_->setGeometry(interno.width() - larghezzaBarra, 0, larghezzaBarra, interno.height());
  picSlide_->setGeometry(0, 0, std::max(0, interno.width() - larghezzaBarra), interno.height());

  const int colonnePrima = numeroColonne_;
  const PaginaThumb paginaPrima{primaVisibile_, ultimaVisibile_};
  CalcolaColonne();
  AggiornaScorrimento(TotFile());
  CalcolaThumbVisibili();
  if (paginaPrima.prima == primaVisibile_ && paginaPrima.ultima == ultimaVisibile_ &&
      colonnePrima == numeroColonne_)
    return;
  NascondiPagina(paginaPrima);
  DisegnaThumbTutto(primaVisibile_);
}

void ctrFotoView::CancellaThumbs() {
  PulisciSuperficie();
  decodifica_.Dimentica();
  elencoAnticipato_.Dimentica();
  thumbs_.Svuota();
  scorrimentoAttivo_ = false;
  picSlide_->hide();
  vsbSlide_->hide();
  vsbSlide_->setMaximum(0);
  vsbSlide_->setValue(0);
  scorrimentoAttivo_ = true;
  chkFotoSelezionata_->NascondiTutte();
  primaVisibile_ = 0;
  ultimaVisibile_ = 0;
  indiceFuoco_ = -1;
  MostraFuoco();
}
