#include "common/TestoLingua.h"

#include "common/Percorsi.h"
#include "settings/cINIProfiles.h"
#include "startup/ValoriProgramma.h"

QString TestoLingua(const QString& chiave) {
  const ValoriProgramma& v = Programma();
  const QString cartella = v.PercorsoProgramma + QStringLiteral("Lang/");
  QString file = cartella + v.FileLingua;
  if (v.FileLingua.isEmpty() || !FileEsiste(file)) file = cartella + QStringLiteral("Lang_Ita.ini");
  if (!FileEsiste(file)) return {};
  return cINIProfiles().GetPrivateProfileString(QStringLiteral("lang"), chiave, {}, file);
}
