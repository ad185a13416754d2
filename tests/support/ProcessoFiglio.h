#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <sys/types.h>

// A server of the tests as a child process, started with posix_spawn: QProcess
// starts its children with a raw clone() that ThreadSanitizer cannot follow,
// and the send tests run under it too. The child reads its standard input
// until it closes, which is how it is told to end.
class ProcessoFiglio {
 public:
  // Its errors go to the file erroriSu (appended), or to the test's own when empty.
  ProcessoFiglio(const QString& programma, const QStringList& argomenti, const QString& erroriSu = {});
  ~ProcessoFiglio();
  ProcessoFiglio(const ProcessoFiglio&) = delete;
  ProcessoFiglio& operator=(const ProcessoFiglio&) = delete;

  bool avviato() const { return pid_ > 0; }
  // The next line it writes, without its end; empty once msAttesa is over or it has ended.
  QByteArray LeggiRiga(int msAttesa);
  // Closes its input and waits for its end; after msAttesa it is killed.
  void Ferma(int msAttesa);

 private:
  pid_t pid_ = -1;
  int ingresso_ = -1;
  int uscita_ = -1;
  QByteArray letti_;
};
