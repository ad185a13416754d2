#include "support/ProfiloLutProva.h"

#include <lcms2.h>
#include <zlib.h>

#include <QtEndian>

#include "support/FotoProva.h"

namespace {

constexpr int kNodi = 17;

int Campiona(const cmsUInt16Number ingresso[], cmsUInt16Number uscita[], void* daSRGBALab) {
  const cmsUInt16Number scambiato[3] = {ingresso[2], ingresso[1], ingresso[0]};
  cmsDoTransform(daSRGBALab, scambiato, uscita, 1);
  return 1;
}

QByteArray BloccoPng(const QByteArray& tipo, const QByteArray& corpo) {
  QByteArray blocco(4, '\0');
  qToBigEndian(static_cast<quint32>(corpo.size()), blocco.data());
  blocco += tipo + corpo;
  QByteArray crc(4, '\0');
  const QByteArray coperto = tipo + corpo;
  const auto valore = crc32(0L, reinterpret_cast<const Bytef*>(coperto.constData()), static_cast<uInt>(coperto.size()));
  qToBigEndian(static_cast<quint32>(valore), crc.data());
  return blocco + crc;
}

}  // namespace

QByteArray ProfiloLut() {
  cmsHPROFILE srgb = cmsCreate_sRGBProfile();
  cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
  cmsHTRANSFORM daSRGBALab = cmsCreateTransform(srgb, TYPE_RGB_16, lab, TYPE_Lab_16, INTENT_PERCEPTUAL, 0);
  cmsStage* tabella = cmsStageAllocCLut16bit(nullptr, kNodi, 3, 3, nullptr);
  cmsStageSampleCLut16bit(tabella, Campiona, daSRGBALab, 0);
  // An mAB tag takes curves on both sides of the table.
  cmsPipeline* lut = cmsPipelineAlloc(nullptr, 3, 3);
  cmsPipelineInsertStage(lut, cmsAT_END, cmsStageAllocToneCurves(nullptr, 3, nullptr));
  cmsPipelineInsertStage(lut, cmsAT_END, tabella);
  cmsPipelineInsertStage(lut, cmsAT_END, cmsStageAllocToneCurves(nullptr, 3, nullptr));
  cmsHPROFILE profilo = cmsCreateProfilePlaceholder(nullptr);
  cmsSetProfileVersion(profilo, 4.3);
  cmsSetDeviceClass(profilo, cmsSigDisplayClass);
  cmsSetColorSpace(profilo, cmsSigRgbData);
  cmsSetPCS(profilo, cmsSigLabData);
  cmsWriteTag(profilo, cmsSigAToB0Tag, lut);
  cmsWriteTag(profilo, cmsSigMediaWhitePointTag, cmsD50_XYZ());
  cmsUInt32Number lunghezza = 0;
  cmsSaveProfileToMem(profilo, nullptr, &lunghezza);
  QByteArray icc(static_cast<qsizetype>(lunghezza), '\0');
  cmsSaveProfileToMem(profilo, icc.data(), &lunghezza);
  cmsCloseProfile(profilo);
  cmsPipelineFree(lut);
  cmsDeleteTransform(daSRGBALab);
  cmsCloseProfile(lab);
  cmsCloseProfile(srgb);
  return icc;
}

QColor InSRGBSecondoLcms(const QByteArray& icc, QColor colore) {
  cmsHPROFILE profilo = cmsOpenProfileFromMem(icc.constData(), static_cast<cmsUInt32Number>(icc.size()));
  cmsHPROFILE srgb = cmsCreate_sRGBProfile();
  cmsHTRANSFORM trasformazione = cmsCreateTransform(profilo, TYPE_RGB_8, srgb, TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
  const cmsUInt8Number numeri[3] = {static_cast<cmsUInt8Number>(colore.red()),
                                    static_cast<cmsUInt8Number>(colore.green()),
                                    static_cast<cmsUInt8Number>(colore.blue())};
  cmsUInt8Number srgbNumeri[3] = {};
  cmsDoTransform(trasformazione, numeri, srgbNumeri, 1);
  cmsDeleteTransform(trasformazione);
  cmsCloseProfile(srgb);
  cmsCloseProfile(profilo);
  return {srgbNumeri[0], srgbNumeri[1], srgbNumeri[2]};
}

QByteArray PngConIcc(const QImage& immagine, const QByteArray& icc) {
  const QByteArray png = Codifica(immagine, "png");
  // The signature (8 bytes) and IHDR (25) come first; the profile follows.
  constexpr int kDopoIhdr = 8 + 25;
  const QByteArray corpo = QByteArray("lut\0\0", 5) + qCompress(icc).mid(4);
  return png.left(kDopoIhdr) + BloccoPng("iCCP", corpo) + png.mid(kDopoIhdr);
}
