#include "support/CartellaProgrammaProva.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>


QString CartellaDati() { return QStringLiteral(VELISTRA_SORGENTI "/data"); }

CartellaProgrammaProva::CartellaProgrammaProva(bool datiInstallati, const QString& dentro)
    : cartella_(dentro.isEmpty() ? QDir::tempPath() + QStringLiteral("/velistra-XXXXXX")
                                 : dentro + QStringLiteral("velistra-XXXXXX")) {
  if (datiInstallati) {
    const QDir dati(CartellaDati());
    QDirIterator it(dati.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString sorgente = it.next();
      const QString destinazione = percorso() + dati.relativeFilePath(sorgente);
      QDir().mkpath(QFileInfo(destinazione).absolutePath());
      QFile::copy(sorgente, destinazione);
      QFile(destinazione).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
  }
}

QString CartellaProgrammaProva::percorso() const { return cartella_.path() + u'/'; }

void CartellaProgrammaProva::Scrivi(const QString& nome, const QByteArray& contenuto) const {
  QDir().mkpath(QFileInfo(file(nome)).absolutePath());
  QFile f(file(nome));
  f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  f.write(contenuto);
}

QByteArray CartellaProgrammaProva::Leggi(const QString& nome) const { return LeggiFile(file(nome)); }

QByteArray LeggiFile(const QString& percorso) {
  QFile f(percorso);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool ScriviFile(const QString& percorso, const QByteArray& contenuto) {
  QFile f(percorso);
  return f.open(QIODevice::WriteOnly) && f.write(contenuto) == contenuto.size();
}

QStringList FileNellaCartella(const QString& cartella) {
  const QDir radice(cartella);
  QStringList nomi;
  QDirIterator it(cartella, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) nomi.append(radice.relativeFilePath(it.next()));
  nomi.sort();
  return nomi;
}
