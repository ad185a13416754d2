// Registers or unregisters a component library, as installers do:
//   kelmora_registra [/u] <library>
// Prints the outcome; the exit status is 0 on success.
#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>
#include <cstdio>

#include "controls/KelmoraComponente.h"

namespace {

int Esci(const QString& testo, int stato) {
  std::fprintf(stato == 0 ? stdout : stderr, "%s\n", testo.toLocal8Bit().constData());
  return stato;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication applicazione(argc, argv);
  QStringList argomenti = QCoreApplication::arguments().mid(1);
  const bool annulla = argomenti.removeAll(QStringLiteral("/u")) + argomenti.removeAll(QStringLiteral("-u")) > 0;
  if (argomenti.size() != 1)
    return Esci(QStringLiteral("Uso: kelmora_registra [/u] <libreria>"), 2);

  const QString percorso = argomenti.first();
  QLibrary libreria(percorso);
  if (!libreria.load())
    return Esci(QStringLiteral("Impossibile caricare la libreria %1: %2").arg(percorso, libreria.errorString()), 1);
  const char* entrata = annulla ? "DllUnregisterServer" : "DllRegisterServer";
  auto funzione = reinterpret_cast<FunzioneDllRegisterServer>(libreria.resolve(entrata));
  if (!funzione)
    return Esci(QStringLiteral("La libreria %1 non contiene %2.").arg(percorso, QString::fromLatin1(entrata)), 1);
  const KvRisultato esito = funzione();
  if (esito != KV_S_OK)
    return Esci(QStringLiteral("%1 di %2 non riuscito (codice 0x%3).")
                    .arg(QString::fromLatin1(entrata), percorso)
                    .arg(static_cast<quint32>(esito), 8, 16, QLatin1Char('0')),
                1);
  return Esci(annulla ? QStringLiteral("Registrazione di %1 annullata.").arg(percorso)
                      : QStringLiteral("Registrazione di %1 riuscita.").arg(percorso),
              0);
}
