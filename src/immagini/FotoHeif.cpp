#include "immagini/FotoHeif.h"

#include <libheif/heif.h>

#include <QIODevice>
#include <vector>

#include "immagini/ColoreSRGB.h"

namespace {

QIODevice& Dispositivo(void* dati) { return *static_cast<QIODevice*>(dati); }

const heif_reader kLettore = {
    1,
    [](void* d) -> int64_t { return Dispositivo(d).pos(); },
    [](void* dati, size_t n, void* d) -> int {
      return Dispositivo(d).read(static_cast<char*>(dati), static_cast<qint64>(n)) == static_cast<qint64>(n) ? 0 : -1;
    },
    [](int64_t posizione, void* d) -> int { return Dispositivo(d).seek(posizione) ? 0 : -1; },
    [](int64_t misura, void* d) {
      return misura <= Dispositivo(d).size() ? heif_reader_grow_status_size_reached
                                             : heif_reader_grow_status_size_beyond_eof;
    },
};

using Maniglia = std::unique_ptr<heif_image_handle, void (*)(const heif_image_handle*)>;

// The colour space the picture's pixels are in once decoded to RGB.
QColorSpace SpazioDellaManiglia(const heif_image_handle* maniglia) {
  switch (heif_image_handle_get_color_profile_type(maniglia)) {
    case heif_color_profile_type_rICC:
    case heif_color_profile_type_prof: {
      QByteArray icc(static_cast<qsizetype>(heif_image_handle_get_raw_color_profile_size(maniglia)), '\0');
      if (heif_image_handle_get_raw_color_profile(maniglia, icc.data()).code != heif_error_Ok) return {};
      return QColorSpace::fromIccProfile(icc);
    }
    case heif_color_profile_type_nclx: {
      heif_color_profile_nclx* nclx = nullptr;
      if (heif_image_handle_get_nclx_color_profile(maniglia, &nclx).code != heif_error_Ok) return {};
      const QColorSpace spazio = SpazioDaCodici(nclx->color_primaries, nclx->transfer_characteristics);
      heif_nclx_color_profile_free(nclx);
      return spazio;
    }
    default:
      return {};
  }
}

// Decodes to 8-bit RGB in that colour space; the picture keeps libheif's
// pixels without a copy.
QImage Decodifica(const heif_image_handle* maniglia, const QColorSpace& spazio) {
  const bool alfa = heif_image_handle_has_alpha_channel(maniglia);
  std::unique_ptr<heif_decoding_options, void (*)(heif_decoding_options*)> opzioni(heif_decoding_options_alloc(),
                                                                                   heif_decoding_options_free);
  opzioni->convert_hdr_to_8bit = 1;
  heif_image* decodificata = nullptr;
  if (heif_decode_image(maniglia, &decodificata, heif_colorspace_RGB,
                        alfa ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, opzioni.get())
          .code != heif_error_Ok)
    return {};
  int passo = 0;
  const uint8_t* pixel = heif_image_get_plane_readonly(decodificata, heif_channel_interleaved, &passo);
  const int w = heif_image_get_width(decodificata, heif_channel_interleaved);
  const int h = heif_image_get_height(decodificata, heif_channel_interleaved);
  if (!pixel || w <= 0 || h <= 0) {
    heif_image_release(decodificata);
    return {};
  }
  QImage immagine(
      pixel, w, h, passo, alfa ? QImage::Format_RGBA8888 : QImage::Format_RGB888,
      [](void* d) { heif_image_release(static_cast<heif_image*>(d)); }, decodificata);
  immagine.setColorSpace(spazio);
  return immagine;
}

}  // namespace

bool FotoHeif::Riconosce(QIODevice& dispositivo) {
  const QByteArray testa = dispositivo.peek(64);
  return heif_check_filetype(reinterpret_cast<const uint8_t*>(testa.constData()), static_cast<int>(testa.size())) ==
         heif_filetype_yes_supported;
}

FotoHeif::FotoHeif(QIODevice& dispositivo) : contesto_(heif_context_alloc(), heif_context_free) {
  if (heif_context_read_from_reader(contesto_.get(), &kLettore, &dispositivo, nullptr).code != heif_error_Ok) return;
  if (heif_context_get_primary_image_handle(contesto_.get(), &primaria_).code != heif_error_Ok) primaria_ = nullptr;
}

FotoHeif::~FotoHeif() { heif_image_handle_release(primaria_); }

QSize FotoHeif::Misura() const {
  if (!primaria_) return {};
  return {heif_image_handle_get_width(primaria_), heif_image_handle_get_height(primaria_)};
}

QImage FotoHeif::Immagine() const {
  return primaria_ ? Decodifica(primaria_, SpazioDellaManiglia(primaria_)) : QImage();
}

QImage FotoHeif::Miniatura() const {
  if (!primaria_) return {};
  const int n = heif_image_handle_get_number_of_thumbnails(primaria_);
  std::vector<heif_item_id> id(static_cast<std::size_t>(std::max(n, 0)));
  heif_image_handle_get_list_of_thumbnail_IDs(primaria_, id.data(), n);
  Maniglia migliore(nullptr, heif_image_handle_release);
  for (heif_item_id voce : id) {
    heif_image_handle* maniglia = nullptr;
    if (heif_image_handle_get_thumbnail(primaria_, voce, &maniglia).code != heif_error_Ok) continue;
    Maniglia letta(maniglia, heif_image_handle_release);
    if (!migliore || heif_image_handle_get_width(maniglia) > heif_image_handle_get_width(migliore.get()))
      migliore = std::move(letta);
  }
  if (!migliore) return {};
  // The thumbnail stands for the photo: without an ICC profile of its own it
  // takes the photo's colours (libheif's encoder gives a shrunk thumbnail
  // the default description, not the photo's profile).
  const heif_color_profile_type tipo = heif_image_handle_get_color_profile_type(migliore.get());
  const bool propria = tipo == heif_color_profile_type_prof || tipo == heif_color_profile_type_rICC;
  return Decodifica(migliore.get(), SpazioDellaManiglia(propria ? migliore.get() : primaria_));
}

QByteArray FotoHeif::Exif() const {
  if (!primaria_) return {};
  heif_item_id id = 0;
  if (heif_image_handle_get_list_of_metadata_block_IDs(primaria_, "Exif", &id, 1) < 1) return {};
  QByteArray blocco(static_cast<qsizetype>(heif_image_handle_get_metadata_size(primaria_, id)), '\0');
  if (blocco.size() < 4 || heif_image_handle_get_metadata(primaria_, id, blocco.data()).code != heif_error_Ok)
    return {};
  // The block opens with the big-endian offset of the TIFF header after it.
  const auto* b = reinterpret_cast<const uchar*>(blocco.constData());
  const qsizetype salto = 4 + ((qsizetype(b[0]) << 24) | (qsizetype(b[1]) << 16) | (qsizetype(b[2]) << 8) | b[3]);
  return salto < blocco.size() ? blocco.mid(salto) : QByteArray();
}
