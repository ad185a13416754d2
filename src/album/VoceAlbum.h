#pragma once
#include <QList>
#include <QString>
#include <cstdint>

// One photo in one format of the album.
struct VoceAlbum {
  // The photo's copy in the work folder; it names the entry within its format.
  QString copia;
  QString titolo;
  // The prints; 0 when the album's text for them is not a whole number.
  std::int32_t quantita = 1;
  // The entry's own format, by which it is priced.
  QString formato;
  // The resize-mode key.
  QString ridimensionamento;
  bool operator==(const VoceAlbum&) const = default;
};

// A format of the album with its entries in insertion order.
struct FormatoAlbum {
  QString id;
  QList<VoceAlbum> voci;
  bool operator==(const FormatoAlbum&) const = default;
};

// The entries of every format, formats in album order.
inline QList<VoceAlbum> TutteLeVoci(const QList<FormatoAlbum>& formati) {
  QList<VoceAlbum> voci;
  for (const FormatoAlbum& formato : formati) voci += formato.voci;
  return voci;
}
