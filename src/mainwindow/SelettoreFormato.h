#pragma once
#include <QLabel>
#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class SceltaFormato;

// One format selector on screen: the amateur filter check box and the format
// list side by side, and the description label, which the window places where
// it wants (it is created as a child of the parent and deleted with this).
// It mirrors a SceltaFormato and hands the user's changes to it.
class SelettoreFormato : public QWidget {
  Q_OBJECT

 public:
  SelettoreFormato(SceltaFormato& scelta, QWidget* parent);
  ~SelettoreFormato() override;

  QCheckBox* casella() const { return chk_; }
  QComboBox* lista() const { return cmb_; }
  QLabel* etichetta() const { return lbl_; }

  // Sets the check box's tooltip from its state.
  void CambiaToolTipFormatoAmatoriale(QCheckBox* oChk);

 Q_SIGNALS:
  // The list or the label changed: their sizes may have too.
  void aggiornato();

 private:
  void Aggiorna();

  SceltaFormato& scelta_;
  QCheckBox* chk_;
  QComboBox* cmb_;
  QPointer<QLabel> lbl_;
};
