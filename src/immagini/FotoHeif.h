#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <memory>

class QIODevice;
struct heif_context;
struct heif_image_handle;

// A HEIF file (HEIC, HEIF, AVIF) read through libheif from a device, which
// must stay open while the object lives. Pictures come upright (the file's
// rotation and mirror applied) and tagged with the file's colour space, not
// yet converted.
class FotoHeif {
 public:
  // Whether the device's first bytes are those of a HEIF file libheif reads;
  // nothing is consumed.
  static bool Riconosce(QIODevice& dispositivo);

  explicit FotoHeif(QIODevice& dispositivo);
  ~FotoHeif();
  FotoHeif(const FotoHeif&) = delete;
  FotoHeif& operator=(const FotoHeif&) = delete;

  bool Aperta() const { return primaria_ != nullptr; }
  // The upright size, from the header: nothing is decoded.
  QSize Misura() const;
  // The whole picture; null on failure.
  QImage Immagine() const;
  // The largest embedded thumbnail; null when there is none.
  QImage Miniatura() const;
  // The EXIF block from its TIFF header on; empty when there is none.
  QByteArray Exif() const;

 private:
  std::unique_ptr<heif_context, void (*)(heif_context*)> contesto_;
  heif_image_handle* primaria_ = nullptr;
};
