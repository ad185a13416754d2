#include "mainwindow/GuidaInLinea.h"

#include "common/CampiInput.h"
#include "common/Percorsi.h"
#include "startup/ValoriProgramma.h"

void ApriGuidaInLinea(QWidget* proprietario) {
  const QString& chm = Programma().FileGuida;
  ApriDocumento(proprietario, FileEsiste(chm) ? chm : Programma().PercorsoProgramma + QStringLiteral("Velistra.html"));
}
