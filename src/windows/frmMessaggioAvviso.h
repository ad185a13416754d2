#pragma once
#include <QDialog>

#include "settings/PercorsiProgramma.h"

class QCheckBox;

// The start-up notice on how the lab treats the photos. However it closes, it
// records whether it is to be shown again ("Opzioni"/"NonMostrareMessaggio").
class frmMessaggioAvviso : public QDialog {
  Q_OBJECT

 public:
  explicit frmMessaggioAvviso(const PercorsiProgramma& percorsi, QWidget* genitore = nullptr);

  // Every way of closing a dialog ends here: the button, Escape, the title bar.
  void done(int esito) override;

 private:
  PercorsiProgramma percorsi_;
  QCheckBox* chkMostraMessaggio_;
};
