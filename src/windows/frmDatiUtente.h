#pragma once
#include <QDialog>

#include "settings/PercorsiProgramma.h"

class QLineEdit;
class QPushButton;

// The customer's name and address. "Salva" checks and writes them and leaves
// the window open; closing writes nothing.
class frmDatiUtente : public QDialog {
  Q_OBJECT

 public:
  explicit frmDatiUtente(const PercorsiProgramma& percorsi, QWidget* genitore = nullptr);

  void Salva();

 private:
  QLineEdit* NuovoCampo(const char* nomeOggetto, const QString& etichetta);

  PercorsiProgramma percorsi_;
  QLineEdit* txtCognome_;
  QLineEdit* txtNome_;
  QLineEdit* txtCitta_;
  QLineEdit* txtVia_;
  QPushButton* cmdSalva_;
  QPushButton* cmdChiudi_;
};
