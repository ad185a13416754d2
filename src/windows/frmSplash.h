#pragma once
#include <QDialog>

#include "settings/PercorsiProgramma.h"

class EtichettaCliccabile;
class QLabel;

// The about window, also the splash while the program starts. Escape or the
// "x" closes it; the logo starts a mail to the program's maker.
class frmSplash : public QDialog {
  Q_OBJECT

 public:
  explicit frmSplash(const PercorsiProgramma& percorsi, QWidget* genitore = nullptr);

 private:
  void ScriviAlProduttore();

  EtichettaCliccabile* imgLogo_;
  QLabel* lblProductName_;
  QLabel* lblVersion_;
  EtichettaCliccabile* lblChiudi_;
};
