#pragma once
#include <QHash>
#include <QString>
#include <QThreadPool>
#include <memory>

#include "thumbview/DecodificaRidotta.h"

// Makes 90-pixel copies on worker threads ahead of the moment the grid needs
// them. The grid still takes each copy at the point where it draws the cell,
// so what it shows and in which order stays that of a single thread.
class CodaDecodifica {
 public:
  CodaDecodifica();
  ~CodaDecodifica();
  CodaDecodifica(const CodaDecodifica&) = delete;
  CodaDecodifica& operator=(const CodaDecodifica&) = delete;

  // Starts decoding the file unless it is already under way; higher priorities first.
  void Anticipa(const QString& percorso, int priorita);
  // The copy of the file now: taken from its job (waiting for it, or running it
  // here when no worker has started it yet) or decoded at once.
  ImmagineRidotta Prendi(const QString& percorso);
  // Drops every job; those already running finish unseen.
  void Dimentica();
  // The device pixel ratio of the copies; a change drops the jobs made at the old one.
  void ImpostaRapporto(qreal rapporto);

  static ImmagineRidotta CaricaMiniatura(const QString& percorso, qreal rapporto = 1.0);

 private:
  struct Lavoro;
  QThreadPool lavoratori_;
  QHash<QString, std::shared_ptr<Lavoro>> lavori_;
  qreal rapporto_ = 1.0;
};
