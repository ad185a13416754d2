#pragma once
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <memory>
#include <optional>

#include "thumbview/DecodificaRidotta.h"

// Makes 90-pixel copies as tasks on a pool sized to the cores; the grid never
// waits for one. It asks for a copy, and when the copy was not ready,
// copiaAttesa brings it on the GUI thread.
class CodaDecodifica : public QObject {
  Q_OBJECT
 public:
  explicit CodaDecodifica(QObject* genitore = nullptr);
  ~CodaDecodifica() override;

  // Starts decoding the file unless it is under way or its copy is waiting;
  // higher priorities first.
  void Anticipa(const QString& percorso, int priorita);
  // The finished copy of the file, when one is waiting and the file has not
  // changed since it was read; otherwise starts decoding it, gives nothing and
  // sends copiaAttesa once the copy is made.
  std::optional<ImmagineRidotta> Chiedi(const QString& percorso, int priorita);
  // Drops every job and every waiting copy; jobs already running finish unseen.
  void Dimentica();
  // The device pixel ratio of the copies; a change decodes the files under way again.
  void ImpostaRapporto(qreal rapporto);
  // Jobs started and not yet delivered.
  int DecodificheInCorso() const { return static_cast<int>(inCorso_.size()); }

  static ImmagineRidotta CaricaMiniatura(const QString& percorso, qreal rapporto = 1.0);

 Q_SIGNALS:
  // The copy (or failure) of a file that Chiedi gave nothing for, made from
  // the file as it still is.
  void copiaAttesa(const QString& percorso, const ImmagineRidotta& copia);

 private:
  struct Copia;
  struct Lavoro;
  void Consegna(quint64 generazione, const QString& percorso, Copia copia);

  QHash<QString, std::shared_ptr<Lavoro>> inCorso_;
  QHash<QString, std::shared_ptr<Copia>> pronte_;
  QSet<QString> attese_;
  quint64 generazione_ = 0;
  qreal rapporto_ = 1.0;
};
