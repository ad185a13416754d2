#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>

#include "album/ImprontaFile.h"

// Where each work-folder copy of the album came from. The album names only the
// copies (and it travels to the lab, so the customer's own paths stay out of
// it); repeating an order later needs the customer's files, since a new album
// empties the work folder.
class OriginiFoto {
 public:
  explicit OriginiFoto(QString percorso);

  // A missing or damaged file gives no origins: only a later repeat needs them.
  void Carica();
  // The file's bytes as the next save writes them.
  QByteArray Byte() const;

  // copia is a work-folder copy made from originale; a copy made from another
  // copy keeps the first one's origin. impronta is the original's digest for
  // a copy whose bytes are not the original's (the lab's JPEG of a HEIC), so
  // that the duplicate check still compares the customer's files after a
  // restart; none (size -1) for a copy of the same bytes.
  void Registra(const QString& copia, const QString& originale, const ImprontaFile& impronta = {});
  // The customer's file a copy came from; empty when unknown.
  QString Originale(const QString& copia) const { return origini_.value(copia).originale; }
  // The originals' digests kept for copies, by copy.
  QHash<QString, ImprontaFile> ImpronteOriginali() const;
  void Svuota() { origini_.clear(); }

 private:
  struct Origine {
    QString originale;
    ImprontaFile impronta;
  };
  QString percorso_;
  QHash<QString, Origine> origini_;
};
