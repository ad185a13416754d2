#include "support/ServerPythonProva.h"

ServerPythonProva::ServerPythonProva(const QString& script, const QStringList& argomenti)
    : processo_(QStringLiteral(VELISTRA_PYTHON), QStringList{script} + argomenti) {
  for (QByteArray riga = processo_.LeggiRiga(20000); !riga.isEmpty(); riga = processo_.LeggiRiga(20000)) {
    if (riga.startsWith("PORTA ")) {
      porta_ = riga.mid(6).trimmed().toInt();
      return;
    }
  }
}
