#pragma once
// The rewrites that the crash-safety test interrupts, shared by the test and
// its child: each mode rewrites one file of the program folder with one of two
// contents, through the same call the program makes.
#include <QString>
#include <QStringList>

#include "common/DocumentoXML.h"
#include "settings/ChiaviImpostazioni.h"
#include "settings/cINIProfiles.h"
#include "startup/ValoriProgramma.h"

inline const QStringList kModiScrittura{QStringLiteral("chiusura"), QStringLiteral("ftpincorso"),
                                        QStringLiteral("connessione"), QStringLiteral("prezziario")};

inline QString FileDelModo(const QString& modo) {
  const ValoriProgramma& v = Programma();
  if (modo == QStringLiteral("connessione")) return v.PercorsoIniFTP;
  if (modo == QStringLiteral("prezziario")) return v.PercorsoProgramma + QStringLiteral("Formati.xml");
  return v.PercorsoIni;
}

inline bool ScriviVariante(const QString& modo, bool seconda) {
  const cINIProfiles ini;
  const QString file = FileDelModo(modo);
  const QString uno = seconda ? QStringLiteral("1") : QStringLiteral("0");
  if (modo == QStringLiteral("chiusura"))
    return ini.WritePrivateProfileString(kSezioneOpzioni, QStringLiteral("ChiusuraOk"), uno, file);
  if (modo == QStringLiteral("ftpincorso"))
    return ini.WritePrivateProfileString(kSezioneOpzioni, QStringLiteral("FTPInCorso"), uno, file);
  if (modo == QStringLiteral("connessione"))
    return ini.WritePrivateProfileStrings(
        {{kSezioneDatiFTP, QStringLiteral("Username"), seconda ? QStringLiteral("convenzionato") : QStringLiteral("cliente")},
         {kSezioneDatiFTP, QStringLiteral("Password"), seconda ? QStringLiteral("MTIzNA==") : QStringLiteral("OTg3Ng==")},
         {kSezioneDatiFTP, QStringLiteral("Proxy"), seconda ? QStringLiteral("proxy:3128") : QString()},
         {kSezioneDatiFTP, QStringLiteral("FTPPassivo"), uno}},
        file);
  // The price list: the installed catalogue, or a one-format list from the lab.
  auto catalogo = CreaDocumentoXML();
  if (seconda)
    catalogo->caricaFile(QStringLiteral(VELISTRA_SORGENTI "/data/Formati.xml"));
  else
    catalogo->caricaTesto(QStringLiteral(
        "<xml><formato id=\"15x10\" descrizione=\"Stampa 10 x 15\" amatoriale=\"1\">27</formato></xml>"));
  return catalogo->salva(file);
}
