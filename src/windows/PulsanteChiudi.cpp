#include "windows/PulsanteChiudi.h"

#include <QDialog>
#include <QPushButton>

QPushButton* NuovoPulsanteChiudi(QDialog* finestra) {
  auto* cmdChiudi = new QPushButton(QStringLiteral("Chiudi"), finestra);
  cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
  cmdChiudi->setAccessibleName(QStringLiteral("Chiudi"));
  cmdChiudi->setDefault(true);
  QObject::connect(cmdChiudi, &QPushButton::clicked, finestra, &QDialog::close);
  return cmdChiudi;
}
