#include "immagini/ColoreSRGB.h"

#include <QColorTransform>
#include <QPointF>
#include <algorithm>
#include <array>
#include <cmath>

#include "immagini/ColoreLcms.h"

namespace {

struct Primari {
  int codice;
  QPointF bianco, rosso, verde, blu;
};

// Chromaticities of the H.273 colour primaries a photo may use.
constexpr QPointF kD65(0.3127, 0.3290);
const std::array<Primari, 5> kPrimari = {{
    {1, kD65, {0.640, 0.330}, {0.300, 0.600}, {0.150, 0.060}},             // BT.709 / sRGB
    {9, kD65, {0.708, 0.292}, {0.170, 0.797}, {0.131, 0.046}},             // BT.2020
    {11, {0.314, 0.351}, {0.680, 0.320}, {0.265, 0.690}, {0.150, 0.060}},  // DCI-P3
    {12, kD65, {0.680, 0.320}, {0.265, 0.690}, {0.150, 0.060}},            // Display P3
    {5, kD65, {0.640, 0.330}, {0.290, 0.600}, {0.150, 0.060}},             // BT.601 625
}};

struct Trasferimento {
  int codice;
  QColorSpace::TransferFunction funzione;
  float gamma;
};

// The transfer characteristics Qt can model; the BT.709 family is close
// enough to a 2.2 gamma at 8 bits for a thumbnail and a print.
constexpr std::array<Trasferimento, 8> kTrasferimenti = {{
    {13, QColorSpace::TransferFunction::SRgb, 0.0f},
    {8, QColorSpace::TransferFunction::Linear, 0.0f},
    {1, QColorSpace::TransferFunction::Gamma, 2.2f},
    {4, QColorSpace::TransferFunction::Gamma, 2.2f},
    {6, QColorSpace::TransferFunction::Gamma, 2.2f},
    {14, QColorSpace::TransferFunction::Gamma, 2.2f},
    {15, QColorSpace::TransferFunction::Gamma, 2.2f},
    {5, QColorSpace::TransferFunction::Gamma, 2.8f},
}};

constexpr float kGammaSRGB = 2.2f;
constexpr float kTolleranzaGamma = 0.01f;

// sRGB's primaries with a 2.2 gamma is how many tools (ImageMagick's PNG
// gAMA and cHRM chunks, their values rounded) say sRGB: taken as it, so its
// pixels keep their values.
bool ComeSRGB(const QColorSpace& spazio) {
  if (spazio == QColorSpace(QColorSpace::SRgb)) return true;
  if (spazio.transferFunction() != QColorSpace::TransferFunction::Gamma ||
      std::abs(spazio.gamma() - kGammaSRGB) >= kTolleranzaGamma)
    return false;
  const QColorTransform versoPrimariSRGB = spazio.transformationToColorSpace(
      QColorSpace(QColorSpace::Primaries::SRgb, QColorSpace::TransferFunction::Gamma, spazio.gamma()));
  // Mixed colours: saturated ones would clip to themselves.
  for (const QRgb colore : {qRgb(200, 100, 50), qRgb(50, 200, 100), qRgb(100, 50, 200)}) {
    const QRgb mappato = versoPrimariSRGB.map(colore);
    if (std::abs(qRed(mappato) - qRed(colore)) > 1 || std::abs(qGreen(mappato) - qGreen(colore)) > 1 ||
        std::abs(qBlue(mappato) - qBlue(colore)) > 1)
      return false;
  }
  return true;
}

}  // namespace

QImage InSRGB(QImage immagine, const QByteArray& iccFile) {
  const QColorSpace spazio = immagine.colorSpace();
  if (!spazio.isValid()) {
    // Qt keeps the bytes of a profile it cannot use in the invalid space.
    const QByteArray icc = spazio.iccProfile().isEmpty() ? iccFile : spazio.iccProfile();
    if (icc.isEmpty()) return immagine;
    QImage convertita = InSRGBConLcms(immagine, icc);
    return convertita.isNull() ? immagine : convertita;
  }
  if (ComeSRGB(spazio)) return immagine;
  immagine.convertToColorSpace(QColorSpace::SRgb);
  return immagine;
}

QColorSpace SpazioDaCodici(int primari, int trasferimento) {
  const auto t = std::find_if(kTrasferimenti.begin(), kTrasferimenti.end(),
                              [trasferimento](const Trasferimento& voce) { return voce.codice == trasferimento; });
  if (t == kTrasferimenti.end()) return {};
  for (const Primari& p : kPrimari)
    if (p.codice == primari) {
      const QColorSpace spazio(p.bianco, p.rosso, p.verde, p.blu, t->funzione, t->gamma);
      return spazio == QColorSpace(QColorSpace::SRgb) ? QColorSpace() : spazio;
    }
  return {};
}
