#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "common/LavoroPiuRecente.h"

// The names of the photos of a folder (the extensions of FiltriNomiFoto, letter
// case ignored, as cameras write "IMG_0001.JPG"), in alphabetical order.
// Empty when the folder cannot be read or holds none.
QStringList ElencoFotoCartella(const QString& cartella);

// The same listing on a worker: fine gets the names on the GUI thread, unless
// a newer listing was asked for meanwhile (the user chose another folder).
class ElencoFotoInSottofondo {
 public:
  explicit ElencoFotoInSottofondo(QObject* contesto) : contesto_(contesto) {}
  void Richiedi(const QString& cartella, std::function<void(QStringList)> fine);

 private:
  QObject* contesto_;
  LavoroPiuRecente elencazione_;
};
