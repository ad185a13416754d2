#include "startup/AperturaFinestre.h"

#include <QLabel>

bool ApriFinestreIniziali() {
  // Until the main window exists the program shows that it started and nothing more.
  auto* finestra = new QLabel(QStringLiteral("Velistra è avviato. La finestra principale non è ancora disponibile."));
  finestra->setObjectName(QStringLiteral("frmScegliFoto"));
  finestra->setWindowTitle(QStringLiteral("Velistra"));
  finestra->setAccessibleName(QStringLiteral("Velistra"));
  finestra->setAlignment(Qt::AlignCenter);
  finestra->setAttribute(Qt::WA_DeleteOnClose);
  finestra->resize(640, 240);
  finestra->show();
  return true;
}
