#pragma once
#include <QDialog>
#include <QStringList>

#include "common/RadiciCartelle.h"

class AlberoCartelle;
class QDir;
class QLabel;
class QLineEdit;
class QPushButton;

// The folder chooser: the prompt inside the dialog, the desktop's folder tree
// (home, pictures, desktop, each mounted medium, the whole file system) with
// the user's home folder chosen, the chosen path (which the user may type when
// allowed), "Nuova cartella" (named in place), "OK" and "Annulla".
class DialogoSfogliaCartella : public QDialog {
  Q_OBJECT

 public:
  // The media roots are the folders whose subfolders are mounted media.
  DialogoSfogliaCartella(const QString& messaggio, bool consentiDigitazione, QWidget* genitore = nullptr,
                         QStringList radiciSupporti = RadiciSupportiRimovibili());

  // The folder chosen in the tree, or the one typed; empty when there is none.
  QString cartellaScelta() const;
  // Chooses a folder in the tree and shows it.
  void ScegliCartella(const QString& percorso);

 private:
  QString cartellaAlbero() const;
  void CartellaCambiata();
  void CreaNuovaCartella();

  QLabel* lblMessaggio_;
  AlberoCartelle* tvCartelle_;
  QLineEdit* txtCartella_;
  QPushButton* cmdNuovaCartella_;
  QPushButton* cmdOK_;
  QPushButton* cmdAnnulla_;
};

// The typed text as a folder: an absolute path as it is, a relative one inside
// the folder chosen in the tree; nothing typed gives the chosen folder.
QString CartellaDigitata(const QString& cartellaAlbero, const QString& digitata);
// "Nuova cartella", or "Nuova cartella (2)", (3)... when the name is taken.
QString NomeNuovaCartella(const QDir& dentro);
