#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <cstdint>

// Where an entry lies: the place of its format in the album and the key the
// album gave it, which grows in insertion order and never changes.
struct PostoVoce {
  qsizetype formato = 0;
  std::uint64_t chiave = 0;
  bool operator==(const PostoVoce&) const = default;
};

// The album's entries by copy path, so that a look-up does not scan the album.
class IndiceVoci {
 public:
  void Svuota() { posti_.clear(); }
  void Aggiungi(const QString& copia, PostoVoce posto);
  void Rimuovi(const QString& copia, PostoVoce posto);
  // The places of the entries with that copy path in album order: one as a
  // rule, more when the photo is in several formats.
  QList<PostoVoce> Posti(const QString& copia) const { return posti_.value(copia); }

 private:
  QHash<QString, QList<PostoVoce>> posti_;
};
