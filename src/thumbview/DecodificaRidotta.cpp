#include "thumbview/DecodificaRidotta.h"

#include <QColorSpace>
#include <QFile>
#include <QImageIOHandler>
#include <QImageReader>
#include <algorithm>
#include <cmath>

#include "common/MisuraFoto.h"
#include "immagini/ColoreSRGB.h"
#include "immagini/FotoHeif.h"
#include "immagini/IccPng.h"
#include "thumbview/MiniaturaExif.h"

namespace {

using Trasformazioni = QImageIOHandler::Transformations;

constexpr double kTolleranzaProporzioni = 0.01;
// Below 50 Qt's JPEG decoder takes its fast DCT and plain upsampling: no loss
// that a picture a few hundred pixels wide could show.
constexpr int kQualitaLetturaRidotta = 49;

bool Ruotata(Trasformazioni t) { return t.testFlag(QImageIOHandler::TransformationRotate90); }

QImage Raddrizza(QImage immagine, Trasformazioni t) {
  if (t.testFlag(QImageIOHandler::TransformationMirror)) immagine = immagine.mirrored(true, false);
  if (t.testFlag(QImageIOHandler::TransformationFlip)) immagine = immagine.mirrored(false, true);
  if (Ruotata(t)) immagine = immagine.transformed(QTransform().rotate(90));
  return immagine;
}

// The embedded thumbnail serves when it covers the shown size and has the
// photo's proportions (cameras often pad a 3:2 photo into a 4:3 thumbnail).
bool MiniaturaAdatta(const QImage& miniatura, QSize salvata, QSize destinazione) {
  if (miniatura.isNull()) return false;
  const int latoLungo = std::max(miniatura.width(), miniatura.height());
  if (latoLungo < std::max(destinazione.width(), destinazione.height())) return false;
  const double attese = static_cast<double>(salvata.width()) / salvata.height();
  const double trovate = static_cast<double>(miniatura.width()) / miniatura.height();
  return std::abs(trovate - attese) <= attese * kTolleranzaProporzioni;
}

// The size libjpeg gives at the smallest power-of-two scale (down to 1/8) that
// still covers the destination, so Qt does no scaling of its own after it.
QSize ScalaDCT(QSize salvata, QSize destinazione) {
  int divisore = 8;
  while (divisore > 1) {
    const int w = (salvata.width() + divisore - 1) / divisore;
    const int h = (salvata.height() + divisore - 1) / divisore;
    if (w >= destinazione.width() && h >= destinazione.height()) return {w, h};
    divisore /= 2;
  }
  return salvata;
}

QSize InPixel(QSize misura, qreal rapporto) {
  return (QSizeF(misura) * rapporto).toSize().expandedTo(QSize(1, 1));
}

ImmagineRidotta Riuscita(QSize originale, const QImage& letta, QSize destinazione, qreal rapporto,
                         const QByteArray& iccFile = {}) {
  ImmagineRidotta risultato;
  risultato.stato = kStatoRiuscito;
  risultato.originale = originale;
  // Converted once shrunk: the colour transform then works on the thumbnail's pixels only.
  const QImage ridotta = FixedSize(letta, destinazione.width(), destinazione.height());
  risultato.immagine = InSRGB(ridotta, iccFile).convertToFormat(ridotta.format());
  risultato.immagine.setDevicePixelRatio(rapporto);
  return risultato;
}

// Qt drops a PNG profile it cannot use (a LUT one); only then is it read from the
// file, which starts at inizio.
QByteArray ProfiloScartato(QIODevice& dispositivo, qint64 inizio, const QImage& letta) {
  const QColorSpace spazio = letta.colorSpace();
  if (spazio.isValid() || !spazio.iccProfile().isEmpty() || !dispositivo.seek(inizio)) return {};
  return IccPng(dispositivo);
}

// HEIF has no reduced decode: its embedded thumbnail, else the whole picture.
ImmagineRidotta RidottaHeif(QIODevice& dispositivo, MisuraDestinazione misura, bool usaMiniaturaIncorporata,
                            qreal rapporto) {
  const FotoHeif foto(dispositivo);
  const QSize originale = foto.Misura();
  if (!foto.Aperta() || originale.isEmpty()) return {};
  const QSize destinazione = InPixel(misura(originale), rapporto);
  if (usaMiniaturaIncorporata) {
    const QImage miniatura = foto.Miniatura();
    if (MiniaturaAdatta(miniatura, originale, destinazione))
      return Riuscita(originale, miniatura, destinazione, rapporto);
  }
  const QImage intera = foto.Immagine();
  if (intera.isNull()) return {};
  return Riuscita(originale, intera, destinazione, rapporto);
}

}  // namespace

ImmagineRidotta DecodificaRidotta(QIODevice& dispositivo, MisuraDestinazione misura,
                                  bool usaMiniaturaIncorporata, qreal rapporto) {
  if (FotoHeif::Riconosce(dispositivo))
    return RidottaHeif(dispositivo, misura, usaMiniaturaIncorporata, rapporto);
  const qint64 inizio = dispositivo.pos();
  QImageReader lettore(&dispositivo);
  lettore.setAutoTransform(true);
  const QSize salvata = lettore.size();
  if (!lettore.canRead()) return {};
  const bool jpeg = lettore.format() == "jpeg";
  const Trasformazioni t = lettore.transformation();

  if (salvata.isValid() && !salvata.isEmpty()) {
    const QSize originale = MisuraDritta(lettore);
    const QSize destinazione = InPixel(misura(originale), rapporto);
    if (jpeg && usaMiniaturaIncorporata) {
      const qint64 posizione = dispositivo.pos();
      dispositivo.seek(inizio);
      const QImage miniatura = LeggiMiniaturaExif(dispositivo);
      dispositivo.seek(posizione);
      if (MiniaturaAdatta(miniatura, salvata, destinazione))
        return Riuscita(originale, Raddrizza(miniatura, t), destinazione, rapporto);
    }
    if (jpeg) {
      const QSize destinazioneSalvata = Ruotata(t) ? destinazione.transposed() : destinazione;
      lettore.setScaledSize(ScalaDCT(salvata, destinazioneSalvata));
      lettore.setQuality(kQualitaLetturaRidotta);
    }
    QImage letta;
    if (!lettore.read(&letta) || letta.isNull()) return {};
    return Riuscita(originale, letta, destinazione, rapporto, ProfiloScartato(dispositivo, inizio, letta));
  }

  QImage letta;
  if (!lettore.read(&letta) || letta.isNull()) return {};
  return Riuscita(letta.size(), letta, InPixel(misura(letta.size()), rapporto), rapporto,
                  ProfiloScartato(dispositivo, inizio, letta));
}

ImmagineRidotta DecodificaRidotta(const QString& percorso, MisuraDestinazione misura,
                                  bool usaMiniaturaIncorporata, qreal rapporto) {
  QFile file(percorso);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return DecodificaRidotta(file, misura, usaMiniaturaIncorporata, rapporto);
}

bool ImmagineLeggibile(const QString& percorso) {
  QFile file(percorso);
  if (!file.open(QIODevice::ReadOnly)) return false;
  if (FotoHeif::Riconosce(file)) return true;
  QImageReader lettore(&file);
  return lettore.canRead();
}
