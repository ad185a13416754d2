#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "album/FileAlbum.h"
#include "album/ImprontaFile.h"
#include "album/IndiceVoci.h"
#include "album/VoceAlbum.h"
#include "settings/PercorsiProgramma.h"

// "imgVE_" followed by the counter with at least six digits.
QString ChiaveThumb(std::int32_t contatore);

// An entry found, with the id of the format that holds it.
struct VoceTrovata {
  QString formato;
  VoceAlbum voce;
  bool operator==(const VoceTrovata&) const = default;
};

// The customer's order in progress: the album with its file "Velistra.xml", the
// copies of its photos in the work folder and the counter that names them.
class AlbumVelistra {
 public:
  explicit AlbumVelistra(const PercorsiProgramma& percorsi);

  // Loads the album file and aligns it with the catalogue's formats, which
  // saves it. Temporary files that an interrupted save left beside it are
  // removed first; a file that cannot be read as an album is set aside as
  // "Velistra.xml.illeggibile" and the album starts empty. False only when the
  // save failed.
  bool CaricaVelistra(const QStringList& formati);
  // Whether an album was loaded or made, so that there is one to save.
  bool Caricato() const { return file_.HaRadice(); }
  // Saves the whole album atomically; false (old file intact) on failure.
  bool SalvaVelistra() const;
  // The file's bytes as the next save writes them.
  QByteArray Byte() const { return file_.Byte(); }

  // The formats in album order with their entries in insertion order.
  const QList<FormatoAlbum>& Formati() const { return file_.Formati(); }
  // The entries of a format in insertion order; of every format, formats in
  // album order, when empty.
  QList<VoceAlbum> Voci(const QString& formato) const;
  int NumeroFile(const QString& formato) const;
  // The entry with that copy path in the format; in any format when empty,
  // the first in album order.
  std::optional<VoceTrovata> TrovaFileVelistra(const QString& formato, const QString& copia) const;
  // Appends an entry with one print; false when the album has no such format.
  // The caller saves once after its loop.
  bool AggiungiFileVelistra(const QString& formato, const QString& copia, const QString& titolo,
                            const QString& ridimensionamento);
  // These change the entry that TrovaFileVelistra finds; false when there is
  // none. The caller saves.
  bool RimuoviFileVelistra(const QString& formato, const QString& copia);
  bool ImpostaQuantitaFile(const QString& formato, const QString& copia, std::int32_t quantita);
  bool ImpostaRidimensionamentoFile(const QString& formato, const QString& copia, const QString& chiave);
  bool HaFormato(const QString& formato) const { return PostoFormato(formato) >= 0; }
  // Appends a format the album lacks, with an empty container, at the end; a
  // format that lost its container gets one. The caller saves.
  void AggiungiFormato(const QString& formato);
  // Adds the catalogue's missing formats at the end; false for an album
  // without its root. The caller saves.
  bool AllineaVelistraAiFormati(const QStringList& formati);
  // A new album: empty and aligned, with the work folder emptied and the
  // counter at 0. The caller saves the album and the counter.
  void EliminaCartellaERicreaXML(const QStringList& formati);

  std::int32_t ContatoreFoto() const { return contatoreFoto_; }
  void ImpostaContatoreFoto(std::int32_t valore) { contatoreFoto_ = valore; }
  // Reads the counter from the settings; a value that is not a whole number of
  // at least 0 reads as 0.
  void LeggiContatoreFoto();
  bool SalvaContatoreFoto() const;

  // The next thumbnail key; none, and the counter unchanged, at its limit.
  std::optional<QString> NuovaChiaveThumb();
  // A free path in the work folder for a copy of foto, under the next key
  // with the photo's extension, or ".jpg" for a photo the lab cannot read (its
  // copy is the lab's JPEG); none when the counter is at its limit.
  std::optional<QString> NuovaCopiaLavoro(const QString& foto);
  // The copy paths of the entries of a format.
  QStringList CopieDelFormato(const QString& formato) const;

 private:
  struct Posto {
    qsizetype formato;
    qsizetype voce;
  };
  qsizetype PostoFormato(const QString& formato) const;
  std::optional<Posto> Trova(const QString& formato, const QString& copia) const;
  // Gives keys to the entries read and indexes them.
  void Indicizza();

  PercorsiProgramma percorsi_;
  FileAlbum file_;
  // The keys of the entries of Formati(), place by place: ascending, since
  // entries are only appended.
  QList<QList<std::uint64_t>> chiavi_;
  std::uint64_t prossimaChiave_ = 0;
  IndiceVoci indice_;
  std::int32_t contatoreFoto_ = 0;
};
