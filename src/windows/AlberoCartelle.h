#pragma once
#include <QString>
#include <QStringList>
#include <QTreeView>

#include "common/RadiciCartelle.h"

class ModelloCartelle;
class QFileSystemWatcher;

// The folder tree: the home, pictures and desktop folders, the mounted
// removable media, phones and cameras (kept up to date as they come and go)
// and the whole file system, folders only.
class AlberoCartelle : public QTreeView {
  Q_OBJECT

 public:
  // The media roots are the folders whose subfolders are mounted media.
  explicit AlberoCartelle(QWidget* genitore = nullptr, QStringList radiciSupporti = RadiciSupportiRimovibili());

  // The selected folder; empty when none is.
  QString CartellaSelezionata() const;
  // Selects and shows a folder under the entry that holds it most closely;
  // false when it is not a folder.
  bool ImpostaCartella(const QString& cartella);
  // Lets the user edit the selected folder's name in place; the folder is
  // renamed on disk when the edit is committed.
  void RinominaSelezionata();
  // The user's pictures folder when it exists, else the home folder.
  static QString CartellaIniziale();

 Q_SIGNALS:
  // Also when the selected folder is renamed.
  void cartellaCambiata();
  void rinominaNonRiuscita(const QString& percorso, const QString& nome);

 private:
  // Brings the top-level entries up to date; entries still there keep their rows.
  void AggiornaRadici();
  // Watches each media root, or its nearest existing parent until it appears.
  void SorvegliaRadiciSupporti();
  QStringList CartelleDaSorvegliare() const;

  ModelloCartelle* modello_;
  QStringList radiciSupporti_;
  // One per top-level row.
  QList<RadiceCartella> radici_;
  QFileSystemWatcher* sorvegliante_;
};
