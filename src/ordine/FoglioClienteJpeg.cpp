#include "ordine/FoglioClienteJpeg.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>

#include "common/ScritturaAtomica.h"
#include "common/TestoACapo.h"

namespace {
constexpr int kLarghezza = 640;
constexpr int kAltezza = 480;
constexpr int kPuntiPerMetro = 11811;  // 300 dpi
const QRectF kRiquadroTesto(10, 50, 620, 430);
const QColor kColoreTesto(50, 0, 255);
// About 2.7 mm on the 300 dpi sheet: the lab reads the customer's address off it.
constexpr int kAltezzaCarattere = 32;
constexpr int kQualitaJpeg = 90;

// The application's general family, which the desktop chose and which the
// lab has always read the sheet in.
QFont CarattereFoglio() {
  QFont carattere(QGuiApplication::font().family());
  carattere.setPixelSize(kAltezzaCarattere);
  return carattere;
}
}  // namespace

QImage DisegnaFoglioCliente(const QString& testo) {
  QImage foglio(kLarghezza, kAltezza, QImage::Format_RGB888);
  foglio.fill(Qt::white);
  foglio.setDotsPerMeterX(kPuntiPerMetro);
  foglio.setDotsPerMeterY(kPuntiPerMetro);
  QPainter superficie(&foglio);
  DisegnaTestoACapo(superficie, kRiquadroTesto, testo, CarattereFoglio(), kColoreTesto);
  return foglio;
}

bool ScriviFoglioClienteJpeg(const QString& percorso, const QString& testo) {
  QByteArray byte;
  QBuffer buffer(&byte);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter scrittore(&buffer, "jpeg");
  scrittore.setQuality(kQualitaJpeg);
  return scrittore.write(DisegnaFoglioCliente(testo)) && ScriviFileAtomico(percorso, byte);
}
