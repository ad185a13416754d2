#pragma once
#include <QString>
#include <QTreeView>

class QFileSystemModel;

// The folder tree: folders only, from the file system's root.
class AlberoCartelle : public QTreeView {
  Q_OBJECT

 public:
  explicit AlberoCartelle(QWidget* genitore = nullptr);

  // The selected folder; empty when none is.
  QString CartellaSelezionata() const;
  // Selects and shows a folder; false when it is not a folder.
  bool ImpostaCartella(const QString& cartella);
  // The user's pictures folder when it exists, else the home folder.
  static QString CartellaIniziale();

 Q_SIGNALS:
  void cartellaCambiata();

 private:
  QFileSystemModel* modello_;
};
