#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

#include "album/VoceAlbum.h"

class DocumentoXML;

// The album file "Velistra.xml": the only place that knows its elements. It
// keeps the document it read and changes it entry by entry, so that a save
// writes back every byte it did not change, unknown elements included.
// Formats and entries are named by their place in Formati().
class FileAlbum {
 public:
  FileAlbum();
  ~FileAlbum();
  FileAlbum(const FileAlbum&) = delete;
  FileAlbum& operator=(const FileAlbum&) = delete;

  // Reads a file; false, and an empty document, when it is not an album.
  bool Carica(const QString& percorso);
  bool CaricaByte(const QByteArray& byte);
  // An empty document, which Radice() turns into an empty album.
  void Svuota();
  // Gives an empty document its declaration and root; false when it has some
  // other content but no root "xml".
  bool Radice();
  bool HaRadice() const;
  bool Salva(const QString& percorso) const;
  QByteArray Byte() const;

  // What the file holds, in file order; an entry's missing parts read empty.
  const QList<FormatoAlbum>& Formati() const { return formati_; }

  // Appends a format with an empty container; gives one to a format that has none.
  void AggiungiFormato(const QString& id);
  void AggiungiVoce(qsizetype formato, const VoceAlbum& voce);
  void RimuoviVoce(qsizetype formato, qsizetype posto);
  void ImpostaQuantita(qsizetype formato, qsizetype posto, std::int32_t quantita);
  void ImpostaRidimensionamento(qsizetype formato, qsizetype posto, const QString& chiave);

 private:
  struct Nodi;
  bool Adotta(std::unique_ptr<DocumentoXML> documento);
  void Leggi();

  std::unique_ptr<DocumentoXML> documento_;
  QList<FormatoAlbum> formati_;
  std::unique_ptr<Nodi> nodi_;
};

// The formats and entries of album bytes received from elsewhere (the server's
// copy), read as the album file is; nothing when they are not an album.
QList<FormatoAlbum> LeggiAlbum(const QByteArray& byte);
// The photos of such bytes as the send uploads them: every child of every
// container wherever it lies, in file order.
QList<VoceAlbum> VociDaInviare(const QByteArray& byte);
