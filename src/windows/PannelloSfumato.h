#pragma once
#include <QColor>
#include <QString>
#include <QWidget>
#include <cstdint>

// A colour given as the platform's blue-green-red value (blue in the high byte).
QColor ColoreBGR(std::uint32_t valore);

// One status-bar panel drawn as text over a horizontal two-colour gradient. It
// keeps its last text and colours, so every repaint of the status bar draws it
// again as it was.
class PannelloSfumato : public QWidget {
  Q_OBJECT

 public:
  explicit PannelloSfumato(const QString& chiave, QWidget* genitore = nullptr);

  void Disegna(const QString& testo, const QColor& sinistra, const QColor& destra);
  const QString& testo() const { return testo_; }

 Q_SIGNALS:
  // A left click inside the panel.
  void cliccato();

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;

 private:
  QString testo_;
  QColor sinistra_;
  QColor destra_;
};
