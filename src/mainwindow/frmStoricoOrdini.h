#pragma once
#include <QDialog>
#include <QList>
#include <optional>

#include "ordine/StoricoOrdini.h"

class QPushButton;
class QTreeWidget;

// The orders written or sent, newest first. "Apri cartella" shows an order
// folder that is still there; "Ripeti ordine" closes the window with the
// order chosen, which the main window puts into a new album.
class frmStoricoOrdini : public QDialog {
  Q_OBJECT

 public:
  explicit frmStoricoOrdini(QList<OrdineStorico> ordini, QWidget* genitore = nullptr);

  std::optional<OrdineStorico> OrdineDaRipetere() const { return daRipetere_; }

  QTreeWidget* lvOrdini() const { return lvOrdini_; }
  QPushButton* cmdApriCartella() const { return cmdApriCartella_; }
  QPushButton* cmdRipetiOrdine() const { return cmdRipetiOrdine_; }

 private:
  const OrdineStorico* Selezionato() const;
  void AggiornaPulsanti();

  QList<OrdineStorico> ordini_;
  std::optional<OrdineStorico> daRipetere_;
  QTreeWidget* lvOrdini_;
  QPushButton* cmdApriCartella_;
  QPushButton* cmdRipetiOrdine_;
  QPushButton* cmdChiudi_;
};
