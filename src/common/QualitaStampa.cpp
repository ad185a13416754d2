#include "common/QualitaStampa.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kCentimetriPerPollice = 2.54;
// 1500 pixels on 25.4 cm are 150 dpi, not 149.999...
constexpr double kTolleranza = 1e-9;
}  // namespace

std::optional<QSizeF> LeggiCentimetri(const QString& testo) {
  static const QRegularExpression forma(QStringLiteral(R"(^\s*(\d+(?:\.\d+)?)\s*x\s*(\d+(?:\.\d+)?)\s*$)"),
                                        QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch lati = forma.match(testo);
  if (!lati.hasMatch()) return std::nullopt;
  const double primo = lati.captured(1).toDouble();
  const double secondo = lati.captured(2).toDouble();
  if (primo <= 0 || secondo <= 0) return std::nullopt;
  return QSizeF(primo, secondo);
}

QSizeF CartaOrientata(QSizeF centimetri, QSize foto) {
  const bool fotoOrizzontale = foto.width() >= foto.height();
  const bool cartaOrizzontale = centimetri.width() >= centimetri.height();
  return fotoOrizzontale == cartaOrizzontale ? centimetri : centimetri.transposed();
}

int PuntiPerPollice(QSize foto, QSizeF centimetri, Adattamento adattamento) {
  if (foto.isEmpty() || centimetri.isEmpty()) return 0;
  const QSizeF carta = CartaOrientata(centimetri, foto);
  const double inLarghezza = foto.width() * kCentimetriPerPollice / carta.width();
  const double inAltezza = foto.height() * kCentimetriPerPollice / carta.height();
  // Covering the paper stretches the photo to the side that needs more; fitting inside, to the other.
  const double punti = adattamento == Adattamento::Contieni ? std::max(inLarghezza, inAltezza)
                                                            : std::min(inLarghezza, inAltezza);
  return static_cast<int>(std::floor(punti + kTolleranza));
}

LivelloQualita ClassificaQualita(int puntiPerPollice) {
  if (puntiPerPollice < kDpiMinimi) return LivelloQualita::Scarsa;
  if (puntiPerPollice < kDpiConsigliati) return LivelloQualita::Bassa;
  return LivelloQualita::Buona;
}

QualitaStampa ValutaStampa(QSize foto, const CartaStampa& carta) {
  if (foto.isEmpty() || carta.centimetri.isEmpty()) return {};
  const int punti = PuntiPerPollice(foto, carta.centimetri, carta.adattamento);
  return {ClassificaQualita(punti), punti};
}
