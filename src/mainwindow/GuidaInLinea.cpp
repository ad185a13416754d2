#include "mainwindow/GuidaInLinea.h"

#include "windows/CampiInput.h"
#include "common/Percorsi.h"
#include "settings/PercorsiProgramma.h"

void ApriGuidaInLinea(const PercorsiProgramma& percorsi, QWidget* proprietario) {
  const QString& chm = percorsi.FileGuida;
  ApriDocumento(proprietario, FileEsiste(chm) ? chm : percorsi.PercorsoProgramma + QStringLiteral("Velistra.html"));
}
