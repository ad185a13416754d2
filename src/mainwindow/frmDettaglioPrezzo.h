#pragma once
#include <QDialog>

#include "ordine/DettaglioPrezzo.h"

class QKeyEvent;
class QTableWidget;

// The price breakdown of the album: a row a format, the total and where the
// prices come from. Ctrl+C, or "Copia", puts it on the clipboard as text for
// an e-mail to the lab.
class frmDettaglioPrezzo : public QDialog {
  Q_OBJECT

 public:
  explicit frmDettaglioPrezzo(const DettaglioPrezzo& dettaglio, QWidget* genitore = nullptr);

  void CopiaNegliAppunti() const;

 protected:
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  QTableWidget* CreaTabella();

  DettaglioPrezzo dettaglio_;
};
