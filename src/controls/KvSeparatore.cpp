#include "controls/KvSeparatore.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>

#include "controls/KvBorsaProprieta.h"
#include "controls/KvGeometria.h"

namespace {
const QColor kGrigioScuro(0x7F, 0x7F, 0x7F);
const QColor kBianco(0xFF, 0xFF, 0xFF);
const QString kCaptionPredefinita = QStringLiteral("Testo");
const QVariant kBorderStylePredefinito = QVariant::fromValue<qint16>(0);
const QVariant kBackStylePredefinito = QVariant::fromValue<qint16>(1);
}  // namespace

KvSeparatore::KvSeparatore(QWidget* genitore)
    : KvSuperficie(genitore), lblTesto_(new QLabel(this)) {
  lblTesto_->setObjectName(QStringLiteral("lblTesto"));
  // The caption hides the rule behind it.
  lblTesto_->setAutoFillBackground(true);
  lblTesto_->setBackgroundRole(QPalette::Button);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  CaptionCambiata();
}

QFont KvSeparatore::Font() const { return lblTesto_->font(); }

void KvSeparatore::changeEvent(QEvent* evento) {
  KvSuperficie::changeEvent(evento);
  if (evento->type() != QEvent::FontChange) return;
  // The label has its new font by now. A font merely inherited from the
  // window is not the control's own change.
  if (testAttribute(Qt::WA_SetFont)) RegistraCambiamento(QStringLiteral("Font"));
  lblTesto_->adjustSize();
  AggiornaDimensione();
}

QString KvSeparatore::Caption() const { return lblTesto_->text(); }

void KvSeparatore::setCaption(const QString& testo) {
  lblTesto_->setText(testo);
  RegistraCambiamento(QStringLiteral("Caption"));
  CaptionCambiata();
}

void KvSeparatore::CaptionCambiata() {
  lblTesto_->setVisible(!lblTesto_->text().isEmpty());
  lblTesto_->adjustSize();
  AggiornaDimensione();
}

void KvSeparatore::AggiornaDimensione() {
  const KvGeometriaSeparatore g = CalcolaGeometriaSeparatore(
      TwipDaPixel(width()), !lblTesto_->isHidden(), TwipDaPixel(lblTesto_->width()),
      TwipDaPixel(lblTesto_->height()));
  lineaGrigioScuro_ = g.lineaGrigioScuro;
  lineaBianca_ = g.lineaBianca;
  // The resize this causes lays the control out again, to the same result.
  const int altezza = PixelDaTwip(g.altezza);
  if (height() != altezza || minimumHeight() != altezza) setFixedHeight(altezza);
  if (!lblTesto_->isHidden()) lblTesto_->move(PixelDaTwip(g.sinistraTesto), 0);
  update();
}

QFont KvSeparatore::FontAmbiente() const {
  return parentWidget() ? parentWidget()->font() : QApplication::font();
}

void KvSeparatore::InizializzaProprieta() {
  setFont(FontAmbiente());
  setCaption(kCaptionPredefinita);
}

void KvSeparatore::LeggiProprieta(const KvBorsaProprieta& b) {
  setFont(b.Leggi(QStringLiteral("Font"), FontAmbiente()).value<QFont>());
  lblTesto_->setText(b.Leggi(QStringLiteral("Caption"), kCaptionPredefinita).toString());
  CaptionCambiata();
  ImpostaBorderStyle(static_cast<qint16>(b.Leggi(QStringLiteral("BorderStyle"), kBorderStylePredefinito).toInt()));
  setBackStyle(static_cast<qint16>(b.Leggi(QStringLiteral("BackStyle"), kBackStylePredefinito).toInt()));
}

void KvSeparatore::ScriviProprieta(KvBorsaProprieta& b) const {
  b.Scrivi(QStringLiteral("Font"), Font(), FontAmbiente());
  b.Scrivi(QStringLiteral("Caption"), Caption(), kCaptionPredefinita);
  b.Scrivi(QStringLiteral("BorderStyle"), QVariant::fromValue<qint16>(BorderStyle()), kBorderStylePredefinito);
  b.Scrivi(QStringLiteral("BackStyle"), QVariant::fromValue<qint16>(BackStyle()), kBackStylePredefinito);
}

QSize KvSeparatore::sizeHint() const {
  return {lblTesto_->isHidden() ? 0 : lblTesto_->width(), height()};
}

void KvSeparatore::resizeEvent(QResizeEvent* evento) {
  KvSuperficie::resizeEvent(evento);
  AggiornaDimensione();
}

void KvSeparatore::paintEvent(QPaintEvent*) {
  QPainter pittore(this);
  DisegnaSuperficie(pittore);
  pittore.setPen(QPen(kGrigioScuro, 0));
  pittore.drawLine(LineaInPixel(lineaGrigioScuro_));
  pittore.setPen(QPen(kBianco, 0));
  pittore.drawLine(LineaInPixel(lineaBianca_));
}
