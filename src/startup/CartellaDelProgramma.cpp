#include "startup/CartellaDelProgramma.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryFile>

#include "common/Percorsi.h"
#include "common/ScritturaAtomica.h"

namespace {

// The shipped files the per-user folder starts with; the album and the work
// folder are the program's own.
const QStringList kFileForniti = {
    QStringLiteral("Velistra.ini"),       QStringLiteral("VelistraFTP.ini"),
    QStringLiteral("Formati.xml"),        QStringLiteral("NonDisponibile.gif"),
    QStringLiteral("Velistra.html")};
const QString kCartellaGuida = QStringLiteral("guida");

// Tried rather than asked: permission bits say nothing for root or a
// read-only mount.
bool AccettaScritture(const QString& cartella) {
  QTemporaryFile prova(AggiungiBarra(cartella) + QStringLiteral(".prova-scrittura-XXXXXX"));
  return prova.open();
}

void FornisciFile(const QString& sorgente, const QString& destinazione) {
  if (!FileEsiste(sorgente) || FileEsiste(destinazione)) return;
  // A start killed mid-copy leaves only a temporary file; the copy is redone whole.
  RimuoviAvanziScritturaAtomica(destinazione);
  QFile file(sorgente);
  if (file.open(QIODevice::ReadOnly)) ScriviFileAtomico(destinazione, file.readAll(), LettoriNuovoFile::SoloUtente);
}

void FornisciCartella(const QString& origine, const QString& cartellaUtente) {
  const QDir radice(origine);
  const QString sorgente = radice.filePath(kCartellaGuida);
  QDirIterator it(sorgente, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString file = it.next();
    const QString destinazione = AggiungiBarra(cartellaUtente) + radice.relativeFilePath(file);
    QDir().mkpath(QFileInfo(destinazione).absolutePath());
    FornisciFile(file, destinazione);
  }
}

}  // namespace

QString CartellaDelProgramma(const QString& cartellaEseguibile, const QString& cartellaDati,
                             const QString& cartellaUtente) {
  const bool portatile = FileEsiste(AggiungiBarra(cartellaEseguibile) + QStringLiteral("Velistra.ini"));
  if (portatile && AccettaScritture(cartellaEseguibile)) return cartellaEseguibile;
  // A portable folder that refuses writes (unpacked by an administrator)
  // ships its files itself; only an installed program has a data folder.
  const QString origine = portatile ? cartellaEseguibile : cartellaDati;
  // A failure here shows up at start as the missing settings file. The folder
  // holds the customer's name, address and orders: no other user may look in,
  // also into one an older version made.
  QDir().mkpath(cartellaUtente);
  QFile::setPermissions(cartellaUtente, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  for (const QString& nome : kFileForniti)
    FornisciFile(AggiungiBarra(origine) + nome, AggiungiBarra(cartellaUtente) + nome);
  FornisciCartella(origine, cartellaUtente);
  return cartellaUtente;
}
