#pragma once
#include <QStringList>

#include "support/ProcessoFiglio.h"

// A test server written in Python, run as a child process with Debian's
// interpreter. The script prints "PORTA <n>" once it listens on 127.0.0.1 and
// ends when its standard input closes, which the child's destructor does.
class ServerPythonProva {
 public:
  ServerPythonProva(const QString& script, const QStringList& argomenti);
  ServerPythonProva(const ServerPythonProva&) = delete;
  ServerPythonProva& operator=(const ServerPythonProva&) = delete;

  bool avviato() const { return porta_ > 0; }
  int porta() const { return porta_; }

 private:
  ProcessoFiglio processo_;
  int porta_ = 0;
};
