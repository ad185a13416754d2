#include "thumbview/LivelloImmagine.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImageReader>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>
#include <memory>
#include <vector>

#include "common/ScritturaAtomica.h"

namespace {
constexpr double kPolliciPerMetro = 39.37007874015748;
constexpr int kCarattereMinimo = 8;

QStringList RigheDelTesto(const QString& testo) {
  return QString(testo)
      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
      .split(QLatin1Char('\n'));
}

// The paragraphs laid out from the top of a box of that width; gives the height used.
qreal Impagina(const QStringList& paragrafi, const QFont& carattere,
               const QPaintDevice* dispositivo, qreal larghezza,
               std::vector<std::unique_ptr<QTextLayout>>& impaginati) {
  impaginati.clear();
  QTextOption opzioni;
  opzioni.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  qreal y = 0;
  for (const QString& paragrafo : paragrafi) {
    auto impaginato = std::make_unique<QTextLayout>(paragrafo, carattere, dispositivo);
    impaginato->setTextOption(opzioni);
    impaginato->beginLayout();
    for (QTextLine riga = impaginato->createLine(); riga.isValid();
         riga = impaginato->createLine()) {
      riga.setLineWidth(larghezza);
      riga.setPosition(QPointF(0, y));
      y += riga.height();
    }
    impaginato->endLayout();
    impaginati.push_back(std::move(impaginato));
  }
  return y;
}
}  // namespace

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

void ImpostaRisoluzione(QImage& immagine, double dpiOrizzontale, double dpiVerticale) {
  immagine.setDotsPerMeterX(qRound(dpiOrizzontale * kPolliciPerMetro));
  immagine.setDotsPerMeterY(qRound(dpiVerticale * kPolliciPerMetro));
}

bool SalvaJPEG(const QImage& immagine, const QString& percorso, int qualita) {
  QByteArray byte;
  QBuffer buffer(&byte);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter scrittore(&buffer, "jpeg");
  scrittore.setQuality(qualita);
  if (!scrittore.write(immagine)) return false;
  return ScriviFileAtomico(percorso, byte);
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

void DisegnaTestoACapo(QPainter& superficie, const QRectF& riquadro, const QString& testo,
                       const QFont& carattere, const QColor& colore) {
  const QStringList paragrafi = RigheDelTesto(testo);
  std::vector<std::unique_ptr<QTextLayout>> impaginati;
  QFont ridotto = carattere;
  while (Impagina(paragrafi, ridotto, superficie.device(), riquadro.width(), impaginati) >
             riquadro.height() &&
         ridotto.pixelSize() > kCarattereMinimo)
    ridotto.setPixelSize(ridotto.pixelSize() - 1);
  superficie.save();
  superficie.setPen(colore);
  for (const auto& impaginato : impaginati)
    for (int i = 0; i < impaginato->lineCount(); ++i) {
      const QTextLine riga = impaginato->lineAt(i);
      // A line that would cross the bottom is left out rather than cut.
      if (riga.y() + riga.height() > riquadro.height()) break;
      riga.draw(&superficie, riquadro.topLeft());
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
  QPainter superficie(&nuova);
  ImpostaQualita(superficie, QualitaPredefinita, QualitaPredefinita);
  superficie.drawImage(QPoint(0, 0), adattata);
  return nuova;
}
