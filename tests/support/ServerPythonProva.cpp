#include "support/ServerPythonProva.h"

ServerPythonProva::ServerPythonProva(const QString& script, const QStringList& argomenti) {
  processo_.setProgram(QStringLiteral(VELISTRA_PYTHON));
  processo_.setArguments(QStringList{script} + argomenti);
  processo_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  processo_.start();
  if (!processo_.waitForStarted(10000)) return;
  while (processo_.canReadLine() || processo_.waitForReadyRead(20000)) {
    if (!processo_.canReadLine()) continue;
    const QByteArray riga = processo_.readLine().trimmed();
    if (riga.startsWith("PORTA ")) {
      porta_ = riga.mid(6).toInt();
      return;
    }
  }
}

ServerPythonProva::~ServerPythonProva() {
  processo_.closeWriteChannel();
  if (!processo_.waitForFinished(5000)) {
    processo_.kill();
    processo_.waitForFinished(2000);
  }
}
