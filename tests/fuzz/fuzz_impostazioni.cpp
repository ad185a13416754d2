// The settings reader and writer on any file: the input is the file, then NUL,
// a section name, NUL, a key name, NUL, the value to write.
#include <QHash>

#include "AmbienteFuzz.h"
#include "common/Ansi.h"
#include "settings/cINIProfiles.h"

namespace {

// A name that a line of the file can hold and give back unchanged.
bool NomeScrivibile(const QString& nome, bool sezione) {
  if (nome.isEmpty() || nome.trimmed() != nome) return false;
  if (nome.contains(u'\r') || nome.contains(u'\n')) return false;
  if (sezione) return !nome.contains(u']');
  return !nome.contains(u'=') && !nome.startsWith(u'[') && !nome.startsWith(u';') &&
         !nome.startsWith(u'#');
}

// A value that reads back exactly: nothing to trim, no quotes around it, not cut.
bool ValoreIntatto(const QString& valore) {
  if (valore.size() > 499 || valore.trimmed() != valore) return false;
  if (valore.contains(u'\r') || valore.contains(u'\n')) return false;
  return !(valore.size() >= 2 && (valore.front() == u'"' || valore.front() == u'\'') &&
           valore.back() == valore.front());
}

const QString kAssente = QStringLiteral("\x01assente");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
  PreparaAmbienteFuzz();
  const QList<QByteArray> parti = ByteFuzz(dati, quanti).split('\0');
  const QString sezione = DaAnsi(parti.value(1));
  const QString chiave = DaAnsi(parti.value(2));
  const QString valore = DaAnsi(parti.value(3));
  const QString file = CartellaFuzz() + QStringLiteral("Prova.ini");
  ScriviFileFuzz(file, parti.value(0));

  const cINIProfiles ini;
  int quante = -1;
  const QStringList chiavi = ini.EnumPrivateProfileKeyString(sezione, file, quante);
  VERIFICA_FUZZ(quante == chiavi.size());
  QHash<QString, QString> altre;
  for (const QString& altra : chiavi) {
    const QString letto = ini.GetPrivateProfileString(sezione, altra, kAssente, file);
    VERIFICA_FUZZ(letto != kAssente && letto.size() <= 499);
    if (altra.compare(chiave, Qt::CaseInsensitive) != 0) altre.insert(altra, letto);
  }
  VERIFICA_FUZZ(ini.GetPrivateProfileString(sezione, chiave, kAssente, file).size() <= 499);

  if (!NomeScrivibile(sezione, true) || !NomeScrivibile(chiave, false)) return 0;
  VERIFICA_FUZZ(ini.WritePrivateProfileString(sezione, chiave, valore, file) == 1);
  const QString riletto = ini.GetPrivateProfileString(sezione, chiave, kAssente, file);
  VERIFICA_FUZZ(riletto != kAssente);
  if (ValoreIntatto(valore)) VERIFICA_FUZZ(riletto == valore);
  // The write touches its own line only.
  for (auto it = altre.cbegin(); it != altre.cend(); ++it)
    VERIFICA_FUZZ(ini.GetPrivateProfileString(sezione, it.key(), kAssente, file) == it.value());
  ini.DeletePrivateProfileKeyString(sezione, chiave, file);
  for (auto it = altre.cbegin(); it != altre.cend(); ++it)
    VERIFICA_FUZZ(ini.GetPrivateProfileString(sezione, it.key(), kAssente, file) == it.value());
  return 0;
}
