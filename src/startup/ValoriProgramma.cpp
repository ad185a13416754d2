#include "startup/ValoriProgramma.h"

#include <QDir>

#include "common/Percorsi.h"
#include "settings/ChiaviImpostazioni.h"
#include "settings/cINIProfiles.h"

ValoriProgramma& Programma() {
  static ValoriProgramma valori;
  return valori;
}

void ImpostaCartellaProgramma(const QString& cartella) {
  ValoriProgramma& v = Programma();
  v.PercorsoProgramma = AggiungiBarra(cartella);
  v.FileGuida = v.PercorsoProgramma + QStringLiteral("Velistra.chm");
  v.PercorsoIni = v.PercorsoProgramma + QStringLiteral("Velistra.ini");
  v.PercorsoIniFTP = v.PercorsoProgramma + QStringLiteral("VelistraFTP.ini");
  v.CartellaLavoro = v.PercorsoProgramma + QStringLiteral("Velistra/");
  v.PercorsoNonDisponibile = v.PercorsoProgramma + QStringLiteral("NonDisponibile.gif");
  v.PercorsoVelistraXML = v.PercorsoProgramma + QStringLiteral("Velistra.xml");
}

void LeggiDatiFTP() {
  ValoriProgramma& v = Programma();
  const auto leggi = [&v](const QString& chiave, const QString& predefinito = {}) {
    return cINIProfiles().GetPrivateProfileString(kSezioneDatiFTP, chiave, predefinito,
                                                  v.PercorsoIniFTP);
  };
  v.DatiFTPServer = leggi(QStringLiteral("Server"));
  v.DatiFTPBase = leggi(QStringLiteral("Base"));
  v.DatiFTPPrezzi = leggi(QStringLiteral("Prezzi"));
  const QString ca = leggi(QStringLiteral("CertificatoCA"));
  v.CertificatoCA = ca.isEmpty() ? QString()
                                 : QDir::cleanPath(QDir(v.PercorsoProgramma).absoluteFilePath(ca));
  v.VerificaCertificato = leggi(QStringLiteral("VerificaCertificato"), QStringLiteral("1")).trimmed() != u'0';
}
