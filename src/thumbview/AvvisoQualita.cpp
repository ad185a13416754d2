#include "thumbview/AvvisoQualita.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "common/NumeriCliente.h"

namespace {
constexpr int kLatoSegno = 14;
constexpr int kMargineSegno = 2;
}  // namespace

std::optional<AvvisoQualita> ValutaAvviso(QSize foto, const std::optional<CartaStampa>& carta) {
  if (!carta) return std::nullopt;
  const QualitaStampa qualita = ValutaStampa(foto, *carta);
  if (qualita.livello == LivelloQualita::Buona) return std::nullopt;
  return AvvisoQualita{qualita.livello,
                       QStringLiteral("Risoluzione bassa per il formato %1: %2 dpi (consigliati almeno %3).")
                           .arg(carta->formato, TestoIntero(qualita.puntiPerPollice),
                                TestoIntero(kDpiConsigliati))};
}

QColor ColoreAvviso(LivelloQualita livello) {
  return livello == LivelloQualita::Scarsa ? QColor(210, 30, 30) : QColor(245, 160, 0);
}

QRect RettangoloSegnoQualita(const QRect& immagine) {
  const int lato = std::min({kLatoSegno, immagine.width(), immagine.height()});
  return {immagine.right() + 1 - kMargineSegno - lato, immagine.top() + kMargineSegno, lato, lato};
}

void DisegnaSegnoQualita(QPainter& superficie, const QRect& segno, LivelloQualita livello) {
  superficie.save();
  superficie.setRenderHint(QPainter::Antialiasing, true);
  // A warning triangle with a white rim, readable on any photo.
  QPainterPath triangolo;
  const QRectF r(segno);
  triangolo.moveTo(r.center().x(), r.top());
  triangolo.lineTo(r.right(), r.bottom());
  triangolo.lineTo(r.left(), r.bottom());
  triangolo.closeSubpath();
  superficie.setPen(QPen(Qt::white, 1.5));
  superficie.setBrush(ColoreAvviso(livello));
  superficie.drawPath(triangolo);
  const double x = r.center().x();
  superficie.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::FlatCap));
  superficie.drawLine(QPointF(x, r.top() + r.height() * 0.35), QPointF(x, r.top() + r.height() * 0.68));
  superficie.drawPoint(QPointF(x, r.top() + r.height() * 0.84));
  superficie.restore();
}
