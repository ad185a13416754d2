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

bool ScriviDatiUtente(const DatiUtente& dati) {
  const QString& file = Programma().PercorsoIni;
  return cINIProfiles().WritePrivateProfileStrings(
      {{kSezioneDatiUtente, QStringLiteral("Cognome"), dati.Cognome},
       {kSezioneDatiUtente, QStringLiteral("Nome"), dati.Nome},
       {kSezioneDatiUtente, QStringLiteral("Citta"), dati.Citta},
       {kSezioneDatiUtente, QStringLiteral("Via"), dati.Via},
       {kSezioneOpzioni, QStringLiteral("DatiUtenteOk"), QStringLiteral("1")}},
      file);
}
