#include "ordine/CartellaOrdine.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include "common/Percorsi.h"
#include "common/ScritturaAtomica.h"
#include "common/SincronizzaDisco.h"

namespace {

const QString kFine = QStringLiteral("End.txt");

// True when no file is left.
bool RimuoviFile(const QString& cartella) {
  // The end marker goes first: an emptying cut short must not leave a folder
  // that says it is complete.
  QFile::remove(cartella + kFine);
  bool tutti = true;
  const QStringList nomi = QDir(cartella).entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& nome : nomi) tutti = QFile::remove(cartella + nome) && tutti;
  return tutti;
}

}  // namespace

QString NomeCartellaOrdine(const QDateTime& ora) {
  return QStringLiteral("VE") + ora.toString(QStringLiteral("yyMMddHHmm"));
}

QString TestoFotografiaDatiUtente(const QString& datiUtente, const QString& importoEuro) {
  return QStringList{datiUtente, QString(), QStringLiteral("Prezzo indicativo (da verificare): "), importoEuro,
                     QString(), QStringLiteral("Utente non convenzionato")}
      .join(QStringLiteral("\r\n"));
}

bool PreparaCartellaOrdine(const QString& cartella) {
  const bool vuota = RimuoviFile(cartella);
  QDir().mkdir(cartella);
  return vuota && IsCartella(cartella);
}

QString CartellaSuperiore(const QString& cartella) { return QDir::cleanPath(cartella + QStringLiteral("/..")); }

bool SincronizzaCartellaOrdine(const QString& cartella) {
  return SincronizzaCartella(cartella) && SincronizzaCartella(CartellaSuperiore(cartella));
}

bool ScriviFineOrdine(const QString& cartella) {
  return ScriviFileAtomico(cartella + kFine, {}) && SincronizzaSupporto(cartella);
}

void EliminaCartellaOrdine(const QString& cartella) {
  RimuoviFile(cartella);
  QDir().rmdir(cartella);
}
