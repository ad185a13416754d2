#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>

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
  // copy keeps the first one's origin.
  void Registra(const QString& copia, const QString& originale);
  // The customer's file a copy came from; empty when unknown.
  QString Originale(const QString& copia) const { return originali_.value(copia); }
  void Svuota() { originali_.clear(); }

 private:
  QString percorso_;
  QHash<QString, QString> originali_;
};
