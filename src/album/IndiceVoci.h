#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <cstdint>

#include "common/DocumentoXML.h"

// The album's entries by copy path, so that a look-up does not scan the album.
// It holds only while the document's generation is the one it saw: a change
// made behind its back (any write through the DOM) makes the next look-up
// rebuild it before it touches a node, so a stale node is never read. Changes
// the album makes itself are followed in place: the caller asks InPasso()
// before the change and hands the answer to the matching call after it.
class IndiceVoci {
 public:
  // The first entry with that copy path in document order, only among the
  // formats with that id when it is not empty.
  NodoXML Trova(const DocumentoXML& album, const QString& formato, const QString& nomecompleto);

  // Reads the whole album; a look-up does it by itself when needed.
  void Ricostruisci(const DocumentoXML& album);
  bool InPasso(const DocumentoXML& album) const {
    return documento_ == &album && generazione_ == album.generazione();
  }
  // The entry was appended to a format with that id.
  void Aggiunta(const DocumentoXML& album, bool inPasso, const NodoXML& file, const QString& formato);
  // The entry, whose copy paths are given, was detached from the album.
  void Rimossa(const DocumentoXML& album, bool inPasso, const NodoXML& file, const QStringList& copie);
  // A change that touched no copy path, format id or entry position.
  void Invariata(const DocumentoXML& album, bool inPasso);

 private:
  struct Voce {
    NodoXML file;
    QString formato;
  };

  void Inserisci(const QString& copia, Voce voce);
  void Allinea(const DocumentoXML& album);

  // Entries of one copy path in document order; one as a rule, two while a
  // move holds the entry in both formats.
  QHash<QString, QList<Voce>> voci_;
  const DocumentoXML* documento_ = nullptr;
  std::uint64_t generazione_ = 0;
};

// The copy paths of an entry: the text of each of its "nomecompleto" children.
QStringList CopieDellaVoce(const NodoXML& file);
