#include "settings/PercorsiProgramma.h"

#include "common/Percorsi.h"

PercorsiProgramma PercorsiNellaCartella(const QString& cartella) {
  PercorsiProgramma p;
  p.PercorsoProgramma = AggiungiBarra(cartella);
  p.FileGuida = p.PercorsoProgramma + QStringLiteral("Velistra.chm");
  p.PercorsoIni = p.PercorsoProgramma + QStringLiteral("Velistra.ini");
  p.PercorsoIniFTP = p.PercorsoProgramma + QStringLiteral("VelistraFTP.ini");
  p.CartellaLavoro = p.PercorsoProgramma + QStringLiteral("Velistra/");
  p.PercorsoNonDisponibile = p.PercorsoProgramma + QStringLiteral("NonDisponibile.gif");
  p.PercorsoVelistraXML = p.PercorsoProgramma + QStringLiteral("Velistra.xml");
  p.PercorsoFormati = p.PercorsoProgramma + QStringLiteral("Formati.xml");
  p.PercorsoStorico = p.PercorsoProgramma + QStringLiteral("Storico.xml");
  p.PercorsoOriginali = p.PercorsoProgramma + QStringLiteral("Originali.xml");
  return p;
}
