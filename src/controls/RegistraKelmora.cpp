// Registers or unregisters a component library, as installers do:
//   kelmora_registra [/u] <library>
// Prints the outcome; the exit status is 0 on success.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "controls/ChiamaRegistrazione.h"

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
  const EsitoRegistrazione esito = ChiamaRegistrazione(percorso, annulla);
  switch (esito.stato) {
    case EsitoRegistrazione::Stato::LibreriaNonCaricata:
      return Esci(QStringLiteral("Impossibile caricare la libreria %1: %2").arg(percorso, esito.erroreCaricamento), 1);
    case EsitoRegistrazione::Stato::EntrataMancante:
      return Esci(QStringLiteral("La libreria %1 non contiene %2.").arg(percorso, esito.entrata), 1);
    case EsitoRegistrazione::Stato::EntrataFallita:
      return Esci(QStringLiteral("%1 di %2 non riuscito (codice 0x%3).")
                      .arg(esito.entrata, percorso)
                      .arg(static_cast<quint32>(esito.codice), 8, 16, QLatin1Char('0')),
                  1);
    case EsitoRegistrazione::Stato::Riuscita:
      break;
  }
  return Esci(annulla ? QStringLiteral("Registrazione di %1 annullata.").arg(percorso)
                      : QStringLiteral("Registrazione di %1 riuscita.").arg(percorso),
              0);
}
