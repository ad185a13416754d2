#include "startup/AperturaFinestre.h"

#include <QCoreApplication>
#include <QLabel>

#include "windows/frmSplash.h"

namespace {

// Until the main window exists the program shows that it started and nothing more.
QWidget* ApriFinestraProvvisoria() {
  auto* finestra = new QLabel(QStringLiteral("Velistra è avviato. La finestra principale non è ancora disponibile."));
  finestra->setObjectName(QStringLiteral("frmScegliFoto"));
  finestra->setWindowTitle(QStringLiteral("Velistra"));
  finestra->setAccessibleName(QStringLiteral("Velistra"));
  finestra->setAlignment(Qt::AlignCenter);
  finestra->setAttribute(Qt::WA_DeleteOnClose);
  finestra->resize(640, 240);
  finestra->show();
  return finestra;
}

}  // namespace

bool ApriFinestreIniziali() {
  // 11. The splash is on screen before the main window starts loading.
  auto* splash = new frmSplash;
  splash->show();
  splash->repaint();
  QCoreApplication::processEvents();
  // 12.
  QWidget* principale = ApriFinestraProvvisoria();
  // 13.
  delete splash;
  return principale != nullptr;
}
