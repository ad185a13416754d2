#include "controls/KvContenitore.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/ColoreOle.h"
#include "controls/KvBorsaProprieta.h"
#include "controls/KvDatiTrascinamento.h"
#include "controls/KvGeometria.h"

namespace {

const QColor kNero(0x00, 0x00, 0x00);
const QColor kBianco(0xFF, 0xFF, 0xFF);
const QColor kGrigioScuro(0x7F, 0x7F, 0x7F);
const QColor kGrigioChiaro(0xDF, 0xDF, 0xDF);

constexpr int kStileIncavato = 2;
constexpr qint16 kPuntatorePersonale = 99;

// Colours of lines 0 to 7 for styles 2 to 4 (style 1 is black outer lines only).
const std::array<std::array<QColor, KvContenitore::kLineeBordo>, 3> kColoriStile = {{
    {kGrigioScuro, kNero, kBianco, kGrigioChiaro, kBianco, kGrigioChiaro, kGrigioScuro, kNero},
    {kGrigioChiaro, kBianco, kNero, kGrigioScuro, kNero, kGrigioScuro, kGrigioChiaro, kBianco},
    {kGrigioScuro, kBianco, kBianco, kGrigioScuro, kBianco, kGrigioScuro, kGrigioScuro, kBianco},
}};

bool LineaInterna(int indice) { return indice % 2 == 1; }

qint16 Pulsanti(Qt::MouseButtons pulsanti) {
  return static_cast<qint16>(pulsanti.toInt() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
}

qint16 Maiuscole(Qt::KeyboardModifiers tasti) {
  qint16 maschera = 0;
  if (tasti & Qt::ShiftModifier) maschera |= 1;
  if (tasti & Qt::ControlModifier) maschera |= 2;
  if (tasti & Qt::AltModifier) maschera |= 4;
  return maschera;
}

float InTwip(qreal pixel) { return static_cast<float>(pixel * kTwipPerPixel); }

constexpr qint32 kEffettiQt = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

// The drop action a handler's Effect allows, preferring the one proposed.
Qt::DropAction AzioneDaEffetto(qint32 effetto, Qt::DropAction proposta) {
  effetto &= kEffettiQt;
  if (effetto & proposta) return proposta;
  for (Qt::DropAction azione : {Qt::CopyAction, Qt::MoveAction, Qt::LinkAction})
    if (effetto & azione) return azione;
  return Qt::IgnoreAction;
}

Qt::CursorShape FormaPuntatore(qint16 puntatore) {
  switch (puntatore) {
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    case 5: case 15: return Qt::SizeAllCursor;
    case 6: return Qt::SizeBDiagCursor;
    case 7: return Qt::SizeVerCursor;
    case 8: return Qt::SizeFDiagCursor;
    case 9: return Qt::SizeHorCursor;
    case 10: return Qt::UpArrowCursor;
    case 11: return Qt::WaitCursor;
    case 12: return Qt::ForbiddenCursor;
    case 13: return Qt::BusyCursor;
    case 14: return Qt::WhatsThisCursor;
    default: return Qt::ArrowCursor;
  }
}

// A line of one pixel, without its end point, as the platform draws lines.
void DisegnaLinea(QPainter& pittore, const QLine& pixel) {
  const int dx = (pixel.x2() > pixel.x1()) - (pixel.x2() < pixel.x1());
  const int dy = (pixel.y2() > pixel.y1()) - (pixel.y2() < pixel.y1());
  if (dx == 0 && dy == 0) return;
  pittore.drawLine(pixel.p1(), pixel.p2() - QPoint(dx, dy));
}

}  // namespace

KvContenitore::KvContenitore(QWidget* genitore)
    : KvSuperficie(genitore), backColor_(kOleFacciaPulsante) {
  visibili_.fill(true);
  colori_ = kColoriStile[0];
}

void KvContenitore::setBackColor(uint colore) {
  backColor_ = colore;
  RegistraCambiamento(QStringLiteral("BackColor"));
  repaint();
}

void KvContenitore::changeEvent(QEvent* evento) {
  KvSuperficie::changeEvent(evento);
  if (evento->type() != QEvent::EnabledChange) return;
  // A window disabled around the control changes nothing of its own.
  const bool proprio = !testAttribute(Qt::WA_ForceDisabled);
  if (proprio == abilitatoProprio_) return;
  abilitatoProprio_ = proprio;
  RegistraCambiamento(QStringLiteral("Enabled"));
}

QList<QWidget*> KvContenitore::Controls() const {
  return findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

void KvContenitore::setOLEDropMode(qint16 modo) {
  oleDropMode_ = modo;
  setAcceptDrops(modo != 0);
}

void KvContenitore::setStile(int stile) {
  if (stile >= 0 && stile <= 4) stile_ = stile;
  ApplicaStile(stile_);
  RegistraCambiamento(QStringLiteral("Stile"));
  update();
}

void KvContenitore::ApplicaStile(int stile) {
  if (stile == 0) return;
  if (stile == 1) {
    for (int i = 0; i < kLineeBordo; ++i) {
      if (LineaInterna(i))
        visibili_[i] = false;
      else
        colori_[i] = kNero;
    }
    return;
  }
  colori_ = kColoriStile[stile - kStileIncavato];
  // The inner lines that flat hid come back, unless the holder hid the frame.
  visibili_.fill(bordoMostrato_);
}

void KvContenitore::VisualizzaBordo(bool visualizza) {
  bordoMostrato_ = visualizza;
  visibili_.fill(visualizza);
  update();
}

void KvContenitore::setMousePointer(qint16 puntatore) {
  mousePointer_ = puntatore;
  ApplicaPuntatore();
  RegistraCambiamento(QStringLiteral("MousePointer"));
}

void KvContenitore::setMouseIcon(const QPixmap& icona) {
  mouseIcon_ = icona;
  ApplicaPuntatore();
  RegistraCambiamento(QStringLiteral("MouseIcon"));
}

void KvContenitore::ApplicaPuntatore() {
  if (mousePointer_ == 0)
    unsetCursor();
  else if (mousePointer_ == kPuntatorePersonale)
    mouseIcon_.isNull() ? unsetCursor() : setCursor(QCursor(mouseIcon_));
  else
    setCursor(FormaPuntatore(mousePointer_));
}

KvContenitore::LineaBordo KvContenitore::Bordo(int indice) const {
  if (indice < 0 || indice >= kLineeBordo) return {};
  return {PosizioneLineaBordo(indice, TwipDaPixel(width()), TwipDaPixel(height())),
          colori_[indice], visibili_[indice]};
}

namespace {
const QVariant kBackColorPredefinito = QVariant::fromValue<uint>(kOleFacciaPulsante);
const QVariant kBackStylePredefinito = QVariant::fromValue<qint16>(1);
const QVariant kBorderStylePredefinito = QVariant::fromValue<qint16>(0);
const QVariant kEnabledPredefinito = true;
const QVariant kOLEDropModePredefinito = QVariant::fromValue<qint16>(0);
const QVariant kStilePredefinito = kStileIncavato;
const QVariant kMousePointerPredefinito = QVariant::fromValue<qint16>(0);
}  // namespace

void KvContenitore::InizializzaProprieta() { setStile(kStileIncavato); }

void KvContenitore::LeggiProprieta(const KvBorsaProprieta& b) {
  setBackColor(b.Leggi(QStringLiteral("BackColor"), kBackColorPredefinito).toUInt());
  setBackStyle(static_cast<qint16>(b.Leggi(QStringLiteral("BackStyle"), kBackStylePredefinito).toInt()));
  ImpostaBorderStyle(static_cast<qint16>(b.Leggi(QStringLiteral("BorderStyle"), kBorderStylePredefinito).toInt()));
  setEnabled(b.Leggi(QStringLiteral("Enabled"), kEnabledPredefinito).toBool());
  setOLEDropMode(static_cast<qint16>(b.Leggi(QStringLiteral("OLEDropMode"), kOLEDropModePredefinito).toInt()));
  setStile(b.Leggi(QStringLiteral("Stile"), kStilePredefinito).toInt());
  setMousePointer(static_cast<qint16>(b.Leggi(QStringLiteral("MousePointer"), kMousePointerPredefinito).toInt()));
  setMouseIcon(b.Leggi(QStringLiteral("MouseIcon"), QVariant()).value<QPixmap>());
}

void KvContenitore::ScriviProprieta(KvBorsaProprieta& b) const {
  b.Scrivi(QStringLiteral("BackColor"), QVariant::fromValue<uint>(backColor_), kBackColorPredefinito);
  b.Scrivi(QStringLiteral("BackStyle"), QVariant::fromValue<qint16>(BackStyle()), kBackStylePredefinito);
  b.Scrivi(QStringLiteral("BorderStyle"), QVariant::fromValue<qint16>(BorderStyle()), kBorderStylePredefinito);
  b.Scrivi(QStringLiteral("Enabled"), Enabled(), kEnabledPredefinito);
  b.Scrivi(QStringLiteral("OLEDropMode"), QVariant::fromValue<qint16>(oleDropMode_), kOLEDropModePredefinito);
  b.Scrivi(QStringLiteral("Stile"), stile_, kStilePredefinito);
  b.Scrivi(QStringLiteral("MousePointer"), QVariant::fromValue<qint16>(mousePointer_), kMousePointerPredefinito);
  // No picture is no value.
  b.Scrivi(QStringLiteral("MouseIcon"), mouseIcon_.isNull() ? QVariant() : QVariant::fromValue(mouseIcon_), QVariant());
}

QColor KvContenitore::ColoreSuperficie() const { return ColoreDaOle(backColor_, palette()); }

void KvContenitore::paintEvent(QPaintEvent*) {
  QPainter pittore(this);
  DisegnaSuperficie(pittore);
  for (int i = 0; i < kLineeBordo; ++i) {
    const LineaBordo linea = Bordo(i);
    if (!linea.visibile) continue;
    pittore.setPen(QPen(linea.colore, 0));
    DisegnaLinea(pittore, LineaInPixel(linea.posizione));
  }
}

void KvContenitore::mousePressEvent(QMouseEvent* e) {
  premuto_ = true;
  Q_EMIT MouseDown(Pulsanti(e->button()), Maiuscole(e->modifiers()), InTwip(e->position().x()),
                   InTwip(e->position().y()));
}

void KvContenitore::mouseMoveEvent(QMouseEvent* e) {
  Q_EMIT MouseMove(Pulsanti(e->buttons()), Maiuscole(e->modifiers()), InTwip(e->position().x()),
                   InTwip(e->position().y()));
}

void KvContenitore::mouseReleaseEvent(QMouseEvent* e) {
  Q_EMIT MouseUp(Pulsanti(e->button()), Maiuscole(e->modifiers()), InTwip(e->position().x()),
                 InTwip(e->position().y()));
  const bool click = premuto_ && rect().contains(e->position().toPoint());
  premuto_ = false;
  if (click) Q_EMIT Click();
}

void KvContenitore::mouseDoubleClickEvent(QMouseEvent*) {
  // The second press of a double click is the double click itself.
  premuto_ = false;
  Q_EMIT DblClick();
}

void KvContenitore::dragEnterEvent(QDragEnterEvent* e) {
  if (oleDropMode_ == 0) return e->ignore();
  datiSopra_ = e->mimeData();
  qint32 effetto = static_cast<qint32>(e->possibleActions().toInt());
  Q_EMIT OLEDragOver(e->mimeData(), effetto, Pulsanti(e->buttons()), Maiuscole(e->modifiers()),
                     InTwip(e->position().x()), InTwip(e->position().y()), 0);
  // Accepted even when refused here, so that moves over the control still come.
  e->setDropAction(AzioneDaEffetto(effetto, e->proposedAction()));
  e->accept();
}

void KvContenitore::dragMoveEvent(QDragMoveEvent* e) {
  qint32 effetto = static_cast<qint32>(e->possibleActions().toInt());
  Q_EMIT OLEDragOver(e->mimeData(), effetto, Pulsanti(e->buttons()), Maiuscole(e->modifiers()),
                     InTwip(e->position().x()), InTwip(e->position().y()), 2);
  const Qt::DropAction azione = AzioneDaEffetto(effetto, e->proposedAction());
  if (azione == Qt::IgnoreAction) return e->ignore();
  e->setDropAction(azione);
  e->accept();
}

void KvContenitore::dragLeaveEvent(QDragLeaveEvent*) {
  qint32 effetto = 0;
  const QPoint qui = mapFromGlobal(QCursor::pos());
  Q_EMIT OLEDragOver(datiSopra_, effetto, 0, 0, InTwip(qui.x()), InTwip(qui.y()), 1);
  datiSopra_ = nullptr;
}

void KvContenitore::dropEvent(QDropEvent* e) {
  datiSopra_ = nullptr;
  qint32 effetto = static_cast<qint32>(e->possibleActions().toInt());
  Q_EMIT OLEDragDrop(e->mimeData(), effetto, Pulsanti(e->buttons()), Maiuscole(e->modifiers()),
                     InTwip(e->position().x()), InTwip(e->position().y()));
  const Qt::DropAction azione = AzioneDaEffetto(effetto, e->proposedAction());
  if (azione == Qt::IgnoreAction) return e->ignore();
  e->setDropAction(azione);
  e->accept();
}

void KvContenitore::OLEDrag() {
  auto* dati = new KvDatiTrascinamento(
      [this](KvDatiTrascinamento* d, qint16 formato) { Q_EMIT OLESetData(d, formato); });
  qint32 consentiti = Qt::CopyAction | Qt::MoveAction;
  Q_EMIT OLEStartDrag(dati, consentiti);
  const Qt::DropActions azioni = Qt::DropActions::fromInt(consentiti & kEffettiQt);
  qint32 effetto = 0;
  if (!azioni) {
    delete dati;
    Q_EMIT OLECompleteDrag(effetto);
    return;
  }
  auto* trascinamento = new QDrag(this);
  trascinamento->setMimeData(dati);
  connect(trascinamento, &QDrag::actionChanged, this, [this, trascinamento](Qt::DropAction azione) {
    qint32 effettoAttuale = azione;
    bool cursoriPredefiniti = true;
    Q_EMIT OLEGiveFeedback(effettoAttuale, cursoriPredefiniti);
    if (!cursoriPredefiniti && !mouseIcon_.isNull()) trascinamento->setDragCursor(mouseIcon_, azione);
  });
  effetto = trascinamento->exec(azioni);
  trascinamento->deleteLater();
  Q_EMIT OLECompleteDrag(effetto);
}
