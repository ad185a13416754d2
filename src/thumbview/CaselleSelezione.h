#pragma once
#include <QHash>
#include <QList>
#include <QObject>

class QCheckBox;
class QWidget;

// The check boxes `chkFotoSelezionata` of the grid. Only thumbnails on the page
// have one: a box is taken from a free list when its thumbnail is drawn and
// given back when it is hidden, so a folder of thousands of photos does not
// make thousands of widgets.
class CaselleSelezione : public QObject {
  Q_OBJECT
 public:
  explicit CaselleSelezione(QWidget* superficie);

  // The box of thumbnail i, made or reused; shown by the caller.
  QCheckBox* Casella(int indice);
  // The box that shows thumbnail i, or nullptr when it has none.
  QCheckBox* CasellaMostrata(int indice) const;
  void Nascondi(int indice);
  // Every box with an index from the given one on goes (removed thumbnails).
  void DistruggiDa(int indice);
  // Hides and unchecks every box.
  void NascondiTutte();
  QList<QCheckBox*> Mostrate() const { return mostrate_.values(); }

 Q_SIGNALS:
  // A box changed state, by the user or by anything else that toggled it
  // (assistive technology toggles without a click).
  void commutata(int indice, bool selezionata);

 private:
  QWidget* superficie_;
  QHash<int, QCheckBox*> mostrate_;
  QList<QCheckBox*> libere_;
};
