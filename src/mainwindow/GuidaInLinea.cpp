#include "mainwindow/GuidaInLinea.h"

#include "windows/CampiInput.h"
#include "common/Percorsi.h"
#include "settings/ValoriProgramma.h"

void ApriGuidaInLinea(QWidget* proprietario) {
  const QString& chm = Programma().FileGuida;
  ApriDocumento(proprietario, FileEsiste(chm) ? chm : Programma().PercorsoProgramma + QStringLiteral("Velistra.html"));
}
