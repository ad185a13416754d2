#include "thumbview/LivelloImmagine.h"

#include <QColorSpace>
#include <QFontMetricsF>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>

#include "common/TestoACapo.h"

int ApriImmagine(const QString& percorso, QImage& immagine) {
  QImageReader lettore(percorso);
  lettore.setAutoTransform(true);
  QImage letta;
  if (!lettore.read(&letta) || letta.isNull()) {
    immagine = QImage();
    return kStatoNonApribile;
  }
  immagine = std::move(letta);
  return kStatoRiuscito;
}

QImage NuovaImmagine(int larghezza, int altezza) {
  QImage immagine(larghezza, altezza, QImage::Format_RGB888);
  immagine.fill(Qt::white);
  return immagine;
}

void ImpostaQualita(QPainter& superficie, QualitaResa linee, QualitaResa immagini) {
  superficie.setRenderHint(QPainter::Antialiasing, linee == QualitaMassima);
  // Stretched pictures are smoothed unless speed is asked for, as by default.
  superficie.setRenderHint(QPainter::SmoothPixmapTransform, immagini != QualitaVelocita);
}

void PulisciSuperficie(QPainter& superficie, const QColor& colore) {
  const QRect tutto(0, 0, superficie.device()->width(), superficie.device()->height());
  superficie.fillRect(tutto, colore);
}

void ContornaRettangolo(QPainter& superficie, const QRect& rettangolo, const QColor& colore,
                        qreal spessore) {
  superficie.save();
  superficie.setPen(QPen(colore, spessore));
  superficie.setBrush(Qt::NoBrush);
  superficie.drawRect(rettangolo);
  superficie.restore();
}

void RiempiSfumato(QPainter& superficie, const QRect& rettangolo, const QColor& sinistra,
                   const QColor& destra) {
  QLinearGradient sfumatura(rettangolo.topLeft(), rettangolo.topRight());
  sfumatura.setColorAt(0, sinistra);
  sfumatura.setColorAt(1, destra);
  superficie.fillRect(rettangolo, sfumatura);
}

void DisegnaTesto(QPainter& superficie, const QRectF& riquadro, const QString& testo,
                  const QFont& carattere, const QColor& colore, bool centrato) {
  superficie.save();
  superficie.setFont(carattere);
  superficie.setPen(colore);
  // The metrics of the device painted on: a picture at 300 dpi is not the screen.
  const QFontMetricsF misure(carattere, superficie.device());
  superficie.setClipRect(riquadro.adjusted(0, 0, 0, misure.descent()));
  const Qt::Alignment allineamento = (centrato ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
  QRectF riga(riquadro.left(), riquadro.top(), riquadro.width(), misure.height());
  for (const QString& linea : RigheDelTesto(testo)) {
    if (riga.top() >= riquadro.bottom()) break;
    const QString visibile = misure.elidedText(linea, Qt::ElideRight, riquadro.width());
    superficie.drawText(riga, int(allineamento | Qt::TextSingleLine | Qt::TextDontClip), visibile);
    riga.translate(0, misure.lineSpacing());
  }
  superficie.restore();
}

QImage FixedSize(const QImage& immagine, int larghezza, int altezza) {
  const QSize misura(larghezza, altezza);
  // A palette picture is scaled in true colour: Qt scales a 1-bit one back to
  // black and white dots, whatever its two colours.
  const QImage piena = immagine.colorCount() == 0 ? immagine
                       : immagine.convertToFormat(immagine.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                               : QImage::Format_RGB32);
  // Area-averaging when shrinking: a bilinear stretch of a large picture aliases.
  const QImage adattata = piena.size() == misura ? piena
                                                 : piena.scaled(misura, Qt::IgnoreAspectRatio,
                                                                Qt::SmoothTransformation);
  if (!adattata.hasAlphaChannel()) return adattata.convertToFormat(QImage::Format_RGB888);
  QImage nuova = NuovaImmagine(larghezza, altezza);
  nuova.setColorSpace(adattata.colorSpace());
  QPainter superficie(&nuova);
  ImpostaQualita(superficie, QualitaPredefinita, QualitaPredefinita);
  superficie.drawImage(QPoint(0, 0), adattata);
  return nuova;
}
