#pragma once
#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "ordine/EsitiOrdine.h"
#include "settings/PercorsiProgramma.h"

// The album's files as they are to be written.
struct IstantaneaAlbum {
  QByteArray album;
  QByteArray origini;
  // The photo counter, when the settings are to get it too.
  std::optional<std::int32_t> contatore;
  // New work-folder copies, flushed before an album that lists them is written.
  QStringList copie;
};

// Writes the album's files (the album, the photos' origins, the counter) and
// flushes them, the GUI thread going on meanwhile: after a batch of copies a
// flush waits for the disk to take them all. One write at a time, in the order
// asked; a request made while one runs replaces any still waiting, so the
// files end as the last request has them.
class SalvataggioAlbum : public QObject {
  Q_OBJECT

 public:
  explicit SalvataggioAlbum(const PercorsiProgramma& percorsi, QObject* genitore = nullptr);

  void Richiedi(IstantaneaAlbum istantanea);
  // A write is running or waiting.
  bool InCorso() const { return inCorso_; }
  // Writes on this thread: only when none is under way (the close).
  EsitoSalvataggio ScriviOra(const IstantaneaAlbum& istantanea) const;

 Q_SIGNALS:
  // After each write.
  void scritto(EsitoSalvataggio esito);
  // Nothing is left to write.
  void finiti();

 private:
  void Avvia(IstantaneaAlbum istantanea);

  PercorsiProgramma percorsi_;
  bool inCorso_ = false;
  std::optional<IstantaneaAlbum> inAttesa_;
};
