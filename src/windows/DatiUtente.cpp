#include "windows/DatiUtente.h"

#include "settings/ChiaviImpostazioni.h"
#include "settings/cINIProfiles.h"
#include "startup/ValoriProgramma.h"

DatiUtente LeggiDatiUtente() {
  const cINIProfiles ini;
  const QString& file = Programma().PercorsoIni;
  auto leggi = [&](const QString& chiave) {
    return ini.GetPrivateProfileString(kSezioneDatiUtente, chiave, QString(), file);
  };
  return {leggi(QStringLiteral("Cognome")), leggi(QStringLiteral("Nome")),
          leggi(QStringLiteral("Citta")), leggi(QStringLiteral("Via"))};
}

void ScriviDatiUtente(const DatiUtente& dati) {
  const cINIProfiles ini;
  const QString& file = Programma().PercorsoIni;
  // Failed writes are not reported.
  ini.WritePrivateProfileString(kSezioneDatiUtente, QStringLiteral("Cognome"), dati.Cognome, file);
  ini.WritePrivateProfileString(kSezioneDatiUtente, QStringLiteral("Nome"), dati.Nome, file);
  ini.WritePrivateProfileString(kSezioneDatiUtente, QStringLiteral("Citta"), dati.Citta, file);
  ini.WritePrivateProfileString(kSezioneDatiUtente, QStringLiteral("Via"), dati.Via, file);
  ini.WritePrivateProfileString(kSezioneOpzioni, QStringLiteral("DatiUtenteOk"), QStringLiteral("1"), file);
}
