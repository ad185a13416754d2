#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

#include "album/ImprontaFile.h"

// The file work of one photo copied into the album's work folder, as a task
// does it: values in, a value out.
struct CopiaDaFare {
  QString foto;
  // The new copy's path in the work folder, free when the task starts.
  QString copia;
  // With the check: the copies of the target format, and what is already
  // known of the album's copies (a size of -1: the file is gone).
  bool controllaDoppie = false;
  QStringList copieDelFormato;
  QHash<QString, ImprontaFile> note;
};

struct CopiaFatta {
  enum class Esito { Fatta, FotoMancante, NonRiuscita };
  Esito esito = Esito::Fatta;
  // The photo's content, when it had to be digested.
  ImprontaFile impronta;
  // A copy of the format has the same content.
  bool doppia = false;
  // What was read of the format's copies on the way.
  QHash<QString, ImprontaFile> lette;
};

// Copies the photo. Only a photo of the size of a copy of the format can be
// one of them: it alone is digested, while it is copied, so it is read once;
// a copy is read only when a photo of its size comes.
CopiaFatta EseguiCopia(const CopiaDaFare& daFare);
