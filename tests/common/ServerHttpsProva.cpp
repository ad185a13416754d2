#include "ServerHttpsProva.h"

ServerHttpsProva::ServerHttpsProva(const QString& modo) {
  processo_.setProgram(QStringLiteral(VELISTRA_PYTHON));
  processo_.setArguments({QStringLiteral(VELISTRA_SORGENTI "/tests/common/server_https.py"),
                          cartella_.path(), modo});
  processo_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  processo_.start();
  if (!processo_.waitForStarted(10000)) return;
  while (processo_.waitForReadyRead(20000)) {
    const QByteArray riga = processo_.readLine().trimmed();
    if (riga.startsWith("PORTA ")) {
      porta_ = riga.mid(6).toInt();
      return;
    }
  }
}

ServerHttpsProva::~ServerHttpsProva() {
  processo_.closeWriteChannel();
  if (!processo_.waitForFinished(5000)) {
    processo_.kill();
    processo_.waitForFinished(2000);
  }
}
