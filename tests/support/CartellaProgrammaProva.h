#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "settings/PercorsiProgramma.h"

// A temporary program folder with the installed data files, with the program-wide
// values pointed at it for the test's lifetime (and empty server values). No
// test touches a real one.
class CartellaProgrammaProva {
 public:
  // With datiInstallati the files of data/ are copied in, as an install would.
  // The folder is made inside another one when named (a full disk, say).
  explicit CartellaProgrammaProva(bool datiInstallati = true, const QString& dentro = {});

  QString percorso() const;  // ends in "/"
  QString file(const QString& nome) const { return percorso() + nome; }
  PercorsiProgramma percorsi() const { return PercorsiNellaCartella(percorso()); }
  void Scrivi(const QString& nome, const QByteArray& contenuto) const;
  QByteArray Leggi(const QString& nome) const;

 private:
  QTemporaryDir cartella_;
};

// The folder of the repository's data files.
QString CartellaDati();
// The file's bytes; empty when it cannot be read.
QByteArray LeggiFile(const QString& percorso);
// Writes the bytes as the file; false when they could not all be written.
bool ScriviFile(const QString& percorso, const QByteArray& contenuto);
// Every file in the folder and below, hidden ones too, relative to it, sorted.
QStringList FileNellaCartella(const QString& cartella);
