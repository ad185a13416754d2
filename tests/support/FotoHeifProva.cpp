#include "support/FotoHeifProva.h"

#include <libheif/heif.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

constexpr int kQualita = 95;

// The picture with the colour description of the options.
heif_image* ImmagineHeif(const QImage& sorgente, const OpzioniHeif& opzioni) {
  const QImage rgb = sorgente.convertToFormat(QImage::Format_RGB888);
  heif_image* immagine = nullptr;
  heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB, &immagine);
  heif_image_add_plane(immagine, heif_channel_interleaved, rgb.width(), rgb.height(), 8);
  int passo = 0;
  uint8_t* pixel = heif_image_get_plane(immagine, heif_channel_interleaved, &passo);
  for (int y = 0; y < rgb.height(); ++y) std::memcpy(pixel + y * passo, rgb.constScanLine(y), rgb.width() * 3);
  if (!opzioni.icc.isEmpty())
    heif_image_set_raw_color_profile(immagine, "prof", opzioni.icc.constData(), opzioni.icc.size());
  if (opzioni.primari) {
    heif_color_profile_nclx* nclx = heif_nclx_color_profile_alloc();
    heif_nclx_color_profile_set_color_primaries(nclx, static_cast<uint16_t>(opzioni.primari));
    heif_nclx_color_profile_set_transfer_characteristics(nclx, static_cast<uint16_t>(opzioni.trasferimento));
    nclx->full_range_flag = 1;
    heif_image_set_nclx_color_profile(immagine, nclx);
    heif_nclx_color_profile_free(nclx);
  }
  return immagine;
}

}  // namespace

QByteArray CodificaHeif(const QImage& sorgente, const OpzioniHeif& opzioni) {
  std::unique_ptr<heif_context, void (*)(heif_context*)> contesto(heif_context_alloc(), heif_context_free);
  heif_encoder* codificatore = nullptr;
  heif_context_get_encoder_for_format(contesto.get(), opzioni.avif ? heif_compression_AV1 : heif_compression_HEVC,
                                      &codificatore);
  heif_encoder_set_lossy_quality(codificatore, kQualita);
  heif_encoder_set_parameter(codificatore, "chroma", "444");
  heif_image* immagine = ImmagineHeif(sorgente, opzioni);
  heif_encoding_options* scelte = heif_encoding_options_alloc();
  // Otherwise libheif leaves the colour description out for Apple's decoder.
  scelte->macOS_compatibility_workaround_no_nclx_profile = 0;
  scelte->image_orientation = static_cast<heif_orientation>(opzioni.orientamento);
  heif_image_handle* maniglia = nullptr;
  heif_context_encode_image(contesto.get(), immagine, codificatore, scelte, &maniglia);
  if (!opzioni.miniatura.isNull()) {
    // libheif encodes a thumbnail only by shrinking a larger picture into a box.
    const QSize misura = opzioni.miniatura.size();
    heif_image* grande = ImmagineHeif(opzioni.miniatura.scaled(misura * 2), opzioni);
    heif_context_encode_thumbnail(contesto.get(), grande, maniglia, codificatore, scelte,
                                  std::max(misura.width(), misura.height()), nullptr);
    heif_image_release(grande);
  }
  if (!opzioni.exif.isEmpty())
    heif_context_add_exif_metadata(contesto.get(), maniglia, opzioni.exif.constData(),
                                   static_cast<int>(opzioni.exif.size()));
  heif_image_handle_release(maniglia);
  heif_encoding_options_free(scelte);
  heif_image_release(immagine);
  heif_encoder_release(codificatore);

  QByteArray byte;
  heif_writer scrittore{
      1, [](heif_context*, const void* dati, size_t n, void* destinazione) {
        static_cast<QByteArray*>(destinazione)->append(static_cast<const char*>(dati), static_cast<qsizetype>(n));
        return heif_error{heif_error_Ok, heif_suberror_Unspecified, ""};
      }};
  heif_context_write(contesto.get(), &scrittore, &byte);
  return byte;
}
