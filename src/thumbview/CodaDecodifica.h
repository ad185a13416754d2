#pragma once
#include <QHash>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "thumbview/DecodificaRidotta.h"

// Makes 90-pixel copies on worker threads; the grid never waits for one. It
// asks for a copy, and copiaPronta tells it on the GUI thread when the copy
// can be taken.
class CodaDecodifica : public QObject {
  Q_OBJECT
 public:
  explicit CodaDecodifica(QObject* genitore = nullptr);
  ~CodaDecodifica() override;

  // Starts decoding the file unless it is under way or its copy is waiting;
  // higher priorities first.
  void Anticipa(const QString& percorso, int priorita);
  // The finished copy of the file, when one is waiting and the file has not
  // changed since it was read; otherwise starts decoding it and gives nothing.
  std::optional<ImmagineRidotta> Chiedi(const QString& percorso, int priorita);
  // Drops every job and every waiting copy; jobs already running finish unseen.
  void Dimentica();
  // The device pixel ratio of the copies; a change decodes the files under way again.
  void ImpostaRapporto(qreal rapporto);
  // Jobs started and not yet delivered.
  int DecodificheInCorso() const { return static_cast<int>(inCorso_.size()); }

  static ImmagineRidotta CaricaMiniatura(const QString& percorso, qreal rapporto = 1.0);

 Q_SIGNALS:
  // The copy of the file (or its failure) is waiting for Chiedi.
  void copiaPronta(const QString& percorso);

 private:
  struct Copia;
  struct Lavoro;
  struct Recapito;
  void Consegna(quint64 generazione, const QString& percorso, std::shared_ptr<Copia> copia);

  std::shared_ptr<Recapito> recapito_;
  QHash<QString, std::shared_ptr<Lavoro>> inCorso_;
  QHash<QString, std::shared_ptr<Copia>> pronte_;
  quint64 generazione_ = 0;
  qreal rapporto_ = 1.0;
};
