#include "immagini/ColoreLcms.h"

#include <lcms2.h>

#include <QColorSpace>
#include <memory>

namespace {

using Profilo = std::unique_ptr<void, cmsBool (*)(cmsHPROFILE)>;
using Trasformazione = std::unique_ptr<void, void (*)(cmsHTRANSFORM)>;

}  // namespace

QImage InSRGBConLcms(QImage immagine, const QByteArray& icc) {
  const Profilo origine(cmsOpenProfileFromMem(icc.constData(), static_cast<cmsUInt32Number>(icc.size())),
                        cmsCloseProfile);
  if (!origine || cmsGetColorSpace(origine.get()) != cmsSigRgbData) return {};
  const Profilo srgb(cmsCreate_sRGBProfile(), cmsCloseProfile);
  // (A)RGB32 lies in memory as B, G, R, A on the little-endian machines the
  // program is built for.
  const Trasformazione trasformazione(cmsCreateTransform(origine.get(), TYPE_BGRA_8, srgb.get(), TYPE_BGRA_8,
                                                         INTENT_PERCEPTUAL, cmsFLAGS_COPY_ALPHA),
                                      cmsDeleteTransform);
  if (!trasformazione) return {};
  immagine.convertTo(immagine.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  uchar* pixel = immagine.bits();
  const auto passo = static_cast<cmsUInt32Number>(immagine.bytesPerLine());
  cmsDoTransformLineStride(trasformazione.get(), pixel, pixel, static_cast<cmsUInt32Number>(immagine.width()),
                           static_cast<cmsUInt32Number>(immagine.height()), passo, passo, 0, 0);
  immagine.setColorSpace(QColorSpace::SRgb);
  return immagine;
}
