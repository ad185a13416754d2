#pragma once
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "album/ImprontaFile.h"
#include "album/IndiceVoci.h"
#include "common/DocumentoXML.h"
#include "settings/PercorsiProgramma.h"

// "imgVE_" followed by the counter with at least six digits.
QString ChiaveThumb(std::int32_t contatore);

// The number of prints of an album entry; none when its text is not a whole number.
std::optional<std::int32_t> QuantitaFile(const NodoXML& file);

// The customer's order in progress: the album document "Velistra.xml", the
// copies of its photos in the work folder and the counter that names them.
class AlbumVelistra {
 public:
  explicit AlbumVelistra(const PercorsiProgramma& percorsi);

  // Changes made through it are seen by the next look-up, which then reads
  // the whole album once; the operations below keep look-ups immediate.
  DocumentoXML& Documento() { return *XMLDOMVelistra; }
  const DocumentoXML& Documento() const { return *XMLDOMVelistra; }

  // Loads the album file and aligns it with the catalogue, which saves it.
  // Temporary files that an interrupted save left beside it are removed first; a
  // file that cannot be read as an album is set aside as "Velistra.xml.illeggibile"
  // and the album starts empty. False only when the save failed.
  bool CaricaVelistra(const DocumentoXML& formati);
  // Saves the whole document atomically; false (old file intact) on failure.
  bool SalvaVelistra() const;

  // Copies of the entries of one format (all formats when empty) under a root
  // "files", sorted by title; the album is not changed.
  std::unique_ptr<DocumentoXML> XMLFiltraFormato(const QString& Formato) const;
  // The entries of a format, of every one when empty.
  int NumeroFile(const QString& formato) const;
  // The entry with that copy path in the format; in any format when empty,
  // the first in document order.
  bool TrovaFileVelistra(const QString& formato, const QString& nomecompleto,
                         NodoXML& nodo) const;
  // Appends an entry with one print; false when the album has no such format.
  // The caller saves once after its loop.
  bool AggiungiFileVelistra(const QString& formato, const QString& nomecompleto,
                            const QString& titolo, const QString& ridimensionamento);
  // Detaches an entry from the album. The caller saves.
  void RimuoviFileVelistra(const NodoXML& voce);
  void ImpostaQuantitaFile(const NodoXML& voce, std::int32_t quantita);
  void ImpostaRidimensionamentoFile(const NodoXML& voce, const QString& chiave);
  // Whether entries of the format can be appended: its element with its container.
  bool HaFormato(const QString& formato) const;
  // Appends the element of a format the album lacks, with an empty container,
  // at the end; a format that lost its container gets one. The caller saves.
  void AggiungiFormato(const QString& formato);
  // Adds the catalogue's missing formats at the end, then saves.
  bool AllineaVelistraAiFormati(const DocumentoXML& formati);
  // A new album: empty and aligned, with the work folder emptied and the counter at 0.
  void EliminaCartellaERicreaXML(const DocumentoXML& formati);

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
  void ImpostaCampoFile(const NodoXML& voce, const QString& campo, const QString& testo);

  PercorsiProgramma percorsi_;
  std::unique_ptr<DocumentoXML> XMLDOMVelistra;
  mutable IndiceVoci indice_;
  std::int32_t contatoreFoto_ = 0;
};
