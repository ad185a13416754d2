#pragma once
#include <QObject>
#include <QString>
#include <QStringList>

#include "common/LavoroPiuRecente.h"

// The photos of the folder being added, listed on a worker, so that the grid
// can guess which files come next and decode them ahead. Until the listing
// arrives there is no guess.
class ElencoAnticipato {
 public:
  explicit ElencoAnticipato(QObject* contesto) : contesto_(contesto) {}

  // Up to posti files that follow the file in its folder, in name order.
  QStringList Seguenti(const QString& percorso, int posti);
  // The listing of a folder that the caller already has: no worker lists it again.
  void Imposta(const QString& cartella, const QStringList& nomi);
  void Dimentica();

 private:
  QObject* contesto_;
  LavoroPiuRecente elencazione_;
  QString cartella_;
  QStringList elenco_;
};
