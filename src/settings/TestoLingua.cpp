#include "settings/TestoLingua.h"

#include "common/Percorsi.h"
#include "settings/cINIProfiles.h"

QString TestoLingua(const PercorsiProgramma& percorsi, const QString& chiave) {
  const QString cartella = percorsi.PercorsoProgramma + QStringLiteral("Lang/");
  QString file = cartella + percorsi.FileLingua;
  if (percorsi.FileLingua.isEmpty() || !FileEsiste(file)) file = cartella + QStringLiteral("Lang_Ita.ini");
  if (!FileEsiste(file)) return {};
  return cINIProfiles().GetPrivateProfileString(QStringLiteral("lang"), chiave, {}, file);
}
